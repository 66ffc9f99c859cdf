#!/usr/bin/env python3
"""Independent reference for quorvel-batch: the three flexibility calculations
(two-leg bend, Z-shaped offset, raised loop) in plain Python.

Usage: quorvel_ref.py [--decimal-comma] [--si] [--verdict] [--check] [--solve F=FROM:TO[:STEP] [--target R]
                      | --ranges F=FROM:TO[:STEP] [--target R]
                      | --sweep F=FROM:TO:STEP] [FILE...]   (stdin when no FILE)
Reads batch rows `panel,text1,...,textN` and writes for each row its cells,
the status and the result texts, as quorvel-batch must (option values are
taken as valid; the bad-option checks are quorvel-batch's own).

Every number is formed the way the program must form it: exact decimal
reading, float32 rounding done with exact rationals (never via a double),
each arithmetic step checked the moment it is formed, left to right.
"""
import collections
import csv
import decimal
import math
import re
import sys
from fractions import Fraction

sys.set_int_max_str_digits(0)   # inputs may carry thousands of digits

OK, MISMATCH, OVERFLOW, DIV0 = 'ok', 'type mismatch', 'overflow', 'division by zero'
PANELS = {'bend': (6, 6), 'offset': (8, 8), 'loop': (11, 10)}   # (inputs, results)


class Fail(Exception):
    def __init__(self, kind):
        super().__init__(kind)
        self.kind = kind


# ---------------------------------------------------------------- reading

_NUM = {}


def _pattern(sep):
    if sep not in _NUM:
        _NUM[sep] = re.compile(r'[ \t]*([+-]?)([0-9]*)(?:' + re.escape(sep) +
                               r'([0-9]*))?(?:[eE]([+-]?[0-9]+))?[ \t]*\Z')
    return _NUM[sep]


def parse(text, sep):
    """Exact value of a field text: (negative, Fraction | 'huge').

    Values far outside every range are not built exactly: 'huge' overflows
    every field kind and a tiny value is plain zero for every kind."""
    m = _pattern(sep).match(text)
    if not m or not (m.group(2) or m.group(3)):
        raise Fail(MISMATCH)
    neg = m.group(1) == '-'
    ip, fp = m.group(2), m.group(3) or ''
    digits = (ip + fp).lstrip('0')
    if not digits:
        return neg, Fraction(0)
    k = (int(m.group(4)) if m.group(4) else 0) - len(fp)
    mag = len(digits) + k                  # value lies in [10^(mag-1), 10^mag)
    if mag > 400:
        return neg, 'huge'
    if mag < -400:
        return neg, Fraction(0)
    n = int(digits)
    return neg, Fraction(n * 10 ** k) if k >= 0 else Fraction(n, 10 ** -k)


def round_binary(a, p, emin, emax):
    """Nearest binary floating number (p-bit significand, ties to even) to
    the exact rational a >= 0, as a Python float; inf when it overflows."""
    if a == 0:
        return 0.0
    n, d = a.numerator, a.denominator
    e = n.bit_length() - d.bit_length()
    if (n < (d << e)) if e >= 0 else ((n << -e) < d):
        e -= 1                             # now 2^e <= a < 2^(e+1)
    q = max(e, emin) - (p - 1)
    num, den = (n, d << q) if q >= 0 else (n << -q, d)
    m, r = divmod(num, den)
    if 2 * r > den or (2 * r == den and m & 1):
        m += 1
    if m.bit_length() - 1 + q > emax:
        return math.inf
    return math.ldexp(m, q)


def to_single(a):
    return round_binary(a, 24, -126, 127)


def to_double(a):
    return round_binary(a, 53, -1022, 1023)


def read_whole(text, sep):
    neg, a = parse(text, sep)
    if a == 'huge':
        raise Fail(OVERFLOW)
    n = round(-a if neg else a)            # Fraction rounds halves to even
    if not -32768 <= n <= 32767:
        raise Fail(OVERFLOW)
    return n


def _read_binary(text, sep, conv):
    neg, a = parse(text, sep)
    x = math.inf if a == 'huge' else conv(a)
    if math.isinf(x):
        raise Fail(OVERFLOW)
    return V(-x if neg else x)


def read_real(text, sep):
    return _read_binary(text, sep, to_single)


class DoubleField:
    """A double field keeps its text; each use converts it (and may fail)."""

    def __init__(self, text, sep):
        self.text, self.sep, self.val = text, sep, None

    def __call__(self):
        if self.val is None:               # every use gives the same result
            try:
                self.val = _read_binary(self.text, self.sep, to_double)
            except Fail as f:
                self.val = f
        if isinstance(self.val, Fail):
            raise self.val
        return self.val


# ---------------------------------------------------------------- checked arithmetic

def _ck(x):
    if math.isinf(x) or math.isnan(x):
        raise Fail(OVERFLOW)
    return V(x)


def _v(x):
    return x.v if isinstance(x, V) else float(x)


class V:
    """A double working value; every operation is step-checked."""
    __slots__ = ('v',)

    def __init__(self, v):
        self.v = float(v)

    def __add__(a, b): return _ck(a.v + _v(b))
    def __radd__(a, b): return _ck(_v(b) + a.v)
    def __sub__(a, b): return _ck(a.v - _v(b))
    def __rsub__(a, b): return _ck(_v(b) - a.v)
    def __mul__(a, b): return _ck(a.v * _v(b))
    def __rmul__(a, b): return _ck(_v(b) * a.v)
    def __neg__(a): return V(-a.v)

    def __truediv__(a, b):
        return _div(a.v, _v(b))

    def __rtruediv__(a, b):
        return _div(_v(b), a.v)

    def __pow__(a, n):
        try:
            return _ck(math.pow(a.v, n))   # C's pow, same libm
        except OverflowError:
            raise Fail(OVERFLOW) from None


def _div(x, y):
    if y == 0:
        raise Fail(OVERFLOW if x == 0 else DIV0)
    return _ck(x / y)


def sgl(x):
    """Round a double working value to single precision."""
    y = to_single(Fraction(abs(x.v)))
    if math.isinf(y):
        raise Fail(OVERFLOW)
    return V(math.copysign(y, x.v))


def sin(x): return V(math.sin(x.v))
def cos(x): return V(math.cos(x.v))


# ---------------------------------------------------------------- display

def text_of(x, sep):
    """At most 15 significant digits, no trailing zeros, exponent form from 1E+15."""
    if x == 0:
        return '0'
    mant, exp = ('%.14e' % x).split('e')
    exp = int(exp)
    neg = mant[0] == '-'
    digits = mant.lstrip('-').replace('.', '')
    if exp >= 15:
        d = digits.rstrip('0')
        body = d[0] + (sep + d[1:] if len(d) > 1 else '') + 'E%s%02d' % ('+' if exp >= 0 else '-', abs(exp))
    elif exp >= 0:
        ip, fp = digits[:exp + 1], digits[exp + 1:].rstrip('0')
        body = ip + (sep + fp if fp else '')
    else:
        body = '0' + sep + ('0' * (-exp - 1) + digits).rstrip('0')
    return ('-' if neg else '') + body


def tenths(v, sep):
    x = v + 0.5
    return text_of(_div(float(math.floor(x.v)), 10.0).v, sep)


def ratio(r, sep):
    x = 100 * r + 0.5
    return text_of(abs(_div(float(math.floor(x.v)), 100.0).v), sep)


# ---------------------------------------------------------------- the three calculations
# Each is a generator: it yields the results one by one in write order, a
# force or moment as its value and a stress as (stress, [S]), so a failure
# while writing leaves the earlier results delivered.

def bend(tx, sep):
    T = read_whole(tx[0], sep)
    D, t, L1, L2, al = (read_real(x, sep) for x in tx[1:6])
    Tv = V(T)
    th = sgl((al - 90) * 3.1415926 / 180)
    Dm = sgl(D / 1000)
    tm = sgl(t / 1000)
    s, c = sin(th), cos(th)
    A11 = s ** 2 * L2 ** 3 / 12 + (L1 ** 3 / 3 + (L2 * s / 2 + L1) ** 2 * L2)
    A12 = -(L2 ** 3 * s * c / 3 + L2 ** 2 * L1 * c / 2)
    A13 = -((L1 ** 2 + L2 ** 2 * s) / 2 + L2 * L1)
    A21 = -(L2 ** 3 * c * s / 3 + L2 ** 2 * L1 * c / 2)
    A22 = c ** 2 * L2 ** 3 / 3
    A23 = L2 ** 2 * c / 2
    A31 = -(L2 ** 2 * s / 2 + (L1 ** 2 / 2 + L2 * L1))
    A32 = L2 ** 2 * c / 2
    A33 = sgl(L2 + L1)
    E = V(10) ** 11 * 1.96
    H = Dm ** 4 - (Dm - (tm + tm)) ** 4
    I = H * 3.1415926 / 64
    EI = E * I
    e = Tv ** 2 * 0.005259 / V(10) ** 6 + Tv * 0.011182 / 1000
    B1 = (-e) * EI * L2 * c
    B2 = (-e) * EI * (L2 * s + L1)
    M1, Fx, Fy = solve(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2)
    s1 = M1 * 32 * Dm / (H * 3.1415926)
    s2 = sgl(Dm * 32) * (M1 - Fy * L1) / (H * 3.1415926)
    s3 = (M1 - Fy * (L2 * s + L1) + Fx * L2 * c) * 32 * Dm / (H * 3.1415926)
    S = V(10) ** 7 * 8
    yield M1
    yield Fx
    yield Fy
    for sg in (s1, s2, s3):
        yield sg, S


def solve(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2):
    """The fixed elimination shared by the three panels: M1, then Fx, then Fy."""
    P1 = A12 * A21 - A11 * A22
    P2 = A13 * A21 - A11 * A23
    P3 = B1 * A21 - A11 * B2
    P4 = A12 * A31 - A32 * A11
    P5 = A13 * A31 - A11 * A33
    P6 = B1 * A31
    M1 = (P6 * P1 - P4 * P3) / (P2 * P4 - P5 * P1)
    Fx = -(P3 + P2 * M1) / P1
    Fy = -(A12 * Fx + A13 * M1 + B1) / A11
    return M1, Fx, Fy


def offset(tx, sep):
    T = read_whole(tx[0], sep)
    D, t, L1, L2 = (read_real(x, sep) for x in tx[1:5])
    L3, L = DoubleField(tx[5], sep), DoubleField(tx[6], sep)
    al = read_real(tx[7], sep)
    Tv = V(T)
    th = sgl((al - 90) * 3.1415926 / 180)
    D = sgl(D / 1000)
    t = sgl(t / 1000)
    s, c = sin(th), cos(th)
    A11 = (L1 ** 3 / 3 + (L2 * s / 2 + L1) ** 2 * L2 + s ** 2 * L2 ** 3 / 12
           + L3() * (L2 * s + L1 + L3() / 2) ** 2 + L3() ** 3 / 12)
    A12 = -(L2 ** 3 * s * c / 3 + L2 ** 2 * L1 * c / 2 + sgl(L2 * L1) * L3() * c
            + L2 ** 2 * L3() * c * s + L2 * L3() ** 2 * c / 2)
    A13 = -((L1 ** 2 + L2 ** 2 * s) / 2 + L2 * L1 + L1 * L3() + L2 * L3() * s + L3() ** 2 / 2)
    A21 = -(L2 ** 3 * c * s / 3 + L2 ** 2 * L1 * c / 2 + sgl(L2 * L1) * L3() * c
            + L2 ** 2 * L3() * c * s + L2 * L3() ** 2 * c / 2)
    A22 = c ** 2 * L2 ** 3 / 3 + L2 ** 2 * L3() * c ** 2
    A23 = L2 ** 2 * c / 2 + L2 * L3() * c
    A31 = -(L2 ** 2 * s / 2 + (L1 ** 2 / 2 + L2 * L1) + L1 * L3() + L2 * L3() * s + L3() ** 2 / 2)
    A32 = L2 ** 2 * c / 2 + L2 * L3() * c
    A33 = sgl(L2 + L1) + L3()
    I = (D ** 4 - (D - 2 * t) ** 4) * 3.1415926 / 64
    E = V(10) ** 11 * 1.96
    EI = E * I
    e = (Tv ** 2 * 0.005259) / V(10) ** 6 + (Tv * 0.011182) / 1000
    B1 = (-e) * EI * L2 * c
    B2 = (-e) * EI * L()
    M1, Fx, Fy = solve(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2)
    m2 = M1 - Fy * L1
    m3 = M1 - Fy * (L2 * s + L1) + Fx * L2 * c
    m4 = M1 + Fx * L2 * c - Fy * ((L2 * s + L1) + L3())
    W64 = (D ** 4 - (D - 2 * t) ** 4) * 3.1415926
    s1 = M1 * 32 * D / W64
    s2 = sgl(32 * D) * m2 / W64
    s3 = m3 * 32 * D / W64
    s4 = m4 * 32 * D / W64
    S = V(10) ** 7 * 8
    for v in (M1, m4, Fx, Fy):
        yield v
    for sg in (s1, s2, s3, s4):
        yield sg, S


def loop(tx, sep):
    T = read_whole(tx[0], sep)
    D, t, L1, L2 = (read_real(x, sep) for x in tx[1:5])
    L3, L4, L5, L = (DoubleField(x, sep) for x in tx[5:9])
    al = read_real(tx[9], sep)
    be = DoubleField(tx[10], sep)
    Tv = V(T)
    th = (al - 90) * 3.1415926 / 180
    ph = (be() - 90) * 3.1415926 / 180
    s, c, sp, cp = sin(th), cos(th), sin(ph), cos(ph)
    D = sgl(D / 1000)
    t = sgl(t / 1000)
    A11 = (s ** 2 * L2 ** 3 / 3 + (L2 ** 2 * L1 * s + (L1 ** 3 / 3 + L1 ** 2 * L2))
           + (L1 + L3() + L2 * s + L4() * sp / 2) ** 2 * L4()
           + L4() ** 3 * sp ** 2 / 12
           + (L1 + L3() + L2 * s + L4() * sp + L5() / 2) ** 2 * L5()
           + L5() ** 3 / 12
           + (L2 * s + L1 + L3() / 2) ** 2 * L3()
           + L3() ** 3 / 12)

    def a12():     # A12 and A21 share this formula
        return (L2 ** 3 * s * c / 3 + L2 ** 2 * L1 * c / 2
                + sgl(L2 * L1) * L3() * c
                + L2 ** 2 * L3() * c * s
                + L2 * L3() ** 2 * c / 2
                + (L1 + L3() + L2 * s) * L2 * c * L4()
                - (L1 + L3() + L2 * s) * cp * L4() ** 2 / 2
                + L2 * c * sp * L4() ** 2 / 2
                - L4() ** 3 * sp * cp / 3
                + (L2 * c - L4() * cp) * ((L1 + L3() + L2 * s + L4() * sp) * L5() + L5() ** 2 / 2))

    A12 = a12()
    A13 = -((L1 ** 2 + L2 ** 2 * s) / 2 + L2 * L1 + L1 * L3() + L2 * L3() * s + L3() ** 2 / 2
            + L1 * L4() + L3() * L4() + L2 * L4() * s + L4() ** 2 * sp / 2
            + L1 * L5() + L3() * L5() + L2 * L5() * s + L4() * L5() * sp + L5() ** 2 / 2)
    A21 = a12()
    A22 = (c ** 2 * L2 ** 3 / 3 + L2 ** 2 * L3() * c ** 2 + L4() ** 3 * cp ** 2 / 3
           + L2 ** 2 * L4() * c ** 2 - L2 * L4() ** 2 * c * cp + (L2 * c - L4() * cp) ** 2 * L5())
    A23 = -(L2 ** 2 * c / 2 + L2 * L3() * c + L2 * L4() * c - L4() ** 2 * cp / 2
            + (L2 * c - L4() * cp) * L5())
    A31 = -(L2 ** 2 * s / 2 + (L1 ** 2 / 2 + L2 * L1) + L1 * L3() + L2 * L3() * s + L3() ** 2 / 2
            + L1 * L4() + L3() * L4() + L2 * L4() * s + L4() ** 2 * sp / 2
            + L1 * L5() + L3() * L5() + L2 * L5() * s + L4() * L5() * sp + L5() ** 2 / 2)
    A32 = -(L2 ** 2 * c / 2 + L2 * L3() * c + L2 * L4() * c - L4() ** 2 * cp / 2
            + (L2 * c - L4() * cp) * L5())
    A33 = sgl(L2 + L1) + L3() + L4() + L5()
    E = V(10) ** 11 * 1.96
    I = (D ** 4 - (D - (t + t)) ** 4) * 3.14159 / 64
    EI = E * I
    e = (Tv ** 2 * 0.005259) / V(10) ** 6 + (Tv * 0.011182) / 1000   # as the bend and the offset
    B1 = (-e) * EI * (L2 * c - L4() * cp)
    B2 = e * EI * L()
    M1, Fx, Fy = solve(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2)
    W64a = (D ** 4 - (D - (t + t)) ** 4) * 3.14159
    W64b = (D ** 4 - (D - (t + t)) ** 4) * 3.1415926
    s1 = M1 * 32 * D / W64a
    m2 = M1 - Fy * L1
    s2 = sgl(32 * D) * m2 / W64a
    m3 = M1 - Fy * (L2 * s + L1) - Fx * L2 * c
    s3 = m3 * 32 * D / W64a
    m4 = M1 - Fx * L2 * c - Fy * ((L2 * s + L1) + L3())
    s4 = m4 * 32 * D / W64b
    m5 = M1 - Fy * (L1 + L3() + L2 * s + L4() * sp) - Fx * (L2 * c - L4() * cp)
    s5 = m5 * 32 * D / W64b
    m6 = M1 - Fy * (L2 * s + L1 + L3() + L4() * sp + L5()) - Fx * (L2 * c - L4() * cp)
    s6 = m6 * 32 * D / W64b
    S = V(10) ** 6 * 80
    yield M1
    Mz2 = M1 - Fy * (L1 + L3() + L2 * s + L4() * sp + L5()) - Fx * (L2 * c - L4() * cp)
    yield Mz2
    yield Fx
    yield Fy
    for sg in (s1, s2, s3, s4, s5, s6):
        yield sg, S


CALCS = {'bend': bend, 'offset': offset, 'loop': loop}


def compute_values(panel, texts, sep='.'):
    """(status, result texts, values): each delivered result's value before
    its display, a force or moment as a float and a ratio as (r, stress)."""
    out, values, status = [], [], OK
    try:
        for item in CALCS[panel](texts, sep):
            if isinstance(item, tuple):
                r = item[0] / item[1]
                out.append(ratio(r, sep))
                values.append((r.v, item[0].v))
            else:
                out.append(tenths(item, sep))
                values.append(item.v)
    except Fail as f:
        status = f.kind
    return status, out + [''] * (PANELS[panel][1] - len(out)), values


def compute(panel, texts, sep='.'):
    """(status, result texts) for one row; undelivered results are ''."""
    status, out, _ = compute_values(panel, texts, sep)
    return status, out


# ---------------------------------------------------------------- design answers
# --solve, --sweep and --si, from the rules as the issue states them: values
# FROM + k*STEP taken as exact fractions, written as plain decimals.

FIELDS = {'bend': ['T', 'D', 't', 'L1', 'L2', 'alpha'],
          'offset': ['T', 'D', 't', 'L1', 'L2', 'L3', 'L', 'alpha'],
          'loop': ['T', 'D', 't', 'L1', 'L2', 'L3', 'L4', 'L5', 'L', 'alpha', 'beta']}


def exact(text):
    """An option number (decimal point) as a Fraction."""
    neg, a = parse(text, '.')
    return -a if neg else a


def plain(x, sep):
    """Plain decimal text of a Fraction whose denominator divides a power of ten."""
    if x == 0:
        return '0'
    sign, x = ('-', -x) if x < 0 else ('', x)
    places = 0
    while (x * 10 ** places).denominator != 1:
        places += 1
    digits = str(int(x * 10 ** places)).rjust(places + 1, '0')
    whole, frac = digits[:len(digits) - places], digits[len(digits) - places:]
    return sign + whole + (sep + frac if frac else '')


def walk_values(walk_option):
    """'F=FROM:TO[:STEP]' -> (F, [Fraction, ...])."""
    field, _, rng = walk_option.partition('=')
    parts = rng.split(':')
    lo, hi = exact(parts[0]), exact(parts[1])
    step = exact(parts[2]) if len(parts) > 2 else Fraction(1 if field == 'T' else Fraction(1, 100))
    n = int((abs(hi - lo) / step)) + 1      # floor, TO counted when on the grid
    direction = 1 if hi >= lo else -1
    return field, [lo + direction * k * step for k in range(n)]


def rounded_text(x, shift, places, sep):
    """The exact value of x·10^shift rounded once to `places` decimals, ties to even."""
    with decimal.localcontext() as ctx:
        ctx.prec = 2000
        q = decimal.Decimal(x).scaleb(shift).quantize(decimal.Decimal(1).scaleb(-places),
                                                      rounding=decimal.ROUND_HALF_EVEN)
    return format(abs(q) if q == 0 else q, 'f').replace('.', sep)


def si_cells(panel, values, sep):
    """kN and kN·m with three decimals, MPa as magnitudes with two."""
    return [rounded_text(abs(v[1]), -6, 2, sep) if isinstance(v, tuple) else rounded_text(v, -3, 3, sep)
            for v in values]


def si_row(panel, values, sep):
    return (si_cells(panel, values, sep) + [''] * PANELS[panel][1])[:PANELS[panel][1]]


def governing(values):
    return max(abs(v[0]) for v in values if isinstance(v, tuple))


def verdict_cells(status, values, target, sep, pipe=True):
    """The governing ratio with three decimals and passes or exceeds; no
    ratio and 'invalid' where the inputs describe no pipe."""
    if status != OK:
        return ['', '']
    if not pipe:
        return ['', 'invalid']
    g = governing(values)
    return [rounded_text(g, 0, 3, sep), 'passes' if g <= target else 'exceeds']


def solve_row(panel, texts, field, values, target, sep):
    """(status, value text, results) as --solve answers a row."""
    kinds, every_value_failed = set(), True
    for v in values:
        t = list(texts)
        t[field] = plain(v, sep)
        status, res, values = compute_values(panel, t, sep)
        if status == OK:
            every_value_failed = False
            if governing(values) <= target and describes_a_pipe(panel, t, sep):
                return OK, t[field], res, values
        else:
            kinds.add(status)
    status = kinds.pop() if every_value_failed and len(kinds) == 1 else 'no solution'
    return status, '', [''] * PANELS[panel][1], []


# ---------------------------------------------------------------- stretches
# Where a walk passes: consecutive values at which the inputs describe a
# pipe, the calculation succeeds and the largest ratio is at most the target.

def passes_at(panel, texts, field, v, target, sep):
    t = list(texts)
    t[field] = plain(v, sep)
    status, _, vals = compute_values(panel, t, sep)
    return status == OK and governing(vals) <= target and describes_a_pipe(panel, t, sep)


def stretch_end(panel, texts, field, values, first, target, sep):
    """The text of the last value of the stretch that starts at values[first]."""
    k = first
    while k + 1 < len(values) and passes_at(panel, texts, field, values[k + 1], target, sep):
        k += 1
    return plain(values[k], sep)


def stretch_cells(panel, texts, field, values, target, sep):
    """(status, ['FROM..TO', ...]) as --ranges answers a row."""
    flags = [passes_at(panel, texts, field, v, target, sep) for v in values]
    cells = []
    for k, ok in enumerate(flags):
        if ok and (k == 0 or not flags[k - 1]):
            start = k
        if ok and (k + 1 == len(flags) or not flags[k + 1]):
            cells.append(plain(values[start], sep) + '..' + plain(values[k], sep))
    if cells:
        return OK, cells
    kinds = set()
    for v in values:
        t = list(texts)
        t[field] = plain(v, sep)
        kinds.add(compute_values(panel, t, sep)[0])
    status = kinds.pop() if len(kinds) == 1 and OK not in kinds else 'no solution'
    return status, []


def target_of(opts):
    """--target as quorvel-batch compares it: the nearest double."""
    neg, a = parse(opts.get('target', '1'), '.')
    return math.inf if a == 'huge' else to_double(a)


def extra_cells(panel, status, values, opts, sep, texts):
    """The cells of --si and --verdict after the results, and last that of
    --check for the input texts the run took."""
    cells = []
    if opts.get('si'):
        cells += si_row(panel, values, sep)
    if opts.get('verdict'):
        cells += verdict_cells(status, values, target_of(opts), sep, describes_a_pipe(panel, texts, sep))
    if opts.get('check'):
        cells.append(checks_cell(panel, texts, sep))
    return cells


def answer_rows(panel, row, opts, sep):
    """The output rows for one valid input row, or None when the panel has no
    such field.  opts: dict with 'solve' or 'sweep' (a walk option), 'target',
    'si', 'verdict'."""
    walk_option = opts.get('solve') or opts.get('sweep') or opts.get('ranges')
    texts = row[1:]
    if not walk_option:
        status, res, values = compute_values(panel, texts, sep)
        return [row + [status] + res + extra_cells(panel, status, values, opts, sep, texts)]
    name, values = walk_values(walk_option)
    if name not in FIELDS[panel]:
        return None
    field = FIELDS[panel].index(name)
    if opts.get('ranges'):
        status, cells = stretch_cells(panel, texts, field, values, target_of(opts), sep)
        return [row + [status] + cells]
    if opts.get('solve'):
        status, value, res, vals = solve_row(panel, texts, field, values, target_of(opts), sep)
        taken = list(texts)
        if value:
            taken[field] = value
        end = stretch_end(panel, texts, field, values, [plain(v, sep) for v in values].index(value),
                          target_of(opts), sep) if status == OK else ''
        return [row + [status, value, end] + res + extra_cells(panel, status, vals, opts, sep, taken)]
    out = []
    for v in values:
        t = list(texts)
        t[field] = plain(v, sep)
        status, res, vals = compute_values(panel, t, sep)
        out.append([panel] + t + [status] + res + extra_cells(panel, status, vals, opts, sep, t))
    return out


# ---------------------------------------------------------------- checks of the inputs
# --check: the rules as docs/engineering.md gives them, one message a field
# whose text is a number, in read order, numbers to six significant digits.

ROLES = {'bend': 'TDtllA', 'offset': 'TDtlllLA', 'loop': 'TDtlllllLAA'}   # l: a leg
SYMBOLS = {'bend': ['T', 'D', 't', 'L1', 'L2', 'α'],
           'offset': ['T', 'D', 't', 'L1', 'L2', 'L3', 'L', 'α'],
           'loop': ['T', 'D', 't', 'L1', 'L2', 'L3', 'L4', 'L5', 'L', 'α', 'β']}
READS = {'bend': 'wrrrrr', 'offset': 'wrrrrddr', 'loop': 'wrrrrddddrd'}   # whole, real, double
UNITS = {'T': '℃', 'D': 'mm', 't': 'mm', 'l': 'm', 'L': 'm', 'A': '°'}
STEEL = 'which the fixed E = 196 GPa and [S] = 80 MPa do not describe'


def with_unit(v, unit, sep):
    return text_of(float('%.5e' % v), sep) + ('' if unit == '°' else ' ') + unit


def read_value(kind, text, sep):
    try:
        if kind == 'w':
            return float(read_whole(text, sep))
        return (read_real(text, sep) if kind == 'r' else _read_binary(text, sep, to_double)).v
    except Fail:
        return None


def checks_cell(panel, texts, sep):
    roles = ROLES[panel]
    vals = [read_value(k, t, sep) for k, t in zip(READS[panel], texts)]
    legs = [v for r, v in zip(roles, vals) if r == 'l']
    angles = [v for r, v in zip(roles, vals) if r == 'A']
    D = vals[roles.index('D')]
    said = []
    for i, (role, v) in enumerate(zip(roles, vals)):
        why = None
        shown = v                          # the value as read, unless the check is about the typed one
        if v is None:
            continue
        if role == 'T' and v < -50:
            why = 'below -50 ℃ carbon steel turns brittle, ' + STEEL
        elif role == 'T' and v > 425:
            why = 'above 425 ℃ carbon steel creeps, ' + STEEL
        elif role == 'T' and read_value('d', texts[i], sep) not in (None, v):
            shown = read_value('d', texts[i], sep)
            why = 'read as the whole number %s' % with_unit(v, '℃', sep)
        elif role == 'D' and v <= 0:
            why = 'the outer diameter must be above 0'
        elif role == 't' and v <= 0:
            why = 'a wall must be thicker than 0'
        elif role == 't' and D is not None and D > 0 and v >= D / 2:
            why = 'a wall must be thinner than half the diameter (%s)' % with_unit(D / 2, 'mm', sep)
        elif role == 'l' and v < 0:
            why = 'a leg cannot be shorter than 0'
        elif role == 'l' and i == roles.index('l') and None not in legs and not any(legs):
            why = 'every leg is 0 long, so there is no pipe run'
        elif role == 'A' and not 0 < v < 180:
            why = ('an angle must lie strictly between 0° and 180°; at 0° and 180° the legs lie in line, '
                   'which bending cannot carry')
        elif role == 'L' and v <= 0:
            why = 'the overall length must be above 0'
        elif role == 'L' and None not in legs and None not in angles:
            x = 0.0                        # L2 tilted by the first angle, L4 by the second
            for k, leg in enumerate(legs):
                if k % 2:
                    turn = (angles[k // 2] - 90) * 3.1415926 / 180
                    leg *= math.sin(turn) if math.isfinite(turn) else math.nan
                x += leg
            if abs(v - x) > 0.01 * abs(x):
                why = 'the legs put the anchors %s apart; L sets the free expansion' % with_unit(x, 'm', sep)
        if why:
            s = SYMBOLS[panel][i]
            said.append('%s: %s = %s: %s' % (s, s, with_unit(shown, UNITS[role], sep), why))
    return '; '.join(said)


def describes_a_pipe(panel, texts, sep):
    """No pipe: D <= 0, t <= 0, t at least D/2, a negative leg, every leg 0,
    L <= 0, an angle not strictly between 0 and 180 degrees; each from the
    value as the calculation reads it, a text that is no number left out."""
    vals = [read_value(k, t, sep) for k, t in zip(READS[panel], texts)]
    of = collections.defaultdict(list)
    for role, v in zip(ROLES[panel], vals):
        of[role].append(v)
    (D,), (t,) = of['D'], of['t']
    legs = of['l']
    known = lambda vs: [v for v in vs if v is not None]
    return not ((D is not None and D <= 0) or
                (t is not None and (t <= 0 or (D is not None and D > 0 and t >= D / 2))) or
                any(v < 0 for v in known(legs)) or
                (None not in legs and all(v == 0 for v in legs)) or
                any(v <= 0 for v in known(of['L'])) or
                any(not 0 < v < 180 for v in known(of['A'])))


# ---------------------------------------------------------------- batch driver

def run(lines, name, sep, writer, err, opts=None):
    """Process one input; returns False when it had a bad row."""
    opts = opts or {}
    good = True
    reader = csv.reader(lines, delimiter=';' if sep == ',' else ',')
    start = 1
    first = True
    for row in reader:
        if row and row[0].lower() in PANELS:   # keys in any letter case, empty cells after the inputs dropped
            key = row[0].lower()
            while len(row) > PANELS[key][0] + 1 and row[-1] == '':
                row.pop()
        if not row:                        # a blank line is no row
            pass
        elif first and row[0].lower() == 'panel':   # a header row
            pass
        elif row[0].lower() not in PANELS or len(row) != PANELS[row[0].lower()][0] + 1:
            what = 'unknown panel' if row[0] not in PANELS else 'wrong number of cells'
            print('%s:%d: %s' % (name, start, what), file=err)
            good = False
        else:
            out = answer_rows(row[0].lower(), row, opts, sep)
            if out is None:
                print('%s:%d: no such field' % (name, start), file=err)
                good = False
            else:
                writer.writerows(out)
        start = reader.line_num + 1
        first = first and not row
    return good


def main(argv):
    opts, files, sep = {}, [], '.'
    it = iter(argv)
    for a in it:
        if a == '--decimal-comma':
            sep = ','
        elif a == '--si':
            opts['si'] = True
        elif a == '--verdict':
            opts['verdict'] = True
        elif a == '--check':
            opts['check'] = True
        elif a in ('--solve', '--sweep', '--ranges', '--target'):
            opts[a[2:]] = next(it)
        else:
            files.append(a)
    writer = csv.writer(sys.stdout, delimiter=';' if sep == ',' else ',', lineterminator='\r\n')
    good = True
    if not files:
        good = run(sys.stdin, '<stdin>', sep, writer, sys.stderr, opts)
    for path in files:
        with open(path, newline='', encoding='utf-8') as f:
            good &= run(f, path, sep, writer, sys.stderr, opts)
    return 0 if good else 1


if __name__ == '__main__':
    sys.stdin.reconfigure(newline='')
    sys.exit(main(sys.argv[1:]))
