"""An independent model of the four calculators, written from their rules in Python.

Decimal arithmetic does the rounding and the number reading, '%.14e' the 15 significant
digits, and exact_power.py the power: the double nearest to the exact one, as the program's.
"""
import math
from decimal import Decimal, ROUND_HALF_EVEN, Context

from exact_power import power

CTX = Context(prec=2000, Emax=10**9, Emin=-10**9)
NONE, EMPTY, FLOATING, MISMATCH, OVERFLOW, YEARS_CAP = range(6)


class Stop(Exception):
    def __init__(self, failure):
        super().__init__(failure)
        self.failure = failure


def check(x):
    if math.isinf(x) or math.isnan(x):
        raise Stop(FLOATING)
    return x


def divide(a, b):
    if b == 0:
        raise Stop(FLOATING)  # x / 0 is a division by zero, 0 / 0 an invalid operation
    return check(a / b)


def round4(x):
    return float(Decimal(x).quantize(Decimal('0.0001'), rounding=ROUND_HALF_EVEN, context=CTX))


def form(x, zero_before_point=False):
    if x == 0:
        return '0'
    mantissa, exponent = ('%.14e' % abs(x)).split('e')
    e = int(exponent)
    d = mantissa.replace('.', '').rstrip('0')
    sign = '-' if x < 0 else ''
    if -4 <= e <= 14:
        if e < 0:
            return sign + ('0' if zero_before_point else '') + '.' + '0' * (-e - 1) + d
        if len(d) <= e + 1:
            return sign + d + '0' * (e + 1 - len(d))
        return sign + d[:e + 1] + '.' + d[e + 1:]
    rest = '.' + d[1:] if len(d) > 1 else ''
    return sign + d[0] + rest + ('E-' if e < 0 else 'E+') + '%02d' % abs(e)


def to_double(negative, digits, exponent):
    """int(digits) × 10^exponent as the nearest double; None beyond the double range."""
    value = Decimal(int(digits)).scaleb(exponent, context=CTX) if digits else Decimal(0)
    f = float(-value if negative else value)
    if digits.strip('0') == '':
        return -0.0 if negative else 0.0
    return None if math.isinf(f) else f


def number_from_text(text):
    blanks, i, n = ' \t\n', 0, len(text)

    def skip():
        nonlocal i
        while i < n and text[i] in blanks:
            i += 1

    def at(chars):
        return i < n and text[i] in chars

    skip()
    negative = at('-')
    if at('+-'):
        i += 1
    digits, decimals, point = '', 0, False
    while True:
        skip()
        if at('0123456789'):
            digits += text[i]
            decimals += point
        elif at('.') and not point:
            point = True
        else:
            break
        i += 1
    if not digits:
        return 0.0
    exponent = 0
    if at('EeDd'):
        i += 1
        skip()
        exponent_negative = at('-')
        if at('+-'):
            i += 1
        exponent_digits = ''
        while True:
            skip()
            if not at('0123456789'):
                break
            exponent_digits += text[i]
            i += 1
        exponent = int(exponent_digits or '0') * (-1 if exponent_negative else 1)
    value = to_double(negative, digits, exponent - decimals)
    if value is None:
        raise Stop(FLOATING)
    return value


def strict_number(text):
    body = text.strip(' \t')
    negative = body.startswith('-')
    if body[:1] in ('+', '-'):
        body = body[1:]
    whole, _, fraction = body.partition('.')
    if not (whole + fraction) or not (whole + fraction).isascii() or \
            not (whole + fraction).isdigit():
        raise Stop(MISMATCH)
    value = to_double(negative, whole + fraction, -len(fraction))
    if value is None:
        raise Stop(OVERFLOW)
    return value


def strict_int16(text):
    whole = round(strict_number(text))  # Python rounds half to even
    if not -32768 <= whole <= 32767:
        raise Stop(OVERFLOW)
    return whole


def growth(rate, years):
    return check(power(check(1 + rate), years))


def future_value(amount, rate, years):
    return round4(check(growth(rate, years) * amount))


def present_value(amount, rate, years):
    return round4(check(divide(1, growth(rate, years)) * amount))


def outcome(schedule):
    lines = []
    try:
        summary = schedule(lines)
        return NONE, summary + ''.join(lines)
    except Stop as stop:
        return stop.failure, ''.join(lines)


def invest_schedule(m, inc, ret, n, lines):
    """Principal and value of the periodic investment, the rates as fractions."""
    c, principal, total, i = check(m * 12), 0.0, 0.0, 1.0
    while i <= n:
        principal = check(principal + c)
        total = check(future_value(c, ret, check((n - i) + 1)) + total)
        lines.append('第%s年投入%s元，每月投入%s\r\n' % (form(i), form(c), form(round4(c / 12))))
        c = check(round4(check((inc + 1) * c)))
        i += 1
    return principal, total


def investment(monthly, increase, annual_return, years, previous):
    if '' in (monthly, increase, annual_return, years):
        return EMPTY, previous

    def schedule(lines):
        m, inc, ret, n = (number_from_text(t) for t in (monthly, increase, annual_return, years))
        if n > 32767:
            raise Stop(YEARS_CAP)
        principal, total = invest_schedule(m, inc / 100, ret / 100, n, lines)
        return '总投入本金%s元，本利合计%s元。\r\n' % (form(principal, True), form(total, True))

    return outcome(schedule)


def lump_sum(amount, rate, years, previous):
    if '' in (amount, rate, years):
        return EMPTY, ''

    def schedule(lines):
        n, fv, y = number_from_text(years), 0.0, 1.0
        if n > 32767:
            raise Stop(YEARS_CAP)
        while y <= n:
            a, r = number_from_text(amount), number_from_text(rate) / 100
            fv = future_value(a, r, y)
            gain = check(fv - a)
            percent = check(divide(gain, a) * 100)
            lines.append('第%s年累计收益%s，累计收益率%s%%，本利和%s元。\r\n'
                         % (form(y), form(gain), form(round4(percent)), form(fv)))
            y += 1
        return years + '年后本利合计：%s元。\r\n' % form(fv)

    return outcome(schedule)


def present_value_calculator(rate, amount, years, previous):
    if '' in (rate, amount, years):
        return EMPTY, previous
    try:
        a, r, n = (number_from_text(t) for t in (amount, rate, years))
        return NONE, form(present_value(a, r / 100, n), True)
    except Stop as stop:
        return stop.failure, previous


def pension(inflation, cost, pension_years, current_age, retirement_age, previous):
    if '' in (inflation, cost, pension_years, current_age, retirement_age):
        return EMPTY, previous

    def schedule(lines):
        retire, age, count = (strict_int16(t) for t in (retirement_age, current_age, pension_years))
        infl, monthly = strict_number(inflation), strict_number(cost)
        i, yearly = check(infl / 100), check(monthly * 12)
        until = retire - age
        if not -32768 <= until <= 32767:
            raise Stop(OVERFLOW)
        total, n = None, 1
        while n <= count:
            if until + n > 32767:
                raise Stop(OVERFLOW)
            need = future_value(yearly, i, float(until + n))
            total = need + (total or 0.0)
            check(total)
            lines.append('退休第%d年需要生活费%s元，平均每月%s元。\r\n'
                         % (n, form(need), form(round4(check(need / 12)))))
            n += 1
            if n > 32767:
                raise Stop(OVERFLOW)
        return '总计需要养老金：%s元。\r\n' % ('' if total is None else form(total, True))

    return outcome(schedule)

# The monthly-amount search: its failures, and the amounts it may answer with.
GOAL_NONE, GOAL_EMPTY, GOAL_TARGET, GOAL_YEARS, GOAL_RATE, GOAL_UNREACHABLE, GOAL_FLOATING = \
    range(7)
LAST_AMOUNT = Decimal('1.79769313486231E+308')


def goal_inputs(target, years, increase, annual_return):
    """The search's failure for what it reads, or None and its inputs, the rates as fractions."""
    if '' in (target, years, increase, annual_return):
        return GOAL_EMPTY, None
    try:
        t, n, inc, ret = (number_from_text(x) for x in (target, years, increase, annual_return))
    except Stop:
        return GOAL_FLOATING, None
    inc, ret = inc / 100, ret / 100
    if not t > 0:
        return GOAL_TARGET, None
    if not 1 <= n <= 32767:
        return GOAL_YEARS, None
    if inc + 1 < 0 or 1 + ret < 0:
        return GOAL_RATE, None
    return None, (t, n, inc, ret)


def goal_value(amount, n, inc, ret):
    """The value the schedule of a monthly amount ends at; None when it stops with a fault."""
    try:
        return invest_schedule(amount, inc, ret, n, [])[1]
    except Stop:
        return None


def amount_step(text, direction):
    """The amount one step above (+1) or below (-1) the amount written `text`: a fen below 10^13
    yuan, one in the 15th significant digit above; None past the last amount."""
    a = Decimal(text)

    def unit(decade):
        return Decimal('0.01') if decade < 13 else Decimal(1).scaleb(decade - 14)

    if a != 0 and (a > LAST_AMOUNT or CTX.remainder(a, unit(a.adjusted())) != 0):
        raise ValueError('not an amount the search tries: ' + text)
    decade = a.adjusted()
    if direction < 0 and a.normalize().as_tuple().digits == (1,):
        decade -= 1  # below a power of ten the steps are the lower decade's
    step = CTX.add(a, direction * unit(decade))
    return None if step > LAST_AMOUNT else step
