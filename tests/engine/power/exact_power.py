"""x^y as the double nearest to the exact power, ties to even, as IEEE 754 asks of pow.

Exact rational arithmetic settles every case where it is cheap, which includes every power
that lands on a double or exactly halfway between two: those need at most 54 bits and come
from small exponents. The rest are irrational or have more than 54 bits, so mpmath at rising
precision must at some point place them on one side of every halfway point.
"""
import functools
import math

import mpmath

_INF = float('inf')
_EXACT_BITS = 4096  # largest exact power worked out with integers


def _nearest(num, den):
    """The double nearest to num / den for integers num >= 0, den > 0 (CPython rounds int / int
    correctly, subnormals too, and refuses results that round beyond the largest double)."""
    try:
        return num / den
    except OverflowError:
        return _INF


def _scaled(n, k):
    """The double nearest to n × 2^k."""
    return _nearest(n << k, 1) if k >= 0 else _nearest(n, 1 << -k)


def _root(n, k):
    """The integer k-th root of n when n is a perfect k-th power, else None."""
    if n.bit_length() > 1000:
        return None
    r = round(n ** (1.0 / k))
    for c in (r - 1, r, r + 1):
        if c >= 0 and c ** k == n:
            return c
    return None


def _exact(x, y):
    """x^y as (numerator, denominator) when it is rational and cheap to work out exactly."""
    num, den = x.as_integer_ratio()
    p, k = y.as_integer_ratio()  # k is a power of two
    if k > 1:
        if k > 2048:
            return None
        num, den = _root(num, k), _root(den, k)
        if num is None or den is None:
            return None
    if abs(p) * max(num.bit_length(), den.bit_length()) > _EXACT_BITS:
        return None
    return (num ** p, den ** p) if p >= 0 else (den ** -p, num ** -p)


def _from_mpmath(x, y):
    for precision in (120, 240, 480, 960, 1920, 3840):
        with mpmath.workprec(precision):
            value = mpmath.power(mpmath.mpf(x), mpmath.mpf(y))
        mantissa, exponent = int(value.man), int(value.exp)
        top = exponent + mantissa.bit_length()
        if top > 1100:
            return _INF
        if top < -1100:
            return 0.0
        # mpmath's result lies within a few units of its last place; allow 2^10 of them.
        shift = precision - 10 - mantissa.bit_length()
        slack = 1 << max(0, -shift)
        scaled, k = (mantissa << shift, exponent - shift) if shift > 0 else (mantissa, exponent)
        low, high = _scaled(scaled - slack, k), _scaled(scaled + slack, k)
        if low == high:
            return low
    raise ArithmeticError('no rounding of %r ^ %r settled' % (x, y))


@functools.lru_cache(maxsize=1 << 16)
def power(x, y):
    """pow(x, y) correctly rounded, with IEEE 754 pow's special cases: 0 to a negative power is
    infinite, a negative base to a fraction is NaN, x^0 and 1^y are 1."""
    if y == 0 or x == 1:
        return 1.0
    if math.isnan(x) or math.isnan(y):
        return math.nan
    if math.isinf(y):
        return 1.0 if abs(x) == 1 else _INF if (abs(x) > 1) == (y > 0) else 0.0
    integer = y == math.floor(y)
    odd = integer and abs(y) < 2 ** 53 and int(y) % 2 == 1
    negative = math.copysign(1.0, x) < 0
    if negative and not integer and x != 0 and not math.isinf(x):
        return math.nan
    sign = -1.0 if negative and odd else 1.0
    x = abs(x)
    if x == 0 or math.isinf(x):
        return sign * (_INF if (y < 0) == (x == 0) else 0.0)
    if x == 1:
        return sign
    # Far beyond the double range either way: no need to work the power out.
    if abs(y * math.log2(x)) > 1200:
        return sign * (_INF if (y > 0) == (x > 1) else 0.0)
    exact = _exact(x, y)
    magnitude = _nearest(*exact) if exact is not None else _from_mpmath(x, y)
    return sign * magnitude
