#!/usr/bin/env python3
"""Checks quorvel-batch --guides against CalculiX (ccx), a finite-element
program of its own: the same frames with sharp corners, as B31 beams.

Usage: check_guides_ccx.py --batch PATH_TO_quorvel-batch [--rows N] [--seed S]
                           [--ccx ccx]

For N random runs per panel (those of check_elbows.py) and guides from 1.5
to 6 m, at least a metre from their anchors, every run is one frame of a
single ccx deck, apart from the others: the pipe's legs as B31 beams of a
small square section, 64 to a straight piece and again 32, extrapolated as
the error falls with the square of the beams' length, heated by *EXPANSION
with the run's free expansion per metre. The section is small so that the
beams' own shear and stretching (which the panels' frames leave out) stay
below 0.01 %; the frame being linear, its forces are scaled from the
section's EI to the run's. An anchor is a pin at the anchor and a pin across
the leg at the end of a stub one metre behind it, stiff (a section ten times
as large): a pin leaves the section free, so the forces ccx reports there are
those the supports take (at a clamped beam node its reported forces are not);
the anchor's moment is the stub's couple. A guide is a single-point
constraint across its leg (the bend's inclined L2 by *TRANSFORM).
The reactions at both anchors, the guide forces and, by statics from them,
the moments and ratios at the points and the guides must agree with
quorvel-batch within 0.5 % of the value or 0.1 % of the run's largest force
(TOLERANCE), or one unit of the last shown digit: ccx's beams are expanded
into solid elements whose answer, extrapolated from two meshes, still differs
from the slender frame by a few tenths of a per cent, and on a few runs
(short steep legs of a thick pipe) ccx does not balance its own supports.
Ends with `N passed, M failed`, or says that ccx is
missing. Not part of the test suite: the frames with guides are checked there
by check_guides.py; this is the comparison with a program of another origin.
"""
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile

from check_elbows import Tally, arguments, frame_of, rows, run_batch, unit

PER_PIECE = 64           # B31 elements on each straight piece (and half as many)
SECTION = 0.01           # m, the side of the square section
TOLERANCE = 5e-3         # of a value: ccx's beams (module docstring)
MODULUS = 2e11           # Pa: the forces are scaled to the run's EI afterwards
STUB = 1.0               # m behind each anchor
DISTANCES = ('1.5', '3', '4.5', '6')
S_ALLOWED = 80e6


def cross(a, b):
    return a[0] * b[1] - a[1] * b[0]


class Deck:
    """Frames of one ccx deck, each with its own nodes, elements and sets."""

    def __init__(self, per_piece):
        self.per_piece = per_piece
        self.nodes, self.pipe, self.stubs, self.lines, self.temps = [], [], [], [], []
        self.frames = []

    def node(self, p):
        self.nodes.append(p)
        return len(self.nodes)

    def piece(self, i, j, into):
        (x0, y0), (x1, y1) = self.nodes[i - 1], self.nodes[j - 1]
        prev = i
        n = self.per_piece
        for k in range(1, n + 1):
            q = j if k == n else self.node((x0 + (x1 - x0) * k / n, y0 + (y1 - y0) * k / n))
            into.append((prev, q))
            prev = q

    def frame(self, p, EI, e, guides, offset):
        """The run's points p, its guides [(point, leg direction) or None]; the
        frame is placed `offset` metres up, apart from the others."""
        at = lambda q: (q[0], q[1] + offset)
        P = [self.node(at(q)) for q in p]
        t1, t2 = unit(p[0], p[1]), unit(p[-2], p[-1])
        S = [self.node(at((p[0][0] - STUB * t1[0], p[0][1] - STUB * t1[1]))),
             self.node(at((p[-1][0] + STUB * t2[0], p[-1][1] + STUB * t2[1])))]
        G = [self.node(at(g[0])) if g else None for g in guides]
        elements = []
        chain = [P[0]] + ([G[0]] if G[0] else []) + P[1:-1] + ([G[1]] if G[1] else []) + [P[-1]]
        for a, b in zip(chain, chain[1:]):
            self.piece(a, b, elements)
        stubs = [(S[0], P[0]), (P[-1], S[1])]
        self.frames.append({'P': P, 'S': S, 'G': G, 'elements': elements, 'stubs': stubs, 'EI': EI, 'e': e,
                            't': (t1, t2), 'guides': guides})

    def text(self):
        out = ['*NODE'] + ['%d, %.15g, %.15g, 0' % (i + 1, x, y) for i, (x, y) in enumerate(self.nodes)]
        number = 0
        for f, frame in enumerate(self.frames):
            for kind, elements in (('PIPE', frame['elements']), ('STUB', frame['stubs'])):
                out.append('*ELEMENT, TYPE=B31, ELSET=%s%d' % (kind, f))
                for a, b in elements:
                    number += 1
                    out.append('%d, %d, %d' % (number, a, b))
        out += ['*NSET, NSET=ALL'] + ['%d,' % (i + 1) for i in range(len(self.nodes))]
        I = SECTION ** 4 / 12
        transforms, boundary = [], []
        for f, frame in enumerate(self.frames):
            out += ['*MATERIAL, NAME=STEEL%d' % f, '*ELASTIC', '%r, 0.0' % MODULUS, '*EXPANSION, ZERO=0', '%r' % frame['e']]
            out += ['*BEAM SECTION, ELSET=PIPE%d, MATERIAL=STEEL%d, SECTION=RECT' % (f, f),
                    '%r, %r' % (SECTION, SECTION), '0, 0, 1']
            out += ['*BEAM SECTION, ELSET=STUB%d, MATERIAL=STEEL%d, SECTION=RECT' % (f, f),
                    '%r, %r' % (10 * SECTION, 10 * SECTION), '0, 0, 1']
            P, S, G = frame['P'], frame['S'], frame['G']
            t1, t2 = frame['t']
            boundary += ['%d, 1, 2' % P[0], '%d, 1, 2' % P[-1]]
            for stub, t in ((S[0], t1), (S[1], t2)):   # across the leg
                transforms.append((stub, t))
                boundary.append('%d, 2, 2' % stub)
            for g, t in zip(G, (t1, t2)):
                if g:
                    transforms.append((g, t))
                    boundary.append('%d, 2, 2' % g)
        for k, (n, t) in enumerate(transforms):
            out += ['*NSET, NSET=T%d' % k, '%d,' % n, '*TRANSFORM, NSET=T%d, TYPE=R' % k,
                    '%r, %r, 0, %r, %r, 0' % (t[0], t[1], -t[1], t[0])]
        out += ['*INITIAL CONDITIONS, TYPE=TEMPERATURE', 'ALL, 0', '*STEP', '*STATIC', '*BOUNDARY']
        out += boundary + ['ALL, 3, 3', '*TEMPERATURE', 'ALL, 1', '*NODE PRINT, NSET=ALL, GLOBAL=YES', 'RF',
                           '*END STEP']
        return '\n'.join(out) + '\n'


def reactions(rf, frame):
    """The start anchor's (M1, Fx, Fy), the far one's (moment there as m, force),
    each guide's force across its leg, from the forces ccx reports."""
    P, S, G = frame['P'], frame['S'], frame['G']
    t1, t2 = frame['t']
    start = (rf[P[0]][0] + rf[S[0]][0], rf[P[0]][1] + rf[S[0]][1])
    far = (rf[P[-1]][0] + rf[S[1]][0], rf[P[-1]][1] + rf[S[1]][1])
    M1 = cross((-STUB * t1[0], -STUB * t1[1]), rf[S[0]][:2])
    M_far = cross((STUB * t2[0], STUB * t2[1]), rf[S[1]][:2])      # what the far anchor puts on the pipe
    forces = []
    for g, t in zip(G, (t1, t2)):
        forces.append(rf[g][0] * -t[1] + rf[g][1] * t[0] if g else None)
    return M1, start, -M_far, far, forces


def guides_of(p, g):
    out = []
    for anchor, bend in ((p[0], p[1]), (p[-1], p[-2])):
        if math.dist(anchor, bend) > g:
            d = unit(anchor, bend)
            out.append(((bend[0] - g * d[0], bend[1] - g * d[1]), None))
        else:
            out.append(None)
    return out


def main():
    a = arguments(__doc__, [('--ccx', dict(default='ccx'))], rows=30)
    if not shutil.which(a.ccx):
        print('ccx is not installed (Debian: calculix-ccx)')
        return 1
    rng = random.Random(a.seed)
    data = list(rows(a.rows, rng))
    # A guide at least a metre from its anchor, or none: ccx's beams are not
    # slender on a shorter piece.
    def distance(row):
        p = frame_of(row[0], row[1:])[0]
        ends = (math.dist(p[0], p[1]), math.dist(p[-1], p[-2]))
        fits = [g for g in DISTANCES if all(l <= float(g) or l >= float(g) + 1 for l in ends)]
        return rng.choice(fits or ['100'])
    distances = [distance(row) for row in data]
    tally = Tally()

    def solve(per_piece):
        """Each frame's reactions with `per_piece` beams to a straight piece."""
        deck = Deck(per_piece)
        for k, (row, g) in enumerate(zip(data, distances)):
            p, D, t, EI, gx, gy = frame_of(row[0], row[1:])
            e = gy / p[-1][1] if p[-1][1] else gx / p[-1][0]
            deck.frame(p, EI, e, guides_of(p, float(g)), 1000.0 * (k + 1))
        with tempfile.TemporaryDirectory() as tmp:
            with open(os.path.join(tmp, 'guides.inp'), 'w') as f:
                f.write(deck.text())
            r = subprocess.run([a.ccx, '-i', 'guides'], cwd=tmp, capture_output=True, text=True,
                               env=dict(os.environ, OMP_NUM_THREADS='1'))
            if 'ERROR' in r.stdout or r.returncode:
                sys.exit(r.stdout[-3000:])
            rf = {}
            with open(os.path.join(tmp, 'guides.dat')) as f:
                for line in f:
                    cells = line.split()
                    if len(cells) == 4 and cells[0].isdigit():
                        rf[int(cells[0])] = tuple(float(c) for c in cells[1:])
        # A linear frame: its forces grow with EI.
        scaled = lambda frame, v: tuple(x * frame['EI'] / (MODULUS * SECTION ** 4 / 12) for x in v)
        return [reactions({n: scaled(frame, v) for n, v in rf.items()}, frame) for frame in deck.frames], deck

    # The beams' error falls as 1/PER_PIECE²: two meshes extrapolated.
    coarse, _ = solve(PER_PIECE // 2)
    fine, deck = solve(PER_PIECE)
    mix = lambda c, f: (4 * f - c) / 3 if f is not None else None
    solved = []
    for c, f in zip(coarse, fine):
        M1, start, M2, far, forces = (mix(c[0], f[0]), tuple(map(mix, c[1], f[1])), mix(c[2], f[2]),
                                      tuple(map(mix, c[3], f[3])), [mix(x, y) for x, y in zip(c[4], f[4])])
        solved.append((M1, start, M2, far, forces))

    got = {}
    for g in sorted(set(distances)):
        group = [row for row, d in zip(data, distances) if d == g]
        for row, cells in zip(group, run_batch([a.batch, '--guides', g], group)[1]):
            got[','.join(row)] = cells

    for frame, row, g, (M1, start, M2, far, forces) in zip(deck.frames, data, distances, solved):
        panel = row[0]
        p, D, t, EI, gx, gy = frame_of(panel, row[1:])
        where = '%s --guides %s' % (','.join(row), g)
        # ccx's beams are not the panels' exactly (module docstring): 0.5 %
        # of a value, or 0.1 % of the run's largest force for a small one.
        largest = max(abs(v) for v in (M1, M2) + start + far + tuple(Q for Q in forces if Q is not None))

        def close(cell, want):
            off = abs(float(cell) * 10 - want)
            return off <= max(TOLERANCE * abs(want), 1, 0.2 * TOLERANCE * largest)
        results = {'bend': 6, 'offset': 8, 'loop': 10}[panel]
        cells = got[','.join(row)][len(row) + 1 + results:]
        sign = -1 if panel == 'loop' else 1
        want = [M1, start[0] * sign, start[1]] if panel == 'bend' else [M1, M2, start[0] * sign, start[1]]
        for cell, w in zip(cells, want):
            tally(close(cell, w), '%s: reaction %s, ccx %.1f' % (where, cell, w / 10))
        # The moments at the points and the guides by statics from ccx's
        # reactions: m(r) = M1 + (P1 − r) × F, plus each guide upstream.
        Z = math.pi * (D ** 4 - (D - 2 * t) ** 4) / (32 * D)
        held = [(gd[0], frame['t'][i], forces[i]) for i, gd in enumerate(frame['guides']) if gd]

        def m(r, upstream):
            v = M1 + cross((-r[0], -r[1]), start)
            for G, d, Q in upstream:
                v += Q * ((G[0] - r[0]) * d[0] + (G[1] - r[1]) * d[1])
            return v
        first = [h for i, h in enumerate(held) if frame['guides'][0] and i == 0]
        ratios = [abs(m(p[0], []))] + [abs(m(q, first)) for q in p[1:-1]] + [abs(m(p[-1], held))]
        n = len(want)
        for cell, w in zip(cells[n:n + len(p)], ratios):
            w = w / Z / S_ALLOWED
            tally(abs(float(cell) - w) <= max(0.01, TOLERANCE * w), '%s: ratio %s, ccx %.4f' % (where, cell, w))
        for i in (0, 1):
            ratio_cell, force_cell = cells[n + len(p) + i], cells[n + len(p) + 2 + i]
            if forces[i] is None:
                tally(ratio_cell == force_cell == '', '%s: guide %d %s %s' % (where, i + 1, ratio_cell, force_cell))
                continue
            G = frame['guides'][i][0]
            w = abs(m(G, first)) / Z / S_ALLOWED
            tally(close(force_cell, forces[i]) and abs(float(ratio_cell) - w) <= max(0.01, TOLERANCE * w),
                  '%s: guide %d %s %s, ccx %.4f %.1f' % (where, i + 1, ratio_cell, force_cell, w, forces[i] / 10))
        # ccx's own balance: the anchors and the guides.
        sx = start[0] + far[0] + sum(Q * -d[1] for _, d, Q in held)
        sy = start[1] + far[1] + sum(Q * d[0] for _, d, Q in held)
        tally(abs(sx) + abs(sy) <= 1e-3 * largest + 1, '%s: ccx unbalanced %g %g' % (where, sx, sy))
    return tally.result()


if __name__ == '__main__':
    sys.exit(main())
