"""Compares every digit and line end of the calculators with reference_model.py on generated
cases, then checks the monthly-amount search on more: each answer's schedule in the model
reaches the target and the one a step below does not, and each failure is the model's.
Usage: reference_check.py DRIVER [SEED] [COUNT] [GOALS] [DRIVER_ARG...]. BELVIK_DRIVER_RUNNER,
when set, is put in front of DRIVER (an emulator for a cross build); DRIVER_ARGs follow it (the
window driver's mode and program, with GOALS 0: a window has no search to drive)."""
import os
import random
import subprocess
import sys
from decimal import Decimal

# The model's power is the power check's exact one.
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.join(HERE, '..', 'power')]
import reference_model as model  # noqa: E402

PREVIOUS = '计算结果'
ODD_TEXTS = ['', '.', '5.', '.5', ' 12 ', '1,5', '1e5', '1E-05', '-3', '+7', 'abc', '1 000', '0',
             '0.0', '1e999', '&H10', '12abc', '3.14.15', '0.00001', '99999999999999999999', '1d3',
             '-0', '１２']


def amount(rng):
    roll = rng.random()
    if roll < 0.5:
        return str(rng.randint(0, 100000))
    if roll < 0.8:
        return '%d.%0*d' % (rng.randint(0, 9999), rng.randint(1, 5), rng.randint(0, 99999))
    return rng.choice(ODD_TEXTS)


def percent(rng):
    return rng.choice(['0', '3', '4', '7', '10', '3.5', '0.5', '2.5', amount(rng)])


def years(rng):
    if rng.random() < 0.9:
        return rng.choice([str(rng.randint(0, 60)), str(rng.randint(0, 300)), '0', '1', '02',
                           '2.5', ' ', '.', '65'])
    return rng.choice(['1e999', '32767', '32768', '40000', '-3', '1e2', '', '-32768'])


def generate(rng):
    kind = rng.choice('IPVL')
    if kind == 'I':
        return kind, [amount(rng), percent(rng), percent(rng), years(rng)]
    if kind == 'P':
        return kind, [percent(rng), amount(rng), years(rng), years(rng), years(rng)]
    if kind == 'V':
        return kind, [percent(rng), amount(rng), years(rng)]
    return kind, [amount(rng), percent(rng), years(rng)]


MODELS = {'I': model.investment, 'P': model.pension, 'V': model.present_value_calculator,
          'L': model.lump_sum}
MOST_SCHEDULES = 117  # kMostSchedules


def goal_case(rng):
    """A target, years, increase and return: mostly a saver's, then the edges of what is
    answered."""
    target = rng.choice([str(rng.randint(1, 10**7)), str(rng.randint(1, 10**7)), amount(rng),
                         '0.01', '1E+300', '1.7976931348623157e308', '1e13', '123456789012345678'])
    if rng.random() < 0.005:  # the model takes a second or more over the longest schedules
        return [target, '32767', rng.choice(['0', '3']), rng.choice(['0', '3', '-100'])]
    years_text = rng.choice([str(rng.randint(1, 60)), str(rng.randint(1, 60)),
                             str(rng.randint(1, 300)), '1', '30', '2.5',
                             rng.choice(['0', '.', ' ', '', '32768', '1e999'])])
    edge = rng.choice([percent(rng), percent(rng), '-100', '-101', '-99.99'])
    increase, annual_return = rng.sample([percent(rng), edge], 2)
    return [target, years_text, increase, annual_return]


def goal_mismatch(texts, answer):
    """What is wrong with the search's answer, or None."""
    failure, monthly, value, below, value_below, schedules = answer.split('\t')
    failure, value, value_below = int(failure), float(value), float(value_below)
    if int(schedules) > MOST_SCHEDULES:
        return 'ran %s schedules' % schedules
    expected, inputs = model.goal_inputs(*texts)
    if expected is None and model.goal_value(0.01, *inputs[1:]) is None:
        expected = model.GOAL_FLOATING  # even the first fen's schedule faults
    if expected is not None:
        return None if failure == expected else 'failure %d, model %d' % (failure, expected)
    target, n, inc, ret = inputs

    def value_of(text):
        return model.goal_value(model.number_from_text(str(text)), n, inc, ret)

    if value_of(below) != value_below or not value_below < target:
        return 'below %s ends at %r, model %r' % (below, value_below, value_of(below))
    if failure == model.GOAL_NONE:
        if value_of(monthly) != value or not value >= target:
            return 'answer %s ends at %r, model %r' % (monthly, value, value_of(monthly))
        if model.amount_step(monthly, -1) != Decimal(below):
            return '%s is not the step below %s' % (below, monthly)
        return None
    above = model.amount_step(below, 1)
    if failure == model.GOAL_UNREACHABLE and (above is None or value_of(above) is None):
        return None
    return 'failure %d, but %s ends at %r' % (failure, above, value_of(above))


def main():
    driver = sys.argv[1]
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 3000
    goals = int(sys.argv[4]) if len(sys.argv) > 4 else count // 2
    rng = random.Random(seed)
    cases = [generate(rng) for _ in range(count)]
    goal_cases = [goal_case(rng) for _ in range(goals)]
    feed = ''.join(kind + '\t' + '\t'.join(texts) + '\n' for kind, texts in cases)
    feed += ''.join('G\t' + '\t'.join(texts) + '\n' for texts in goal_cases)
    runner = os.environ.get('BELVIK_DRIVER_RUNNER', '').split()
    answers = subprocess.run(runner + [driver] + sys.argv[5:], input=feed.encode(),
                             capture_output=True, check=True).stdout.decode().split('\n')
    mismatches = 0
    for (kind, texts), answer in zip(cases, answers):
        failure, text = answer.split('\t', 1)
        got = (int(failure), text.replace('\\r', '\r').replace('\\n', '\n'))
        expected = MODELS[kind](*texts, PREVIOUS)
        if got != expected:
            mismatches += 1
            if mismatches <= 10:
                print('MISMATCH %s %r\n  program %r\n  model   %r' % (kind, texts, got, expected))
    for texts, answer in zip(goal_cases, answers[count:]):
        wrong = goal_mismatch(texts, answer)
        if wrong:
            mismatches += 1
            if mismatches <= 10:
                print('MISMATCH G %r: %s\n  program %r' % (texts, wrong, answer))
    print('%d cases and %d targets, %d mismatches' % (len(cases), len(goal_cases), mismatches))
    return 1 if mismatches else 0


if __name__ == '__main__':
    sys.exit(main())
