#!/usr/bin/env python3
"""Deterministic batch input for quorvel-batch: ordinary runs of the three
panels around their defaults, with hostile field texts mixed in.

Usage: gen_rows.py [--rows N] [--seed S] [--decimal-comma] [--crlf] > rows.csv
Every row is a well-formed batch row (known panel, right cell count).
"""
import argparse
import csv
import math
import random
import sys

DEFAULTS = {
    'bend': ['70', '377', '9', '20', '10', '90'],
    'offset': ['70', '377', '9', '20', '10', '20', '40', '90'],
    'loop': ['70', '377', '9', '20', '10', '15', '10', '20', '50', '90', '90'],
}
# field kinds in read order: T temperature, D diameter, t thickness, L leg,
# O overall length, A angle
KINDS = {'bend': 'TDtLLA', 'offset': 'TDtLLLOA', 'loop': 'TDtLLLLLOAA'}

# Texts that go into any field.
HOSTILE = [
    '', ' ', '   ', '\t', ' \t ', 'abc', '20m', 'm20', '1E39', '1E309', '-1E39', '-1E309',
    '1e-50', '2.5', '70.5', '71.5', '-2.5', '-0.5', '32767.4', '32767.5', '40000',
    '-32768.5', '-32767.5', '-32768.50000000000001', '2.5000000000000001', '+20',
    '.5', '5.', '-.5', '+5.', '.', '+', '-', '+.', '1,5', ' 20 ', '\t20\t', '20 ',
    ' 20', 'inf', 'nan', 'NaN', '-inf', 'Infinity', '0x10', '010', '0', '-0', '+0',
    '0.0', 'e5', '1e', '1e+', '1E-', '1.5E3', '1.5e-3', '1e+2', '2E0', '1 000',
    '1_000', '--5', '+-5', '5-', '5+', '(5)', '1.2.3', '1e5.5', '1e5e5', '５',
    '١', 'a"b', '"20"', '1\n2', '20;', '1E38', '3.4E38', '-3.4E38',
    '3.4028235677973366E38', '340282356779733661637539395458142568448',
    '3.4028235677973366163753939545814256845E38', '1.7976931348623157E308',
    '1.7976931348623159E308', '1e-45', '7e-46', '7.006492321624086E-46',
    '5e-324', '2.4703282292062328E-324', '2.4703282292062327E-324', '1E-400',
    '16777217', '16777219', '16777217.000000001', '0.1', '1e-9223372036854775809',
    '1E+9223372036854775808', '0e99999999999999999999', '-0.000e-99999999999',
    '1' + '0' * 400, '9' * 1000, '0.' + '0' * 1000 + '1', '0' * 2000 + '20',
    '20.' + '0' * 2000, '2.5' + '0' * 500 + '1', '32767.' + '4' * 600,
    '32767.' + '9' * 600, '-32768.' + '4' * 500, '-32768.5' + '0' * 300 + '1',
    '16777217.' + '0' * 300 + '1', '1' + '0' * 37 + '.' + '5' * 300,
    '0.' + '0' * 40 + '7' + '3' * 100, '1' + '0' * 308, '1' + '0' * 309,
]

# Texts chosen for one kind of field.
SPECIAL = {
    'T': ['-32747', '-32748', '-32768', '32767', '-32767.5', '-32769', '20', '0',
          '-20', '1E4', '-1E4', '32767.49999', '600', '-50'],
    'D': ['0', '-377', '1E30', '1E-30', '9', '18', '3.4E38', '0.001'],
    't': ['0', '-9', '188.5', '377', '1E-30', '1E30', '0.0001', '400'],
    'L': ['0', '0.0', '-10', '1E38', '3E38', '1E100', '1E154', '1E200', '1E300',
          '-1E300', '1e-20', '1e-300', '4.9E-324', '1000000'],
    'O': ['0', '-40', '1E300', '1.7E308', '1e-300'],
    'A': ['180', '0', '90', '90.000001', '270', '-90', '360', '1E30', '3.4E38',
          '1E300', '1.7E308', '180.0000001', '89.99999999999', '45', '135'],
}


def number(rng, x, places, sep):
    """Text of x with `places` decimals, sometimes in another accepted form."""
    s = '%.*f' % (places, x)
    if places and rng.random() < 0.3:
        s = s.rstrip('0').rstrip('.') or '0'
    r = rng.random()
    if r < 0.03 and x != 0:
        s = '%.*e' % (rng.randint(0, 6), x)
        s = s.upper() if rng.random() < 0.5 else s
    elif r < 0.05 and not s.startswith('-'):
        s = '+' + s
    elif r < 0.07 and s.startswith('0.'):
        s = s[1:]
    elif r < 0.09:
        s = rng.choice([' ', '\t', '  ']) + s + rng.choice(['', ' ', '\t'])
    return s.replace('.', sep)


def ordinary(rng, panel, sep):
    T = rng.randint(-50, 600)
    D = rng.uniform(20, 1200)
    t = rng.uniform(1, max(2, D / 12))
    legs = [rng.uniform(0.5, 60) for _ in range(5)]
    a, b = rng.uniform(30, 150), rng.uniform(30, 150)
    th, ph = math.radians(a - 90), math.radians(b - 90)
    if panel == 'offset':
        L = legs[0] + legs[1] * math.sin(th) + legs[2]
    else:
        L = legs[0] + legs[1] * math.sin(th) + legs[2] + legs[3] * math.sin(ph) + legs[4]
    L *= rng.uniform(0.9, 1.1)
    vals = {'T': [(T + (rng.choice([0.5, 0.25, 0.4]) if rng.random() < 0.1 else 0), 2)],
            'D': [(D, rng.randint(0, 2))], 't': [(t, rng.randint(0, 2))],
            'L': [(x, rng.randint(0, 3)) for x in legs], 'O': [(L, rng.randint(0, 3))],
            'A': [(a, rng.randint(0, 4)), (b, rng.randint(0, 4))]}
    out = []
    for k in KINDS[panel]:
        x, places = vals[k].pop(0)
        if k == 'T' and places == 2 and x == int(x):
            places = 0
        out.append(number(rng, x, places, sep))
    return out


def near_singular(rng, panel, cells, sep):
    """Make the run (nearly) straight or folded: the equations become
    ill-conditioned and the results magnify every rounding."""
    tiny = rng.choice(['0', '1e-20', '1e-300', '0.001'])
    if panel == 'bend':
        cells[rng.choice([3, 5])] = tiny if rng.random() < 0.5 else rng.choice(['0', '180'])
    elif panel == 'offset':
        cells[3], cells[5] = tiny, rng.choice(['0', tiny])
    else:
        cells[9], cells[10] = rng.choice([('180', '180'), ('0', '0'), ('180', '0')])
    cells[:] = [c.replace('.', sep) for c in cells]


def long_digits(rng, sep):
    """A number of hundreds or thousands of digits whose value is ordinary."""
    n = rng.randint(100, 3000)
    digits = str(rng.randint(1, 9)) + ''.join(rng.choice('0123456789') for _ in range(n))
    point = rng.randint(1, 3)
    return digits[:point] + sep + digits[point:] if rng.random() < 0.5 else \
        digits + 'E-' + str(n + 1 - point)


# Fixed runs after the defaults: the documented edge cases, then ill-conditioned
# runs (a leg of length zero, a bend folded back) whose results magnify the last
# rounding of single steps, e.g. a square taken as a plain product instead of pow.
FIXED = '''\
bend,0,377,9,20,10,90
bend,-70,377,9,20,10,90
bend,70,377,0,20,10,90
bend,70,377,9,20,0,90
bend,70,377,9,0,10,90
bend,70,377,9,20,10,180
bend,70,377,9,20,10,0
bend,70,377,9,0,10,0
bend,70.5,377,9,20,10,90
bend,71.5,377,9,20,10,90
bend,70,377,9,20,3E38,90
bend,513,589.97,48,5e-324,37,+0
offset,0,377,9,20,10,20,40,90
offset,70,377,0,20,10,20,40,90
offset,70,377,9,0,0,0,40,90
offset,70,377,9,20,10,0,40,90
offset,70,377,9,20,10,abc,40,90
offset,70,377,9,20,10,20,,90
offset,70,377,9,20,10,1E200,abc,90
offset,70,377,9,20,10,20,1E39,90
loop,-32747,377,9,20,10,15,10,20,50,90,90
loop,-32748,377,9,20,10,15,10,20,50,90,90
loop,-32748,377,9,20,10,15,10,20,abc,90,90
loop,-32748,377,9,20,10,abc,10,20,50,90,90
loop,20,377,9,20,10,15,10,20,50,90,90
loop,70,377,0,20,10,15,10,20,50,90,90
loop,70,377,9,0,0,0,0,0,50,90,90
loop,70,377,9,20,10,15,10,20,50,90.000001,90
loop,70,377,9,20,10,15,10,20,50,90,90.000001
loop,70,377,9,20,10,15,10,20,50,90,1.7E308
loop,70,377,9,20,10,1E200,10,abc,50,90,90
loop,70,377,9,20,10,1E200,abc,20,50,90,90
loop,70,377,9,20,10,15,10,20,0,90,90
loop,70,377,9,20,10,15,10,20,50,180,180
bend,-7,2E0,11.25,0.0,24.368,45.2
bend,63,294.2,1E38,21.396,42.365,128.440
bend,207,1087,7.68101E+01,29.7,12.60,180.0000001
bend,187.25,729.67,43.1,1e-9223372036854775809,30.992,44.4328
bend,38,424,12,1e-300,1.1,82.327
bend,280,534.0,39.86,1e-20,44.3,130.1109
bend,316.50,268.0,1.20,1,8,180
offset,519,21.14,32767.4,+53.41,41.5,21,111,1.473e+02
offset,469,1.17E+03,97.1,21.1,58.45,15.101,73.6,0
offset,294,540.4,1E30,54.5,53,3E+01,68.81,65.3053
loop,488,67,4.8,28.50,0.6,36.0,52.8,1E38,112.81,117.8,136.5
'''


def rows(n, seed, sep, only_ordinary=False):
    """n rows; only_ordinary: the defaults and ordinary runs alone, no edge
    cases, nearly singular or hostile fields (rows that describe a pipe run)."""
    rng = random.Random(seed)
    fixed = [[p] + d for p, d in DEFAULTS.items()]
    if not only_ordinary:
        fixed += [r.split(',') for r in FIXED.splitlines()]
    yield from ([c.replace('.', sep) for c in r] for r in fixed[:n])
    for _ in range(max(0, n - len(fixed))):
        panel = rng.choice(list(DEFAULTS))
        r = rng.random()
        cells = list(DEFAULTS[panel]) if r < 0.1 else ordinary(rng, panel, sep)
        if only_ordinary:
            yield [panel] + cells
            continue
        if r > 0.95:
            near_singular(rng, panel, cells, sep)
        r = rng.random()
        hits = 0 if r < 0.55 else 1 if r < 0.9 else 2
        for _ in range(hits):
            i = rng.randrange(len(cells))
            r = rng.random()
            if r < 0.45:
                text = rng.choice(HOSTILE)
                if sep != '.' and rng.random() < 0.5:
                    text = text.replace('.', sep)
            elif r < 0.9:
                text = rng.choice(SPECIAL[KINDS[panel][i]]).replace('.', sep)
            else:
                text = long_digits(rng, sep)
            cells[i] = text
        yield [panel] + cells


def write(out, n, seed, sep, crlf=False, only_ordinary=False):
    w = csv.writer(out, delimiter=';' if sep == ',' else ',',
                   lineterminator='\r\n' if crlf else '\n')
    for row in rows(n, seed, sep, only_ordinary):
        w.writerow(row)


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('--rows', type=int, default=3000)
    ap.add_argument('--seed', type=int, default=1)
    ap.add_argument('--decimal-comma', action='store_true')
    ap.add_argument('--crlf', action='store_true', help='end rows with CR LF')
    a = ap.parse_args()
    sys.stdout.reconfigure(newline='')
    write(sys.stdout, a.rows, a.seed, ',' if a.decimal_comma else '.', a.crlf)


if __name__ == '__main__':
    main()
