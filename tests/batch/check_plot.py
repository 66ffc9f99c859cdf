#!/usr/bin/env python3
"""quorvel-batch --sweep --plot end to end: the SVG is well-formed XML with
one line per ratio of the panel, the window's labels in the legend, the
target line and axis titles with units; a failed value is a gap; and --plot
refuses more than one row before any output. With --code or --elbows the
ratio the walks judge by is a line of its own, named in the title and the
legend, at the governing cell of the same rows, with gaps where that cell is
empty. The row's other cells show on
one line, whatever bytes they hold. Read through its ticks, the picture puts
every point and the target where tests/reference/quorvel_ref.py says, ticks
at round values, about five of them, filling the frame, the axis titles
centred on their axes, the data filling the frame's width and reaching
within a tenth of its top, and no "nan" or "inf" anywhere.

Usage: check_plot.py --batch PATH_TO_quorvel-batch
"""
import argparse
import csv
import math
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'reference'))
import quorvel_ref as ref  # noqa: E402

SVG = '{http://www.w3.org/2000/svg}'
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(batch, args, rows):
    return subprocess.run([batch] + args, input=rows.encode(), capture_output=True, timeout=60)


def axis(what, ticks, lo, hi):
    """Ticks (value, position) by value, evenly spaced within [lo, hi], every
    multiple of the step that the frame spans, the step the smallest of 1, 2
    or 5 times a power of ten that gives at most six: gives the position of a
    value."""
    step = ticks[1][0] - ticks[0][0] if len(ticks) > 2 else math.nan
    if not 0 < step < math.inf:
        return check(False, '%s: ticks %s' % (what, ticks)) or (lambda v: math.nan)
    (v0, p0), (vn, pn) = ticks[0], ticks[-1]
    at = lambda v: p0 + (v / step - v0 / step) * (pn - p0) / round(vn / step - v0 / step)  # noqa: E731
    inside = lambda p: lo - 0.01 <= p <= hi + 0.01  # noqa: E731
    check(min(abs(step / 10 ** math.floor(math.log10(step)) - m) for m in (1, 2, 5)) < 1e-9
          and all(abs(v / step - round(v / step)) < 1e-9 and abs(at(v) - p) < 0.02 and inside(p) for v, p in ticks)
          and not inside(at(v0 - step)) and not inside(at(vn + step)), '%s: ticks %s' % (what, ticks))
    # The step is a fifth of the frame's span rounded up to 1, 2 or 5 times a
    # power of ten: the next smaller one is below it. In steps, as the span
    # may be beyond the largest double.
    fifth = abs(hi - lo) / abs(at(step) - at(0)) / 5
    below = {1: 0.5, 2: 0.5, 5: 0.4}[round(step / 10 ** math.floor(math.log10(step)))]
    check(below * (1 - 1e-4) < fifth < 1 + 1e-4, '%s: step %g for a span of %g steps' % (what, step, 5 * fifth))
    return at


def geometry(root, svg, what, xs, ys, target, judged=()):
    """xs: the swept values; ys: per value the reference's ratios, None where it fails;
    judged: per value the governing cell of the judging run, None where empty."""
    check(not re.search('nan|inf', svg, re.I), '%s: nan or inf in the SVG' % what)
    left, top, width, height = (float([e for e in root.iter(SVG + 'rect') if e.get('fill') == 'none'][0].get(a))
                                for a in ('x', 'y', 'width', 'height'))
    # The axis titles centred on their axes: x's below the frame, y's turned a
    # quarter left of it, about its own middle.
    titles = [e for e in root.iter(SVG + 'text') if e.get('text-anchor') == 'middle' and e.get('class') != 'tick']
    x_title, y_title = [[e for e in titles if bool(e.get('transform')) == turned] for turned in (False, True)]
    check(len(x_title) == 1 and float(x_title[0].get('x')) == left + width / 2
          and top + height < float(x_title[0].get('y')) < float(root.get('height')),
          '%s: x title at %s' % (what, [e.attrib for e in x_title]))
    check(len(y_title) == 1 and 0 < float(y_title[0].get('x')) < left and float(y_title[0].get('y')) == top + height / 2
          and y_title[0].get('transform') == 'rotate(-90 %s %s)' % (y_title[0].get('x'), y_title[0].get('y')),
          '%s: y title at %s' % (what, [e.attrib for e in y_title]))
    ticks = {True: [], False: []}  # each label after its grid line, vertical for x
    for line, text in zip(list(root), list(root)[1:]):
        if text.get('class') == 'tick':
            v, vertical = float(text.text.replace(',', '.')), line.get('x1') == line.get('x2')
            check(math.isfinite(v) and (v or not text.text.startswith('-')) and len(text.text) <= 13,
                  '%s: tick %r' % (what, text.text))
            ticks[vertical] += [(v, float(line.get('x1' if vertical else 'y1')))] if math.isfinite(v) else []
    x_at = axis(what + ' x axis', sorted(ticks[True]), left, left + width)
    y_at = axis(what + ' y axis', sorted(ticks[False]), top, top + height)
    check(sorted(ticks[False])[:1] == [(0, top + height)] and y_at(1) < y_at(0),
          '%s: y axis %s' % (what, ticks[False]))
    # The chart uses its height: the highest ratio or the target comes within a
    # tenth of its top, without touching it.
    highest = max([target] + [max(y) for y in ys if y] + [y for y in judged if y is not None])
    check(top + height / 20 < y_at(highest) < top + height / 8, '%s: %g drawn at %g' % (what, highest, y_at(highest)))
    # and its width: the first and last value at the frame's sides, when they differ.
    finite = [float(x) for x in xs if math.isfinite(float(x))]
    if finite and max(finite) - min(finite) > 1e-9 * max(map(abs, finite)) + 1e-300:
        check(abs(x_at(min(finite)) - left) + abs(x_at(max(finite)) - left - width) < 0.05,
              '%s: x from %g to %g drawn from %g to %g' % (what, min(finite), max(finite), x_at(min(finite)),
                                                          x_at(max(finite))))
    for r, e in enumerate(e for e in root.iter(SVG + 'path') if e.get('class') == 'ratio'):
        pieces = [] if e.get('d') == 'M0 0' else e.get('d').split(' M')  # "M0 0": nothing to draw
        drawn = [(i, float(x), float(y)) for i, p in enumerate(pieces)
                 for x, y in re.findall(r'([\d.]+) ([\d.]+)', p)]
        expected, i = [], 0
        for x, y in zip(xs, ys):
            if y:
                expected.append((i, x_at(float(x)), y_at(y[r])))
            elif expected and expected[-1][0] == i:
                i += 1
        check(len(drawn) == len(expected) and all(a[0] == b[0] and abs(a[1] - b[1]) + abs(a[2] - b[2]) < 0.05
                                                  for a, b in zip(drawn, expected)),
              '%s: ratio %d drawn at %s, expected %s' % (what, r + 1, drawn, expected))
        check(all('L' in p or 'h0' in p for p in pieces), '%s: ratio %d, a lone point not drawn' % (what, r + 1))
    # The judging run's line through its cells, three decimals, a gap where one is empty.
    for e in (e for e in root.iter(SVG + 'path') if e.get('class') == 'judged'):
        drawn = [(i, float(x), float(y)) for i, p in enumerate(e.get('d').split(' M'))
                 for x, y in re.findall(r'([\d.]+) ([\d.]+)', p)]
        expected, i = [], 0
        for x, y in zip(xs, judged):
            if y is not None:
                expected.append((i, x_at(float(x)), y_at(y)))
            elif expected and expected[-1][0] == i:
                i += 1
        tolerance = 0.0005 * abs(y_at(1) - y_at(0)) + 0.01
        check(expected and len(drawn) == len(expected)
              and all(a[0] == b[0] and abs(a[1] - b[1]) < 0.05 and abs(a[2] - b[2]) < tolerance
                      for a, b in zip(drawn, expected)),
              '%s: judged drawn at %s, expected %s' % (what, drawn, expected))
    target_line = [e for e in root.iter(SVG + 'line') if e.get('class') == 'target']
    check(target_line and abs(float(target_line[0].get('y1')) - y_at(target)) < 0.05
          and target_line[0].get('y1') == target_line[0].get('y2')
          and [float(target_line[0].get(x)) for x in ('x1', 'x2')] == [left, left + width],
          '%s: target line not at %s across the frame: %s' % (what, target, target_line[:1] and target_line[0].attrib))


def reference(args, row):
    """The swept values and, per value, the reference's ratios (None where it fails)."""
    sep = ',' if '--decimal-comma' in args else '.'
    panel, *texts = next(csv.reader([row], delimiter=';' if sep == ',' else ','))
    field, xs = ref.walk_values(args[args.index('--sweep') + 1])

    def inputs(x):
        if field == 'W':  # a square loop's width: L3, and L1 and L5 each give way by half of its growth
            L1, W, L5 = (ref.exact(texts[i].replace(sep, '.')) for i in (3, 5, 7))
            return texts[:3] + [ref.plain(L1 - (x - W) / 2, sep), texts[4], ref.plain(x, sep), texts[6],
                                ref.plain(L5 - (x - W) / 2, sep)] + texts[8:]
        at = ref.FIELDS[panel].index(field)
        return texts[:at] + [ref.plain(x, sep)] + texts[at + 1:]
    runs = [ref.compute_values(panel, inputs(x), sep) for x in xs]
    return xs, [[abs(v[0]) for v in values if isinstance(v, tuple)] if status == ref.OK else None
                for status, _, values in runs]


def plot(batch, tmp, args, row, ratios, x_title, subpaths, moved=1, judged=None):
    """Sweeps one row and checks the picture; subpaths: pieces of each line;
    moved: the input cells the sweep changes; judged: the judging run's line
    name, what the title says judges, and the --header name of its governing cell."""
    svg = os.path.join(tmp, 'plot.svg')
    p = run(batch, args + ['--plot', svg] + (['--header'] if judged else []), row + '\n')
    what = ' '.join(args)
    check(p.returncode == 0 and p.stderr == b'', '%s: status %d, %r' % (what, p.returncode, p.stderr))
    try:
        root = ET.parse(svg).getroot()
    except (OSError, ET.ParseError) as e:
        check(False, '%s: no well-formed SVG: %s' % (what, e))
        return
    check(root.tag == SVG + 'svg', '%s: root is %s' % (what, root.tag))
    lines = [e for e in root.iter(SVG + 'path') if e.get('class') == 'ratio']
    check([e.find(SVG + 'title').text for e in lines] == ratios,
          '%s: lines %s, expected one for each of %s' % (what, [e.find(SVG + 'title').text for e in lines], ratios))
    for e in lines:
        check(e.get('d').count('M') == subpaths, '%s: %s drawn in %d pieces, expected %d'
              % (what, e.find(SVG + 'title').text, e.get('d').count('M'), subpaths))
    texts = [''.join(e.itertext()) for e in root.iter(SVG + 'text')]
    target = args[args.index('--target') + 1] if '--target' in args else '1'
    for label in ratios + [x_title, 'target ' + target]:
        check(label in texts, '%s: no text %r among %s' % (what, label, texts))
    check(any('80 MPa' in t for t in texts), '%s: the ratio axis names no unit' % what)
    # The legend, right of the frame: each entry on a line of its own.
    frame = [e for e in root.iter(SVG + 'rect') if e.get('fill') == 'none'][0]
    right = float(frame.get('x')) + float(frame.get('width'))
    legend = [float(e.get('y')) for e in root.iter(SVG + 'text') if float(e.get('x', 0)) > right]
    check(len(legend) == len(ratios) + 1 + bool(judged) and len(set(legend)) == len(legend),
          '%s: legend at %s' % (what, legend))
    judged_cells = []
    if judged:
        name, title, cell = judged
        lines = [e for e in root.iter(SVG + 'path') if e.get('class') == 'judged']
        check([e.find(SVG + 'title').text for e in lines] == [name] and name in texts
              and any(t.endswith('judged by ' + title) for t in texts),
              '%s: no line %r judged by %r among %s' % (what, name, title, texts))
        table = list(csv.reader(p.stdout.decode().splitlines()))
        at = table[0].index(cell)
        judged_cells = [float(r[at]) if r[at] else None for r in table[1:]]
    # The subtitle: the row's other cells, without the swept field's.
    swept = args[args.index('--sweep') + 1].split('=')[0].replace('beta', 'β').replace('alpha', 'α')
    subtitle = [t for t in texts if ' = ' in t and 'ratios against' not in t and 'MPa' not in t][:1] or ['']
    cells = re.split(r'[,;]', row)
    check(len(subtitle[0].split(', ')) == len(cells) - 1 - moved and not re.search(r'(^|, )%s = ' % swept, subtitle[0])
          and (swept != 'W' or not re.search(r'(^|, )L[135] = ', subtitle[0])),
          '%s: subtitle %r' % (what, subtitle[0]))
    check(len([e for e in root.iter(SVG + 'line') if e.get('class') == 'target']) == 1,
          '%s: no target line' % what)
    with open(svg, encoding='utf-8') as f:
        geometry(root, f.read(), what, *reference(args, row), float(target), judged_cells)
    return texts


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('--batch', required=True)
    batch = ap.parse_args().batch
    bend = ['S1/[S]', 'S2/[S]', 'S3/[S]']
    loop = ['S%d/[S]' % i for i in range(1, 7)]
    with tempfile.TemporaryDirectory() as tmp:
        plot(batch, tmp, ['--sweep', 'L2=1:20:0.25'], 'bend,70,377,9,20,10,90', bend, 'L2 (m)', 1)
        # t = 0 fails (no wall): every line breaks there
        plot(batch, tmp, ['--sweep', 't=-2:2:0.5'], 'bend,70,377,9,20,10,90', bend, 't (mm)', 2)
        plot(batch, tmp, ['--sweep', 'beta=60:120:2', '--decimal-comma'],
             'loop;70;377;9;20;10;15;10;20;50;90;90', loop, 'β (°)', 1)
        # The loop's width, its level legs giving way: none of the three in the subtitle.
        plot(batch, tmp, ['--sweep', 'W=2:30:1'], 'loop,180,219.1,6.35,27,6,6,6,27,60,90,90', loop, 'W (m)', 1, 3)
        # Lone passing values, a single value, another target, an x range
        # beyond the largest double (every value overflows).
        plot(batch, tmp, ['--sweep', 't=-1:1:1'], 'bend,70,377,9,20,10,90', bend, 't (mm)', 2)
        plot(batch, tmp, ['--sweep', 'L2=5:5', '--target', '0.25'], 'bend,70,377,9,20,10,90', bend, 'L2 (m)', 1)
        plot(batch, tmp, ['--sweep', 'L2=-1E308:1E308:1E307'], 'bend,70,377,9,20,10,90', bend, 'L2 (m)', 1)
        plot(batch, tmp, ['--sweep', 'L2=1.7E308:1.7E308'], 'bend,70,377,9,20,10,90', bend, 'L2 (m)', 1)
        # Values closer together than round ticks can be placed: a double's
        # last digit apart, or the smallest subnormals (every value overflows).
        plot(batch, tmp, ['--sweep', 'L2=1:1.0000000000000002:0.0000000000000001'], 'bend,70,377,9,20,10,90', bend,
             'L2 (m)', 1)
        plot(batch, tmp, ['--sweep', 'L2=4.9E-324:9.9E-324:4.9E-324'], 'bend,70,377,9,20,10,90', bend, 'L2 (m)', 1)
        # Markup, a control character and U+FFFF, which XML forbids, in a cell
        # past 24 characters: escaped, each of the last two shown as U+FFFD,
        # and cut with an ellipsis. Every value fails on that cell.
        texts = plot(batch, tmp, ['--sweep', 'L2=1:2'], 'bend,70,377,9,20,10,"9<&"">\x01\uffff' + 'x' * 30 + '"',
                     bend, 'L2 (m)', 1) or []
        alpha = 'α = 9<&">\ufffd\ufffd' + 'x' * 17 + '… °'
        check(any(alpha in t for t in texts), 'hostile cell: no text %r among %s' % (alpha, texts))
        # What the walks judge by: the code check, whose A106 Gr. B allowable
        # stresses end at 93 ℃ (a gap above), and the run with elbows.
        plot(batch, tmp, ['--sweep', 'T=40:120:5', '--code', 'b31.3', '--material', 'a106b', '--installed', '40'],
             'bend,70,377,9,20,10,90', bend, 'T (℃)', 1,
             judged=('SE/SA, the code check (ASME B31.3-2018)', 'the code check (ASME B31.3-2018)',
                     'governing SE/SA code'))
        plot(batch, tmp, ['--sweep', 'L2=1:20:0.5', '--elbows', '1.5D'], 'bend,250,323.9,8,12,10,90', bend, 'L2 (m)', 1,
             judged=('with elbows R = 1.5D', 'the run with elbows', 'governing S/[S] elbows'))

        svg = os.path.join(tmp, 'two.svg')
        p = run(batch, ['--sweep', 'L2=1:2', '--plot', svg], 'bend,70,377,9,20,10,90\n' * 2)
        err = p.stderr.decode().splitlines()
        check(p.returncode == 2 and p.stdout == b'' and len(err) == 1 and 'one input row' in err[0]
              and not os.path.exists(svg), '--plot of two rows: status %d, %r, %r' % (p.returncode, p.stdout, err))
    for f in failures:
        print(f)
    print('%d failed' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
