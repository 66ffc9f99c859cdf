#!/usr/bin/env python3
"""Checks quorvel-batch --elbows against an independent analysis of the same
frame with elbows.

Usage: check_elbows.py --batch PATH_TO_quorvel-batch [--rows N] [--seed S]

For N random runs per panel (DN50 to DN600, 50 to 400 degrees, legs of 2 to
30 m, bends of 45 to 135 degrees) and the radii 1.5D and 3D: the run's frame
from its input texts, each bend replaced by a fine polyline along its arc
whose segments are k times as flexible as straight pipe, solved by the force
method; then the reactions must agree within 0.1 % or one unit of their last
shown digit, k, i and the ratios within one unit of their last digit, the
verdict where the governing ratio is not within that unit of 1, and an elbow
that does not fit must name the same leg; where the inputs describe no pipe
(the generated L of an offset or loop can be 0 or less) no governing ratio
and the verdict invalid.  Ends with `N passed, M failed`.
"""
import argparse
import csv
import io
import math
import random
import os
import struct
import subprocess
import sys

sys.dont_write_bytecode = True      # leave the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import quorvel_ref       # noqa: E402  the rule for inputs that describe no pipe

CHORDS = 128        # per arc: a chord is shorter than its arc by 1 part in 24·CHORDS²/turn²
E = 1.96e11


def f32(x):
    return struct.unpack('f', struct.pack('f', x))[0]


def expansion(panel, T):
    """The free expansion per metre, one law for every panel."""
    return T * T * 0.005259 / 1e6 + T * 0.011182 / 1000


def frame_of(panel, cells):
    """(points, D, t in m, EI, growth along x, growth across) of a row."""
    T = int(cells[0])
    D, t = f32(f32(float(cells[1])) / 1000), f32(f32(float(cells[2])) / 1000)
    tilt = lambda a: (a - 90) * 3.1415926 / 180
    if panel == 'bend':
        L1, L2, al = (f32(float(c)) for c in cells[3:6])
        th = f32(tilt(al))
        p = [(0, 0), (L1, 0), (L1 + L2 * math.sin(th), L2 * math.cos(th))]
        along = p[2][0]
    elif panel == 'offset':
        L1, L2 = f32(float(cells[3])), f32(float(cells[4]))
        L3, along = float(cells[5]), float(cells[6])
        th = f32(tilt(f32(float(cells[7]))))
        x3, y3 = L1 + L2 * math.sin(th), L2 * math.cos(th)
        p = [(0, 0), (L1, 0), (x3, y3), (x3 + L3, y3)]
    else:
        L1, L2 = f32(float(cells[3])), f32(float(cells[4]))
        L3, L4, L5, along = (float(c) for c in cells[5:9])
        th, ph = tilt(f32(float(cells[9]))), tilt(float(cells[10]))
        x3, y3 = L1 + L2 * math.sin(th), L2 * math.cos(th)
        x5, y5 = x3 + L3 + L4 * math.sin(ph), y3 - L4 * math.cos(ph)
        p = [(0, 0), (L1, 0), (x3, y3), (x3 + L3, y3), (x5, y5), (x5 + L5, y5)]
    pi = 3.14159 if panel == 'loop' else 3.1415926
    EI = E * (D ** 4 - (D - 2 * t) ** 4) * pi / 64
    e = expansion(panel, T)
    return p, D, t, EI, e * along, e * p[-1][1]


def unit(a, b):
    l = math.hypot(b[0] - a[0], b[1] - a[1])
    return ((b[0] - a[0]) / l, (b[1] - a[1]) / l)


def with_elbows(p, R, k):
    """The fine polyline, each segment's flexibility, each arc's point indices,
    and the first leg (1 for L1) its elbows overrun, or 0."""
    pts, flex, arcs, cut_in, cut_out = [p[0]], [], [], [0] * len(p), [0] * len(p)
    for j in range(1, len(p) - 1):
        u, w = unit(p[j - 1], p[j]), unit(p[j], p[j + 1])
        turn = math.atan2(u[0] * w[1] - u[1] * w[0], u[0] * w[0] + u[1] * w[1])
        cut_in[j] = cut_out[j] = R * math.tan(abs(turn) / 2)
        a = (p[j][0] - cut_in[j] * u[0], p[j][1] - cut_in[j] * u[1])
        side = 1 if turn > 0 else -1
        c = (a[0] - side * R * u[1], a[1] + side * R * u[0])
        start = math.atan2(a[1] - c[1], a[0] - c[0])
        flex.append(1)
        arcs.append(len(pts))
        for i in range(CHORDS + 1):
            ang = start + turn * i / CHORDS
            pts.append((c[0] + R * math.cos(ang), c[1] + R * math.sin(ang)))
            if i:
                flex.append(k)
    pts.append(p[-1])
    flex.append(1)
    misfit = next((j + 1 for j in range(len(p) - 1)
                   if cut_out[j] + cut_in[j + 1] > math.dist(p[j], p[j + 1])), 0)
    return pts, flex, arcs, misfit


def det3(a):
    return (a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0])
            + a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]))


def solve(pts, flex, EI, gx, gy):
    """M1, Fx, Fy with m = M1 - Fy*x + Fx*y: the first end released, its
    rotation ∫m ds/EI zero and its movement (∫m y, -∫m x)/EI the free growth."""
    s = sx = sy = sxx = sxy = syy = 0.0
    for (ax, ay), (bx, by), f in zip(pts, pts[1:], flex):
        l = math.hypot(bx - ax, by - ay) * f
        s += l
        sx += l * (ax + bx) / 2
        sy += l * (ay + by) / 2
        sxx += l * (ax * ax + ax * bx + bx * bx) / 3
        syy += l * (ay * ay + ay * by + by * by) / 3
        sxy += l * (2 * ax * ay + ax * by + bx * ay + 2 * bx * by) / 6
    a = [[s, sy, -sx], [sy, syy, -sxy], [-sx, -sxy, sxx]]
    rhs = [0, EI * gx, EI * gy]
    d = det3(a)
    return [det3([[rhs[r] if c == col else a[r][c] for c in range(3)] for r in range(3)]) / d for col in range(3)]


def reference(panel, cells, times_D):
    """(k, i, reactions in the panel's results' order, ratios point by point, misfit)."""
    p, D, t, EI, gx, gy = frame_of(panel, cells)
    R = times_D * D
    r = (D - t) / 2
    h = t * R / r ** 2
    k, i = max(1, 1.65 / h), max(1, 0.9 / h ** (2 / 3))
    pts, flex, arcs, misfit = with_elbows(p, R, k)
    if misfit:
        return k, i, None, None, misfit
    M1, Fx, Fy = solve(pts, flex, EI, gx, gy)
    m = [M1 - Fy * x + Fx * y for x, y in pts]
    Z = math.pi * (D ** 4 - (D - 2 * t) ** 4) / (32 * D)
    S = 80e6
    ratios = [abs(m[0]) / Z / S] + [i * max(abs(v) for v in m[a:a + CHORDS + 1]) / Z / S for a in arcs]
    ratios.append(abs(m[-1]) / Z / S)
    sign = -1 if panel == 'loop' else 1     # the loop counts Fx the other way
    reactions = [M1, Fx * sign, Fy] if panel == 'bend' else [M1, m[-1], Fx * sign, Fy]
    return k, i, reactions, ratios, 0


def text(v):
    return ('%.6f' % v).rstrip('0').rstrip('.')


def rows(n, rng):
    for panel in ('bend', 'offset', 'loop'):
        for _ in range(n):
            D = rng.uniform(57, 630)
            cells = [str(rng.randint(50, 400)), text(D), text(rng.uniform(D / 80, D / 15))]
            leg = lambda: rng.uniform(2, 30)
            tilt = lambda a: (a - 90) * 3.1415926 / 180
            angle = lambda: rng.uniform(45, 135)
            if panel == 'bend':
                cells += [text(leg()), text(leg()), text(angle())]
            elif panel == 'offset':
                l1, l2, l3, al = leg(), leg(), leg(), angle()
                cells += [text(v) for v in (l1, l2, l3, l1 + l2 * math.sin(tilt(al)) + l3, al)]
            else:
                l1, l2, l3, l4, l5, al, be = leg(), leg(), leg(), leg(), leg(), angle(), angle()
                L = l1 + l2 * math.sin(tilt(al)) + l3 + l4 * math.sin(tilt(be)) + l5
                cells += [text(v) for v in (l1, l2, l3, l4, l5, L, al, be)]
            yield [panel] + cells


def check(tally, panel, row, got, times_D):
    k, i, reactions, ratios, misfit = reference(panel, row[1:], times_D)
    where = '%s --elbows %gD' % (','.join(row), times_D)
    pipe = quorvel_ref.describes_a_pipe(panel, row[1:], '.')    # an L of 0 or less: no verdict
    if not pipe:
        tally(got[-1] == 'invalid' and got[-2] == '', '%s: %s, expected no ratio and invalid' % (where, got[-2:]))
        if misfit:
            return
    elif misfit or got[-1].startswith('does not fit'):
        tally(got[-1] == 'does not fit L%d' % misfit, '%s: %s, expected leg %d' % (where, got[-1], misfit))
        return
    n = len(reactions)
    tally(abs(float(got[0]) - k) <= 0.01 and abs(float(got[1]) - i) <= 0.01, '%s: k, i %s' % (where, got[:2]))
    for g, want in zip(got[2:2 + n], reactions):
        tally(abs(float(g) * 10 - want) <= max(1e-3 * abs(want), 1), '%s: reaction %s, expected %.1f'
              % (where, g, want / 10))
    for g, want in zip(got[2 + n:-2], ratios):
        tally(abs(float(g) - want) <= 0.01, '%s: ratio %s, expected %.4f' % (where, g, want))
    if pipe:
        check_verdict(tally, where, got[-2:], max(ratios), 0.001)


def check_verdict(tally, where, cells, governing, tolerance):
    """The governing ratio and verdict cells against the reference's governing
    ratio; the verdict only where the ratio is not within its tolerance of 1."""
    tally(abs(float(cells[0]) - governing) <= tolerance, '%s: governing %s, expected %.4f' % (where, cells[0], governing))
    if abs(governing - 1) > 0.001:
        tally(cells[1] == ('exceeds' if governing > 1 else 'passes'), '%s: verdict %s' % (where, cells[1]))


class Tally:
    """Counts the comparisons, printing the first few that fail."""

    def __init__(self):
        self.passed = self.failed = 0

    def __call__(self, ok, msg):
        if ok:
            self.passed += 1
            return
        self.failed += 1
        if self.failed <= 8:
            print(msg)

    def result(self):
        print('%d passed, %d failed' % (self.passed, self.failed))
        return 1 if self.failed else 0


def arguments(doc, extra=(), rows=300):
    """The command line every check takes: the batch tool, runs per panel, seed."""
    ap = argparse.ArgumentParser(description=doc)
    ap.add_argument('--batch', required=True)
    ap.add_argument('--rows', type=int, default=rows, help='runs per panel')
    ap.add_argument('--seed', type=int, default=20261208)
    for name, kw in extra:
        ap.add_argument(name, **kw)
    return ap.parse_args()


def run_batch(args, data):
    """The batch tool's exit status and output rows for the input rows."""
    s = io.StringIO()
    csv.writer(s, lineterminator='\n').writerows(data)
    p = subprocess.run(args, input=s.getvalue().encode(), capture_output=True)
    return p.returncode, list(csv.reader(io.StringIO(p.stdout.decode())))


def main():
    a = arguments(__doc__)
    data = list(rows(a.rows, random.Random(a.seed)))
    tally = Tally()
    for times_D, option in ((1.5, '1.5D'), (3, '3D')):
        status, out = run_batch([a.batch, '--elbows', option], data)
        tally(status == 0 and len(out) == len(data), '--elbows %s: status %d, %d rows' % (option, status, len(out)))
        for row, got in zip(data, out):
            results = {'bend': 6, 'offset': 8, 'loop': 10}[row[0]]
            check(tally, row[0], row, got[len(row) + 1 + results:], times_D)
    return tally.result()

if __name__ == '__main__':
    sys.exit(main())
