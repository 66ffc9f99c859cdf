#!/usr/bin/env python3
"""Checks quorvel-batch --guides against an independent analysis of the same
frame with guides, by another method: the displacement (stiffness) method.

Usage: check_guides.py --batch PATH_TO_quorvel-batch [--rows N] [--seed S]

For N random runs per panel (those of check_elbows.py), with sharp corners and
with elbows of 3D, and a guide distance drawn from 0.5 to 12 m (DISTANCES): the
run is a chain of Euler-Bernoulli beam elements (an arc as fine chords, k times
as flexible in bending), stiff along themselves, the pipe's free thermal growth
taken as moved supports: the far anchor moves by minus the growth between the
anchors, each guide across its leg by what its anchor moves across it (the
growth between an anchor and its guide runs along the leg). Each guide's node
has its own axes along and across its leg, the one across held. From the nodal
displacements: the reactions at both anchors and at the guides, the moments at
the points and the guides. Reactions and guide forces must agree within 0.1 %
or one unit of their last shown digit (with elbows, or 0.5 % of the run's
largest force: the chords' share), the ratios within 0.1 % or one unit of
theirs, the verdict where the governing ratio is not within 0.001 of 1, and a
leg without a guide must be named. Ends with
`N passed, M failed`.
"""
import argparse
import csv
import io
import math
import random
import subprocess
import sys

import check_elbows
from check_elbows import frame_of, rows, unit, with_elbows

CHORDS = 64         # per arc: a chord is shorter than its arc by 1 part in 24·CHORDS²/turn²
check_elbows.CHORDS = CHORDS  # fewer than there: each chord is a beam element here
# EA/EI in 1/m²: the legs are stiff along themselves; an elbow's chords less
# so, as their own stiffness across them is already high (the solve's rounding).
STIFF_ALONG, STIFF_ALONG_CHORD = 1e9, 1e6
S_ALLOWED = 80e6
DISTANCES = ('0.5', '1.5', '3', '4.5', '6', '9', '12')  # one run of quorvel-batch each


def beam(a, b, EI, f):
    """The 6×6 stiffness of an Euler-Bernoulli element from a to b in global
    axes (u, v, θ at each end), bending flexibility f times straight pipe's."""
    l = math.dist(a, b)
    c, s = (b[0] - a[0]) / l, (b[1] - a[1]) / l
    ei = EI / f
    ea, k12, k6, k4, k2 = EI * (STIFF_ALONG if f == 1 else STIFF_ALONG_CHORD) / l, 12 * ei / l ** 3, 6 * ei / l ** 2, 4 * ei / l, 2 * ei / l
    xx, xy, yy = ea * c * c + k12 * s * s, (ea - k12) * c * s, ea * s * s + k12 * c * c
    return [[xx, xy, -k6 * s, -xx, -xy, -k6 * s],
            [xy, yy, k6 * c, -xy, -yy, k6 * c],
            [-k6 * s, k6 * c, k4, k6 * s, -k6 * c, k2],
            [-xx, -xy, k6 * s, xx, xy, k6 * s],
            [-xy, -yy, -k6 * c, xy, yy, -k6 * c],
            [-k6 * s, k6 * c, k2, k6 * s, -k6 * c, k4]]


def solve_banded(K, rhs, band):
    """K·u = rhs for a symmetric positive definite K nonzero only within
    `band` of its diagonal, by elimination without pivoting."""
    n = len(rhs)
    K = [row[:] for row in K]
    u = rhs[:]
    for c in range(n):
        for r in range(c + 1, min(n, c + band + 1)):
            if K[r][c]:
                f = K[r][c] / K[c][c]
                for j in range(c, min(n, c + band + 1)):
                    K[r][j] -= f * K[c][j]
                u[r] -= f * u[c]
    for c in range(n - 1, -1, -1):
        u[c] = (u[c] - sum(K[c][j] * u[j] for j in range(c + 1, min(n, c + band + 1)))) / K[c][c]
    return u


def guides_of(p, g, cuts):
    """Each end leg's guide point and direction, or None: g from the bend's
    corner towards the anchor, on the straight part of the leg."""
    out = []
    for anchor, bend, cut in ((p[0], p[1], cuts[0]), (p[-1], p[-2], cuts[1])):
        if math.dist(anchor, bend) > g and cut <= g:
            d = unit(anchor, bend)
            out.append(((bend[0] - g * d[0], bend[1] - g * d[1]), unit(p[0], p[1]) if anchor == p[0]
                        else unit(p[-2], p[-1])))
        else:
            out.append(None)
    return out


def reference(panel, cells, g, times_D):
    """Reactions in the panel's results' order, ratios point by point, the
    two guides' (ratio, force) or None; None for elbows that do not fit."""
    p, D, t, EI, gx, gy = frame_of(panel, cells)
    k = i = 1
    cuts = [0, 0]
    if times_D:
        R = times_D * D
        r = (D - t) / 2
        h = t * R / r ** 2
        k, i = max(1, 1.65 / h), max(1, 0.9 / h ** (2 / 3))
        pts, flex, arcs, misfit = with_elbows(p, R, k)
        if misfit:
            return None
        turn = lambda a, b, c: abs(math.atan2(*reversed([sum(x * y for x, y in zip(unit(a, b), unit(b, c))),
                                                          unit(a, b)[0] * unit(b, c)[1] - unit(a, b)[1] * unit(b, c)[0]])))
        cuts = [R * math.tan(turn(p[0], p[1], p[2]) / 2), R * math.tan(turn(p[-3], p[-2], p[-1]) / 2)]
    else:
        pts, flex, arcs = list(p), [1] * (len(p) - 1), list(range(1, len(p) - 1))
    guides = guides_of(p, g, cuts)
    # The guide nodes into the first and the last straight piece.
    nodes, flexes, arc_at = list(pts), list(flex), list(arcs)
    guide_node = [None, None]
    if guides[0]:
        nodes.insert(1, guides[0][0])
        flexes.insert(0, 1)
        arc_at = [a + 1 for a in arc_at]
        guide_node[0] = 1
    if guides[1]:
        nodes.insert(len(nodes) - 1, guides[1][0])
        flexes.append(1)
        guide_node[1] = len(nodes) - 2
    n = len(nodes)
    far = p[-1]
    sx = gx / far[0] if far[0] else gx and math.nan or 0
    sy = gy / far[1] if far[1] else 0
    # Each guide node's axes: along its leg, across it (the leg's direction turned 90°).
    axes = {}
    for which in (0, 1):
        if guides[which]:
            d = guides[which][1]
            axes[guide_node[which]] = (d, (-d[1], d[0]))
    K = [[0.0] * (3 * n) for _ in range(3 * n)]
    for e in range(n - 1):
        ke = beam(nodes[e], nodes[e + 1], EI, flexes[e])
        for end, node in ((0, e), (1, e + 1)):      # a guide node's u, v into its own axes
            if node in axes:
                (ax, ay), (bx, by) = axes[node]
                o = 3 * end
                for row in ke:
                    row[o], row[o + 1] = row[o] * ax + row[o + 1] * ay, row[o] * bx + row[o + 1] * by
                ke[o], ke[o + 1] = ([ke[o][j] * ax + ke[o + 1][j] * ay for j in range(6)],
                                    [ke[o][j] * bx + ke[o + 1][j] * by for j in range(6)])
        for a in range(6):
            for b in range(6):
                K[3 * e + a][3 * e + b] += ke[a][b]
    held = {0: 0.0, 1: 0.0, 2: 0.0, 3 * n - 3: -gx, 3 * n - 2: -gy, 3 * n - 1: 0.0}
    for which in (0, 1):
        if guides[which]:
            G, (nx, ny) = guides[which][0], axes[guide_node[which]][1]
            held[3 * guide_node[which] + 1] = -(nx * sx * G[0] + ny * sy * G[1])
    rhs = [0.0] * (3 * n)
    Kf = [row[:] for row in K]
    for d, v in held.items():
        for r in range(3 * n):
            rhs[r] -= K[r][d] * v
            Kf[r][d] = Kf[d][r] = 0.0
        Kf[d][d] = 1.0
    for d, v in held.items():
        rhs[d] = v
    u = solve_banded(Kf, rhs, 5)
    react = {d: sum(K[d][j] * u[j] for j in range(max(0, d - 5), min(3 * n, d + 6))) for d in held}
    # The bending moment at each node: the end moment of the element starting there.
    moments = []
    for e in range(n - 1):
        ke = beam(nodes[e], nodes[e + 1], EI, flexes[e])
        ue = []
        for node in (e, e + 1):
            ux, uy, th = u[3 * node:3 * node + 3]
            if node in axes:
                (ax, ay), (bx, by) = axes[node]
                ux, uy = ux * ax + uy * bx, ux * ay + uy * by
            ue += [ux, uy, th]
        moments.append(sum(ke[2][j] * ue[j] for j in range(6)))
    moments.append(-react[3 * n - 1])
    Z = math.pi * (D ** 4 - (D - 2 * t) ** 4) / (32 * D)
    ratio = lambda m: abs(m) / Z / S_ALLOWED
    if times_D:
        bends = [i * max(ratio(m) for m in moments[a:a + CHORDS + 1]) for a in arc_at]
    else:
        bends = [ratio(moments[a]) for a in arc_at]
    ratios = [ratio(moments[0])] + bends + [ratio(moments[-1])]
    M1, Fx, Fy = react[2], react[0], react[1]
    sign = -1 if panel == 'loop' else 1
    reactions = [M1, Fx * sign, Fy] if panel == 'bend' else [M1, moments[-1], Fx * sign, Fy]
    at_guides = [(ratio(moments[guide_node[w]]), react[3 * guide_node[w] + 1]) if guides[w] else None
                 for w in (0, 1)]
    return reactions, ratios, at_guides


def check(tally, panel, row, got, g, times_D):
    ref = reference(panel, row[1:], g, times_D)
    where = '%s --guides %s%s' % (','.join(row), g, ' --elbows %gD' % times_D if times_D else '')
    if ref is None:
        tally(got[-1].startswith('does not fit'), '%s: %s, expected does not fit' % (where, got[-1]))
        return
    reactions, ratios, at_guides = ref
    n, m = len(reactions), len(ratios)
    # With elbows the reference's chords carry up to 0.5 % of the run's
    # largest reaction into its smaller ones (its 32, 64 and 128 chords move
    # them that much): those are judged against that share of the largest.
    largest = max(abs(v) for v in reactions + [f for g_ in at_guides if g_ for f in g_[1:]])
    slack = 5e-3 * largest if times_D else 0
    force = lambda cell, want: abs(float(cell) * 10 - want) <= max(1e-3 * abs(want), 1, slack)
    for cell, want in zip(got[:n], reactions):
        tally(force(cell, want), '%s: reaction %s, expected %.1f' % (where, cell, want / 10))
    for cell, want in zip(got[n:n + m], ratios):
        tally(abs(float(cell) - want) <= max(0.01, 1e-3 * want), '%s: ratio %s, expected %.4f' % (where, cell, want))
    legs = (1, len(ratios) - 1)
    missing = ' and '.join('L%d' % legs[w] for w in (0, 1) if not at_guides[w])
    tally(got[-1] == ('no guide ' + missing if missing else ''), '%s: %r, expected no guide %s' % (where, got[-1], missing))
    judged = list(ratios)
    for w in (0, 1):
        ratio_cell, force_cell = got[n + m + w], got[n + m + 2 + w]
        if not at_guides[w]:
            tally(ratio_cell == force_cell == '', '%s: guide %d cells %s %s' % (where, w + 1, ratio_cell, force_cell))
            continue
        r, f = at_guides[w]
        judged.append(r)
        tally(abs(float(ratio_cell) - r) <= max(0.01, 1e-3 * r) and force(force_cell, f),
              '%s: guide %d %s %s, expected %.4f %.1f' % (where, w + 1, ratio_cell, force_cell, r, f / 10))
    governing = max(judged)
    tally(abs(float(got[-3]) - governing) <= max(0.001, 1e-3 * governing), '%s: governing %s, expected %.4f' % (where, got[-3], governing))
    if abs(governing - 1) > 0.001:
        tally(got[-2] == ('exceeds' if governing > 1 else 'passes'), '%s: verdict %s' % (where, got[-2]))


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('--batch', required=True)
    ap.add_argument('--rows', type=int, default=200, help='runs per panel')
    ap.add_argument('--seed', type=int, default=20261208)
    a = ap.parse_args()
    rng = random.Random(a.seed)
    data = list(rows(a.rows, rng))
    distances = [rng.choice(DISTANCES) for _ in data]
    counts = [0, 0]

    def tally(ok, msg):
        counts[0 if ok else 1] += 1
        if not ok and counts[1] <= 8:
            print(msg)

    for times_D in (0, 3):
        groups = {}
        for row, g in zip(data, distances):
            groups.setdefault(g, []).append(row)
        for g, group in groups.items():
            s = io.StringIO()
            csv.writer(s, lineterminator='\n').writerows(group)
            args = [a.batch, '--guides', g] + (['--elbows', '%gD' % times_D] if times_D else [])
            p = subprocess.run(args, input=s.getvalue().encode(), capture_output=True)
            out = list(csv.reader(io.StringIO(p.stdout.decode())))
            tally(p.returncode == 0 and len(out) == len(group), '%s: status %d, %d rows' % (args, p.returncode, len(out)))
            for row, got in zip(group, out):
                results = {'bend': 6, 'offset': 8, 'loop': 10}[row[0]]
                skip = len(row) + 1 + results + (results + 4 if times_D else 0)
                check(tally, row[0], row, got[skip:], float(g), times_D)
    print('%d passed, %d failed' % tuple(counts))
    return 1 if counts[1] else 0


if __name__ == '__main__':
    sys.exit(main())
