#!/usr/bin/env python3
"""quorvel-batch --sweep --plot end to end: the SVG is well-formed XML with
one line per ratio of the panel, the window's labels in the legend, the
target line and axis titles with units; a failed value is a gap; and --plot
refuses more than one row before any output. The row's other cells show on
one line, whatever bytes they hold.

Usage: check_plot.py --batch PATH_TO_quorvel-batch
"""
import argparse
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = '{http://www.w3.org/2000/svg}'
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(batch, args, rows):
    return subprocess.run([batch] + args, input=rows.encode(), capture_output=True, timeout=60)


def plot(batch, tmp, args, row, ratios, x_title, subpaths):
    """Sweeps one row and checks the picture; subpaths: pieces of each line."""
    svg = os.path.join(tmp, 'plot.svg')
    p = run(batch, args + ['--plot', svg], row + '\n')
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
    for label in ratios + [x_title, 'target 1']:
        check(label in texts, '%s: no text %r among %s' % (what, label, texts))
    check(any('80 MPa' in t for t in texts), '%s: the ratio axis names no unit' % what)
    check(len([e for e in root.iter(SVG + 'line') if e.get('class') == 'target']) == 1,
          '%s: no target line' % what)
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
        # Markup, a control character and U+FFFF, which XML forbids, in a cell
        # past 24 characters: escaped, each of the last two shown as U+FFFD,
        # and cut with an ellipsis. Every value fails on that cell.
        texts = plot(batch, tmp, ['--sweep', 'L2=1:2'], 'bend,70,377,9,20,10,"9<&"">\x01\uffff' + 'x' * 30 + '"',
                     bend, 'L2 (m)', 1) or []
        alpha = 'α = 9<&">\ufffd\ufffd' + 'x' * 17 + '… °'
        check(any(alpha in t for t in texts), 'hostile cell: no text %r among %s' % (alpha, texts))

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
