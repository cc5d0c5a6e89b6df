"""Compares every digit and line end of the calculators with reference_model.py on generated
cases. Usage: reference_check.py DRIVER [SEED] [COUNT] [DRIVER_ARG...]. BELVIK_DRIVER_RUNNER,
when set, is put in front of DRIVER (an emulator for a cross build); DRIVER_ARGs follow it (the
window driver's mode and program)."""
import os
import random
import subprocess
import sys

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


def main():
    driver = sys.argv[1]
    seed = int(sys.argv[2]) if len(sys.argv) > 2 else 1
    count = int(sys.argv[3]) if len(sys.argv) > 3 else 3000
    rng = random.Random(seed)
    cases = [generate(rng) for _ in range(count)]
    feed = ''.join(kind + '\t' + '\t'.join(texts) + '\n' for kind, texts in cases)
    runner = os.environ.get('BELVIK_DRIVER_RUNNER', '').split()
    answers = subprocess.run(runner + [driver] + sys.argv[4:], input=feed.encode(),
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
    print('%d cases, %d mismatches' % (len(cases), mismatches))
    return 1 if mismatches else 0


if __name__ == '__main__':
    sys.exit(main())
