#!/usr/bin/env python3
"""The numbers that --help and README quote are the ones quorvel-batch gives.

Every example of --help is run as written (an "echo ROW |" feeds ROW, a file
named in it is made from ROWS); each option sentence and example that quotes
a result is paired below with the run that reproduces it and the output cells
that it quotes, in the order it quotes them. The quoted numbers are read from
the help itself, so the help's prose is the claim and the program the proof.
The K1 the help works out and the default steps it names are checked too, and
README's example commands are run, each against the row its comment shows.

Usage: check_help.py --batch PATH_TO_quorvel-batch --readme README.md
"""
import argparse
import csv
import os
import re
import shlex
import subprocess
import sys
import tempfile
from decimal import Decimal

BEND = 'bend,70,377,9,20,10,90'  # the window's default bend

# Where (an option, or an example's command), the pattern whose first group
# holds the quoted results, the row and options of the run (an example's own
# when None), and the output cells quoted, as (row, cell) or cell of row 0.
QUOTES = [
    ('--ranges', r'in walk order \((.*?)\)', 'bend,250,323.9,8,12,10,90', ['--ranges', 'L2=0.5:40:0.1'], [-1]),
    ('--si', r'the default bend gives (.*?)\)', BEND, ['--si'], [-6, -5, -4, -3, -2, -1]),
    ('--installed', r'The default bend installed at 20 ℃ gives (.*)', BEND, ['--installed', '20'], [-9, -2, -1]),
    ('--movements', r"The default bend's point 2 moves (.*) across it", BEND, ['--movements'], [-2, -1]),
    ('--crosscheck', r'The default bend gives (.*?);', BEND, ['--crosscheck'], [-5, -4, -3, -2, -1]),
    ('--code', r'installed at 38 ℃ gives (.*?);', 'bend,93,377,9,20,10,90',
     ['--code', 'b31.3', '--material', 'a106b', '--installed', '38'], [-13, -12, -11, -10, -9, -8, -7, -6, -5]),
    # From 20 ℃ by hand: e(70) − e(20) = 0.5827655 mm/m, so dx = 20·0.58277 = 11.7, dy = −10·0.58277 = −5.8
    # and the screen 377·(0.58277·√500)/(30 − √500)² = 84.2, within 208.3 and 84.9.
    ('--movements', r'installed at 20 ℃: (.*?)\)', BEND, ['--installed', '20', '--movements'], [-2, -1]),
    ('--crosscheck', r'its screen gives (.*?);', BEND, ['--installed', '20', '--crosscheck'], [-5, -4, -3]),
    ('quorvel-batch --solve L2=0.5:40:0.5', r'passes: (.*)', None, None, [8, 9]),
    ('quorvel-batch --ranges L2=0.5:40:0.1', r'that pass: (\S*)', None, None, [-1]),
    ('quorvel-batch --solve T=400:-50', r'℃: (.*)', None, None, [8]),
    ('quorvel-batch --solve H=2:10', r'together by 0.01 m: (.*?);', None, None, [13]),
    ('quorvel-batch --solve H=2:10', r'long-radius elbows: (.*)', 'loop,180,219.1,6.35,27,6,6,6,27,60,90,90',
     ['--solve', 'H=2:10', '--elbows', '1.5D'], [13]),
    ('quorvel-batch --sweep L2=1:20:0.5 --plot l2.svg', r'leg (.*), and', None, None, [(0, 5), (-1, 5)]),
    # offset: 9 input cells, the status, 8 results, k, i, 4 reactions, S1..S4, governing, verdict
    ('quorvel-batch --elbows 1.5D', r'whose S2 shows (.*)', None, None, [15, 18, 19, 24, 25, 26, 27, 28, 29]),
    # loop: 12 input cells, the status, 10 results, 4 reactions and S1..S6 guided, the guides' ratios and
    # forces, governing, verdict, the legs without a guide
    ('quorvel-batch --guides 3', r'rises from (.*)', None, None, [19, 29, 37, 38, 35]),
    ('quorvel-batch --installed 20', r'factor (.*)', None, None, [-9, -2]),
]
# A quoted result: a number, a stretch FROM..TO, or a verdict word; not the
# digit of a name such as S2 or L1.
RESULT = re.compile(r'(?<![\w.])(-?\d+(?:\.\d+)?(?:\.\.-?\d+(?:\.\d+)?)?|passes|exceeds|fails)(?![\w])')
# The default loop has every field a walk takes.
LOOP = 'loop,70,377,9,20,10,15,10,20,50,90,90'
LOOP_FIELDS = ['T', 'D', 't', 'L1', 'L2', 'L3', 'L4', 'L5', 'L', 'alpha', 'beta']
# The rows of the examples that read a file.
ROWS = [BEND, 'offset,70,377,9,20,10,20,40,90', LOOP]

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def paragraphs(help_text):
    """{option or example: (its tag line, its text on one line)}; an example's
    key is its command from "quorvel-batch" on."""
    found, key = {}, None
    for line in help_text.splitlines():
        if re.match(r'  \S', line):
            tag, _, text = line.strip().partition('  ')
            key = tag.split()[0] if tag.startswith('--') else tag.rpartition('| ')[2]
            found[key] = (tag, [text.strip()] if text else [])
        elif key and line.startswith('    '):
            found[key][1].append(line.strip())
        else:
            key = None
    return {k: (tag, ' '.join(text)) for k, (tag, text) in found.items()
            if k.startswith('--') or k.startswith('quorvel-batch')}


def run(batch, command, cwd):
    """Runs an example's command line, [echo ROW |] quorvel-batch ARGS [> FILE],
    in `cwd`; a CSV file it reads is made from ROWS. Gives the output rows as
    lists of cells, and the arguments."""
    row, _, command = command.rpartition('| ')
    args = shlex.split(command)[1:]
    args = args[:args.index('>')] if '>' in args else args
    comma = '--decimal-comma' in args
    for name in args:
        if name.endswith('.csv'):
            with open(os.path.join(cwd, name), 'w', newline='') as f:
                csv.writer(f, delimiter=';' if comma else ',').writerows(r.split(',') for r in ROWS)
    stdin = shlex.split(row)[1] + '\n' if row else ''
    p = subprocess.run([batch] + args, input=stdin.encode(), capture_output=True, cwd=cwd, timeout=60)
    check(p.returncode == 0 and p.stderr == b'', '%s: status %d, %r' % (command, p.returncode, p.stderr))
    return [next(csv.reader([line], delimiter=';' if comma else ',')) for line in p.stdout.decode().splitlines()], args


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('--batch', required=True)
    ap.add_argument('--readme', required=True)
    opts = ap.parse_args()
    opts.batch = os.path.abspath(opts.batch)
    help_text = subprocess.run([opts.batch, '--help'], capture_output=True, timeout=60).stdout.decode()
    texts = paragraphs(help_text)
    with tempfile.TemporaryDirectory() as tmp:
        outputs = {}  # of every example
        for key, (command, _) in texts.items():
            if key.startswith('quorvel-batch'):
                rows, args = outputs[key] = run(opts.batch, command, tmp)
                check(len(rows) >= 1, '%s: no output' % command)
                if '--plot' in args:
                    check(os.path.exists(os.path.join(tmp, args[args.index('--plot') + 1])), '%s: no chart' % command)
        check(outputs, 'no examples in %r' % help_text)

        for where, pattern, row, args, cells in QUOTES:
            match = re.search(pattern, texts.get(where, ('', ''))[1])
            if not match:
                check(False, '%s: no %r in %r' % (where, pattern, texts.get(where)))
                continue
            rows = outputs[where][0] if row is None else run(opts.batch, 'echo %s | quorvel-batch %s'
                                                             % (row, shlex.join(args)), tmp)[0]
            claims = RESULT.findall(match.group(1))
            got = [rows[c[0]][c[1]] if isinstance(c, tuple) else rows[0][c] for c in cells] if rows else []
            check(claims == got, '%s: quotes %s, the run gives %s' % (where, claims, got))
        # "a longer L2 overstresses the anchor at L1": one step past the
        # stretch, S1 alone is above [S] = 80 MPa.
        check('overstresses the anchor at L1' in texts['quorvel-batch --ranges L2=0.5:40:0.1'][1], 'no overstress')
        rows = run(opts.batch, 'echo bend,250,323.9,8,12,28.8,90 | quorvel-batch --si', tmp)[0]
        check(rows and [float(mpa) > 80 for mpa in rows[0][-3:]] == [True, False, False], 'L2 = 28.8: %s' % rows)
        # What the help works out itself: K1 = 208000·[S]/E from the [S] and E it names.
        k1 = re.search(r'K1 = 208000·\[S\]/E = (\S+) \(\[S\] = (\S+) MPa, E = (\S+) GPa\)', texts['--crosscheck'][1])
        check(k1 and k1.group(1) == '%.1f' % (208 * float(k1.group(2)) / float(k1.group(3))), 'K1: %s' % k1)
        # "STEP is 1 for T and 0.01 for the others": a walk of one and a half
        # steps from a field's value in the loop's row ends one step on.
        steps = re.search(r'F is one of (.*?); STEP is (\S+) for (.*?) and (\S+) for the others', texts['--solve'][1])
        fields = [name.split()[0] for name in steps.group(1).split(', ')] if steps else []
        check(fields == LOOP_FIELDS, 'the fields a walk takes: %s' % fields)
        for field, value in zip(fields, LOOP.split(',')[1:]):
            step = Decimal(steps.group(2) if field in steps.group(3).split(', ') else steps.group(4))
            stretch = '%s..%s' % (value, Decimal(value) + step)
            rows = run(opts.batch, 'echo %s | quorvel-batch --ranges %s=%s:%s'
                       % (LOOP, field, value, Decimal(value) + step * Decimal('1.5')), tmp)[0]
            check(rows and rows[0][-1] == stretch, '%s walks by %s: %s' % (field, step, rows))
        # An example that quotes a result has its pair above.
        for key, (_, text) in texts.items():
            if key.startswith('quorvel-batch') and key not in [q[0] for q in QUOTES]:
                check(not RESULT.search(text), '%s: quotes %s, which nothing checks' % (key, RESULT.findall(text)))

        # README's commands, each against the row its comment shows ("…" for any cells).
        readme = 0
        with open(opts.readme, encoding='utf-8') as f:
            for line in f:
                m = re.match(r'\s+echo (\S+) \| \S*quorvel-batch (.*?)(?:\s+# (.*))?$', line)
                if not m:
                    continue
                readme += 1
                args = [os.path.join(tmp, 'readme.svg') if a.endswith('.svg') else a for a in shlex.split(m.group(2))]
                rows = run(opts.batch, 'echo %s | quorvel-batch %s' % (m.group(1), shlex.join(args)), tmp)[0]
                if m.group(3):
                    pattern = '.*'.join(re.escape(part.strip()) for part in m.group(3).split('…'))
                    check(rows and re.fullmatch(pattern, ','.join(rows[0])), 'README: %s gives %s'
                          % (line.strip(), rows[:1]))
        check(readme >= 4, 'README: %d example commands' % readme)
    for f in failures:
        print(f)
    print('%d failed' % len(failures))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
