"""Holds every bit of the engine's power against exact_power.py on random pairs.

Usage: power_check.py [--wide | --runs] DRIVER [COUNT] [SEED]. COUNT defaults to
BELVIK_POWER_SWEEP, else 20000; with --wide the power skips its fast path (every pair takes the
exact or the wide path, some 50 us each) and COUNT defaults to a tenth; with --runs the pairs come
in runs of one base to exponents one apart, up or down, as schedules ask for them, so that all
but the first of each run are stepped from the last. BELVIK_DRIVER_RUNNER, when set, is put in
front of DRIVER (an emulator for a cross build).
"""
import math
import os
import random
import struct
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import exact_power  # noqa: E402


def bits(x):
    return struct.unpack('<Q', struct.pack('<d', x))[0]


def double(b):
    return struct.unpack('<d', struct.pack('<Q', b))[0]


def rate(rng):
    """A rate as a fraction: typed percentages, any size up to thousands of percent, losses."""
    roll = rng.random()
    if roll < 0.4:
        return rng.randint(0, 10 ** rng.randint(1, 6)) / 10 ** rng.randint(2, 6)
    if roll < 0.7:
        return math.exp(rng.uniform(math.log(1e-9), math.log(50)))
    if roll < 0.9:
        return -rng.random()
    return rng.uniform(-1e4, 1e4)


def years(rng, x):
    """Whole years up to 32767 (negative ones reach the present value) or fractional ones,
    mostly short of where x^years overflows or underflows."""
    reach = 32767.0
    if x > 0 and x != 1 and rng.random() < 0.9:
        reach = max(1.0, min(reach, 709 / abs(math.log(x))))
    roll = rng.random()
    if roll < 0.6:
        return float(rng.randint(1, int(reach if rng.random() < 0.5 else min(reach, 100))))
    if roll < 0.7:
        return -float(rng.randint(1, int(reach)))
    if roll < 0.85:
        return round(rng.uniform(0, reach), rng.randint(1, 4))  # as typed: "2.5"
    return rng.uniform(-reach, reach)


def small_base(rng):
    """Bases with few bits, whose small powers land on or halfway between doubles."""
    return rng.choice([1, 3, 5, 7, 9, 11, 13, 15, 17, 25, 27]) / 2 ** rng.randint(-4, 6)


def pair(rng):
    roll = rng.random()
    if roll < 0.75:
        x = 1 + rate(rng)
        return x, years(rng, x)
    if roll < 0.85:
        return small_base(rng), float(rng.randint(-60, 60)) / rng.choice([1, 1, 2, 4])
    # Any doubles at all: every exponent range, subnormals, overflow and underflow, specials.
    x = double(rng.getrandbits(63)) * rng.choice([1, 1, 1, -1])
    y = double(rng.randint(0x3B90000000000000, 0x4450000000000000)) * rng.choice([1, -1])
    return x, float(round(y)) if rng.random() < 0.5 else y


def run(rng):
    """One base to a run of exponents one apart: from year 1 or from any year up to where the
    power leaves the doubles, through it, or a typed fractional year; up or down, mostly long."""
    x = 1 + rate(rng) if rng.random() < 0.9 else small_base(rng)
    length = rng.choice([rng.randint(2, 50), rng.randint(50, 3000)])
    edge = 709 / abs(math.log(abs(x))) if abs(x) not in (0, 1) else 32767.0
    roll = rng.random()
    if roll < 0.3:
        start = 1.0
    elif roll < 0.6:  # across overflow, underflow or the subnormals
        start = float(max(1, int(edge) - rng.randint(0, length)))
    elif roll < 0.8:
        start = float(rng.randint(1, int(min(edge, 32767))))
    else:
        start = round(rng.uniform(0, min(edge, 32767)), rng.randint(1, 2))
    step = rng.choice([1, -1])
    return [(x, start + step * k) for k in range(length)]


def main():
    args = sys.argv[1:]
    mode = args[0] if args[0] in ('--wide', '--runs') else ''
    args = args[1:] if mode else args
    wide = mode == '--wide'
    driver = args[0]
    count = int(args[1]) if len(args) > 1 else \
        int(os.environ.get('BELVIK_POWER_SWEEP', '20000')) // (10 if wide else 1)
    seed = int(args[2]) if len(args) > 2 else 1
    rng = random.Random(seed)
    if mode == '--runs':
        pairs = []
        while len(pairs) < count:
            pairs += run(rng)
        pairs = pairs[:count]
    else:
        pairs = [pair(rng) for _ in range(count)]
    feed = ''.join('%016x %016x\n' % (bits(x), bits(y)) for x, y in pairs)
    runner = os.environ.get('BELVIK_DRIVER_RUNNER', '').split()
    command = runner + [driver] + (['wide'] if wide else [])
    answers = subprocess.run(command, input=feed.encode(), capture_output=True,
                             check=True).stdout.decode().split()
    misrounded = finite = 0
    for (x, y), answer in zip(pairs, answers):
        got, expected = double(int(answer, 16)), exact_power.power(x, y)
        finite += math.isfinite(expected) and expected != 0
        same = bits(got) == bits(expected) or (math.isnan(got) and math.isnan(expected))
        if not same:
            misrounded += 1
            if misrounded <= 10:
                print('MISROUNDED %r ^ %r (%s ^ %s): engine %r, exact %r'
                      % (x, y, x.hex(), y.hex(), got, expected))
    print('%d pairs (%d powers finite and not 0), %d misrounded'
          % (len(answers), finite, misrounded))
    return 1 if misrounded or len(answers) != count else 0


if __name__ == '__main__':
    sys.exit(main())
