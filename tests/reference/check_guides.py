#!/usr/bin/env python3
"""Checks quorvel-batch --guides against an independent analysis of the same
frame with guides, by another method: the displacement (stiffness) method.

Usage: check_guides.py --batch PATH_TO_quorvel-batch [--rows N] [--seed S]

For N random runs per panel (those of check_elbows.py), with sharp corners and
with elbows of 3D, and a guide distance drawn from 0.5 to 12 m (DISTANCES): the
run is a chain of Euler-Bernoulli beam elements stiff along themselves, an
elbow one curved element k times as flexible in bending, its flexibility as a
cantilever integrated by Gauss-Legendre quadrature and turned into the
stiffness of both ends by equilibrium; the pipe's free thermal growth is taken
as moved supports: the far anchor moves by minus the growth between the
anchors, each guide across its leg by what its anchor moves across it (the
growth between an anchor and its guide runs along the leg). Each guide's node
has its own axes along and across its leg, the one across held. From the nodal
displacements: the reactions at both anchors and at the guides, the moments at
the points and the guides (along an arc by statics from its end, at 2000
points). Reactions and guide forces must agree within 0.1 % or one unit of
their last shown digit, the ratios within 0.1 % or one unit of theirs, the
verdict where the governing ratio is not within 0.001 of 1, and a leg without a
guide must be named; where the inputs describe no pipe (the generated L of an
offset or loop can be 0 or less) no governing ratio and the verdict invalid.
Ends with `N passed, M failed`.
"""
import math
import random
import sys

from check_elbows import Tally, arguments, check_verdict, frame_of, rows, run_batch, unit
import quorvel_ref  # the rule for inputs that describe no pipe (check_elbows puts it on the path)

# Gauss-Legendre points and weights on [-1, 1]: exact for the arcs' trigonometric integrands of low degree.
GAUSS = [(-0.9815606342467192, 0.04717533638651183), (-0.9041172563704749, 0.10693932599531843),
         (-0.7699026741943047, 0.16007832854334622), (-0.5873179542866175, 0.20316742672306592),
         (-0.3678314989981802, 0.2334925365383548), (-0.1252334085114689, 0.24914704581340277),
         (0.1252334085114689, 0.24914704581340277), (0.3678314989981802, 0.2334925365383548),
         (0.5873179542866175, 0.20316742672306592), (0.7699026741943047, 0.16007832854334622),
         (0.9041172563704749, 0.10693932599531843), (0.9815606342467192, 0.04717533638651183)]
SAMPLES = 2000      # points along an arc where its largest moment is sought
# EA/(l·EI), 1/m³: every element as stiff along itself, however short (the
# solve's rounding grows with the spread of the stiffnesses), and stiff enough
# to leave the frame bending only.
STIFF_ALONG = 1e7
S_ALLOWED = 80e6
DISTANCES = ('0.5', '1.5', '3', '4.5', '6', '9', '12')  # one run of quorvel-batch each


def beam(a, b, EI, f):
    """The 6×6 stiffness of an Euler-Bernoulli element from a to b in global
    axes (u, v, θ at each end), bending flexibility f times straight pipe's."""
    l = math.dist(a, b)
    c, s = (b[0] - a[0]) / l, (b[1] - a[1]) / l
    ei = EI / f
    ea, k12, k6, k4, k2 = EI * STIFF_ALONG, 12 * ei / l ** 3, 6 * ei / l ** 2, 4 * ei / l, 2 * ei / l
    xx, xy, yy = ea * c * c + k12 * s * s, (ea - k12) * c * s, ea * s * s + k12 * c * c
    return [[xx, xy, -k6 * s, -xx, -xy, -k6 * s],
            [xy, yy, k6 * c, -xy, -yy, k6 * c],
            [-k6 * s, k6 * c, k4, k6 * s, -k6 * c, k2],
            [-xx, -xy, k6 * s, xx, xy, k6 * s],
            [-xy, -yy, -k6 * c, xy, yy, -k6 * c],
            [-k6 * s, k6 * c, k2, k6 * s, -k6 * c, k4]]


def solve_banded(K, rhs):
    """K·u = rhs for a symmetric positive definite K whose rows are dicts of
    their nonzero columns, all near the diagonal, by elimination without
    pivoting."""
    n = len(rhs)
    K = [dict(row) for row in K]
    u = rhs[:]
    for c in range(n):
        pivot = K[c][c]
        below = {j: v for j, v in K[c].items() if j > c}
        for r in below:
            f = K[r].get(c, 0.0) / pivot
            if f:
                row = K[r]
                for j, v in below.items():
                    row[j] = row.get(j, 0.0) - f * v
                u[r] -= f * u[c]
    for c in range(n - 1, -1, -1):
        u[c] = (u[c] - sum(v * u[j] for j, v in K[c].items() if j > c)) / K[c][c]
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


def arc_stiffness(a, b, c, start, sweep, R, EI, k):
    """The 6×6 stiffness of an arc of radius R about c from a (angle start)
    to b (start + sweep), k times as flexible as straight pipe: its
    flexibility as a cantilever from a, by Gauss-Legendre quadrature, turned
    into the stiffness of both ends by equilibrium."""
    F = [[0.0] * 3 for _ in range(3)]
    for x, w in GAUSS:
        phi = start + sweep * (x + 1) / 2
        r = (c[0] + R * math.cos(phi), c[1] + R * math.sin(phi))
        unit_m = (-(b[1] - r[1]), b[0] - r[0], 1.0)   # m(r) for a unit Fx, Fy, M at b
        ds = abs(sweep) / 2 * R * w
        for i in range(3):
            for j in range(3):
                F[i][j] += k / EI * unit_m[i] * unit_m[j] * ds
    Kbb = inverse3(F)
    d = (b[0] - a[0], b[1] - a[1])
    gamma = [[1, 0, 0], [0, 1, 0], [-d[1], d[0], 1]]   # forces at b to those at a
    mul = lambda A, B: [[sum(A[i][m] * B[m][j] for m in range(3)) for j in range(3)] for i in range(3)]
    tr = lambda A: [list(r) for r in zip(*A)]
    Kab = [[-v for v in row] for row in mul(gamma, Kbb)]
    Kaa = mul(mul(gamma, Kbb), tr(gamma))
    Kba = tr(Kab)
    return [Kaa[i] + Kab[i] for i in range(3)] + [Kba[i] + Kbb[i] for i in range(3)]


def inverse3(A):
    det = (A[0][0] * (A[1][1] * A[2][2] - A[1][2] * A[2][1]) - A[0][1] * (A[1][0] * A[2][2] - A[1][2] * A[2][0])
           + A[0][2] * (A[1][0] * A[2][1] - A[1][1] * A[2][0]))
    cof = lambda i, j: ((A[(j + 1) % 3][(i + 1) % 3] * A[(j + 2) % 3][(i + 2) % 3])
                        - (A[(j + 1) % 3][(i + 2) % 3] * A[(j + 2) % 3][(i + 1) % 3]))
    return [[cof(i, j) / det for j in range(3)] for i in range(3)]


def elbows_of(p, R):
    """Each bend's arc (a, b, centre, start angle, sweep), and the first leg
    its elbows overrun, or 0."""
    arcs, cut = [], [0.0] * len(p)
    for j in range(1, len(p) - 1):
        u, w = unit(p[j - 1], p[j]), unit(p[j], p[j + 1])
        turn = math.atan2(u[0] * w[1] - u[1] * w[0], u[0] * w[0] + u[1] * w[1])
        cut[j] = R * math.tan(abs(turn) / 2)
        a = (p[j][0] - cut[j] * u[0], p[j][1] - cut[j] * u[1])
        b = (p[j][0] + cut[j] * w[0], p[j][1] + cut[j] * w[1])
        side = 1 if turn > 0 else -1
        c = (a[0] - side * R * u[1], a[1] + side * R * u[0])
        arcs.append((a, b, c, math.atan2(a[1] - c[1], a[0] - c[0]), turn))
    misfit = next((j + 1 for j in range(len(p) - 1) if cut[j] + cut[j + 1] > math.dist(p[j], p[j + 1])), 0)
    return arcs, cut, misfit


def reference(panel, cells, g, times_D):
    """Reactions in the panel's results' order, ratios point by point, the
    two guides' (ratio, force) or None; None for elbows that do not fit."""
    p, D, t, EI, gx, gy = frame_of(panel, cells)
    k = i = 1
    R = times_D * D
    # The chain of nodes and the elements between them: ('line',) or ('arc', c, start, sweep).
    nodes, kinds = [p[0]], []
    cuts = [0, 0]
    if times_D:
        r = (D - t) / 2
        h = t * R / r ** 2
        k, i = max(1, 1.65 / h), max(1, 0.9 / h ** (2 / 3))
        arcs, cut, misfit = elbows_of(p, R)
        if misfit:
            return None
        cuts = [cut[1], cut[-2]]
        for a, b, c, start, sweep in arcs:
            nodes += [a, b]
            kinds += [('line',), ('arc', c, start, sweep)]
    else:
        nodes += p[1:-1]
        kinds += [('line',)] * (len(p) - 2)
    nodes.append(p[-1])
    kinds.append(('line',))
    guides = guides_of(p, g, cuts)
    guide_node = [None, None]
    if guides[0]:
        nodes.insert(1, guides[0][0])
        kinds.insert(0, ('line',))
        guide_node[0] = 1
    if guides[1]:
        nodes.insert(len(nodes) - 1, guides[1][0])
        kinds.append(('line',))
        guide_node[1] = len(nodes) - 2
    n = len(nodes)
    far = p[-1]
    sx = gx / far[0] if far[0] else 0
    sy = gy / far[1] if far[1] else 0
    # Each guide node's axes: along its leg, across it (the leg's direction turned 90°).
    axes = {}
    for which in (0, 1):
        if guides[which]:
            d = guides[which][1]
            axes[guide_node[which]] = (d, (-d[1], d[0]))
    K = [{} for _ in range(3 * n)]
    raw = []
    for e in range(n - 1):
        kind = kinds[e]
        if kind[0] == 'line':
            ke = beam(nodes[e], nodes[e + 1], EI, 1)
        else:
            ke = arc_stiffness(nodes[e], nodes[e + 1], kind[1], kind[2], kind[3], R, EI, k)
        raw.append([row[:] for row in ke])
        for end, node in ((0, e), (1, e + 1)):      # a guide node's u, v into its own axes
            if node in axes:
                (ax, ay), (bx, by) = axes[node]
                o = 3 * end
                for row in ke:
                    row[o], row[o + 1] = row[o] * ax + row[o + 1] * ay, row[o] * bx + row[o + 1] * by
                ke[o], ke[o + 1] = ([ke[o][j] * ax + ke[o + 1][j] * ay for j in range(6)],
                                    [ke[o][j] * bx + ke[o + 1][j] * by for j in range(6)])
        for a in range(6):
            row = K[3 * e + a]
            for b in range(6):
                row[3 * e + b] = row.get(3 * e + b, 0.0) + ke[a][b]
    held = {0: 0.0, 1: 0.0, 2: 0.0, 3 * n - 3: -gx, 3 * n - 2: -gy, 3 * n - 1: 0.0}
    for which in (0, 1):
        if guides[which]:
            G, (nx, ny) = guides[which][0], axes[guide_node[which]][1]
            held[3 * guide_node[which] + 1] = -(nx * sx * G[0] + ny * sy * G[1])
    rhs = [0.0] * (3 * n)
    Kf = [dict(row) for row in K]
    for d, v in held.items():
        for r in K[d]:
            rhs[r] -= K[r][d] * v
            Kf[r].pop(d, None)
        Kf[d] = {d: 1.0}
    for d, v in held.items():
        rhs[d] = v
    u = solve_banded(Kf, rhs)
    react = {d: sum(v * u[j] for j, v in K[d].items()) for d in held}
    # What each element's start node puts on it: the moment there is the
    # bending moment (the moment of everything upstream); along an arc it
    # follows by statics.
    starts = []
    for e in range(n - 1):
        ue = []
        for node in (e, e + 1):
            ux, uy, th = u[3 * node:3 * node + 3]
            if node in axes:
                (ax, ay), (bx, by) = axes[node]
                ux, uy = ux * ax + uy * bx, ux * ay + uy * by
            ue += [ux, uy, th]
        starts.append([sum(raw[e][row][j] * ue[j] for j in range(6)) for row in range(3)])
    moments = [f[2] for f in starts] + [-react[3 * n - 1]]
    Z = math.pi * (D ** 4 - (D - 2 * t) ** 4) / (32 * D)
    ratio = lambda m: abs(m) / Z / S_ALLOWED
    bends = []
    for e, kind in enumerate(kinds):
        if kind[0] == 'arc':
            (ax_, ay_), (fx, fy, ma) = nodes[e], starts[e]
            c, start, sweep = kind[1:]
            along = [(c[0] + R * math.cos(start + sweep * s / SAMPLES), c[1] + R * math.sin(start + sweep * s / SAMPLES))
                     for s in range(SAMPLES + 1)]
            bends.append(i * max(ratio(ma + (ax_ - x) * fy - (ay_ - y) * fx) for x, y in along))
    if not times_D:
        bends = [ratio(moments[nodes.index(q)]) for q in p[1:-1]]
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
    pipe = quorvel_ref.describes_a_pipe(panel, row[1:], '.')
    if not pipe:
        tally(got[-2] == 'invalid' and got[-3] == '', '%s: %s, expected no ratio and invalid' % (where, got[-3:-1]))
    if ref is None:
        tally(got[-1].startswith('does not fit'), '%s: %s, expected does not fit' % (where, got[-1]))
        return
    reactions, ratios, at_guides = ref
    n, m = len(reactions), len(ratios)
    force = lambda cell, want: abs(float(cell) * 10 - want) <= max(1e-3 * abs(want), 1)
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
    if pipe:
        check_verdict(tally, where, got[-3:-1], max(judged), max(0.001, 1e-3 * max(judged)))


def main():
    a = arguments(__doc__)
    rng = random.Random(a.seed)
    data = list(rows(a.rows, rng))
    distances = [rng.choice(DISTANCES) for _ in data]
    tally = Tally()
    for times_D in (0, 3):
        groups = {}
        for row, g in zip(data, distances):
            groups.setdefault(g, []).append(row)
        for g, group in groups.items():
            args = [a.batch, '--guides', g] + (['--elbows', '%gD' % times_D] if times_D else [])
            status, out = run_batch(args, group)
            tally(status == 0 and len(out) == len(group), '%s: status %d, %d rows' % (args, status, len(out)))
            for row, got in zip(group, out):
                results = {'bend': 6, 'offset': 8, 'loop': 10}[row[0]]
                skip = len(row) + 1 + results + (results + 4 if times_D else 0)
                check(tally, row[0], row, got[skip:], float(g), times_D)
    return tally.result()

if __name__ == '__main__':
    sys.exit(main())
