#!/usr/bin/env python3
"""Checks quorvel-batch digit for digit against the independent reference.

Usage: check_batch.py --batch PATH_TO_quorvel-batch [--rows N] [--seed S]
                      [--walk-rows N] [--ordinary] [--part K/N]

Runs generated rows through both, once with '.' decimals and ',' separators
and once with ',' decimals and ';' separators, compares parsed cells row by
row, then checks the handling of malformed rows on a small input, then the
design answers (--solve, --sweep, --target, --si, --verdict) and the checks
of the inputs (--check) on further generated rows.  Ends with
the line `N passed, M failed`; a wrong exit status counts as a failed row.
--ordinary generates rows that describe a pipe run only: the Windows build's
texts can differ from Linux's on the others (docs/engineering.md).
--part K/N checks the K-th of N parts (the rows in the first, the walks
shared out), for a slow emulator.
"""
import argparse
import concurrent.futures
import csv
import io
import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True      # leave the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_rows          # noqa: E402
import quorvel_ref       # noqa: E402

SHOW = 8                 # mismatches printed per run


class Tally:
    def __init__(self):
        self.passed = self.failed = self.shown = 0

    def fail(self, msg, always=False):
        self.failed += 1
        if always:
            print(msg)
            return
        if self.shown < SHOW:
            print(msg)
        self.shown += 1


def run_batch(batch, data, comma, args=()):
    cmd = [batch] + (['--decimal-comma'] if comma else []) + list(args)
    with tempfile.TemporaryFile() as f:
        f.write(data.encode('utf-8'))
        f.seek(0)
        try:
            p = subprocess.run(cmd, stdin=f, capture_output=True, timeout=120)
        except subprocess.TimeoutExpired:
            return None, b'', b'timed out after 120 s'
    return p.returncode, p.stdout, p.stderr


def reference(data, sep, opts=None):
    out, err = io.StringIO(), io.StringIO()
    w = csv.writer(out, delimiter=';' if sep == ',' else ',', lineterminator='\n')
    good = quorvel_ref.run(io.StringIO(data, newline=''), 'input', sep, w, err, opts)
    return out.getvalue(), err.getvalue(), good


def parse(text, sep):
    return list(csv.reader(io.StringIO(text, newline=''), delimiter=';' if sep == ',' else ','))


def show(row, sep):
    s = io.StringIO()
    csv.writer(s, delimiter=';' if sep == ',' else ',', lineterminator='').writerow(row)
    v = s.getvalue()
    return v if len(v) < 400 else v[:200] + ' ... ' + v[-150:]


def compare(tally, label, inputs, want, got, sep):
    for i in range(max(len(want), len(got))):
        w = want[i] if i < len(want) else None
        g = got[i] if i < len(got) else None
        if w == g:
            tally.passed += 1
            continue
        src = inputs[i] if i < len(inputs) else None
        cols = '' if w is None or g is None else ' (cells %s differ)' % ', '.join(
            str(k) for k in range(max(len(w), len(g)))
            if (w[k] if k < len(w) else None) != (g[k] if k < len(g) else None))
        tally.fail('[%s] row %d mismatch%s\n  input:    %s\n  expected: %s\n  got:      %s'
                   % (label, i + 1, cols, show(src, sep) if src else '-',
                      show(w, sep) if w else '(no row)', show(g, sep) if g else '(no row)'))


def check_rows(tally, batch, n, seed, comma, only_ordinary):
    sep = ',' if comma else '.'
    label = 'decimal comma' if comma else 'decimal point'
    buf = io.StringIO(newline='')
    gen_rows.write(buf, n, seed, sep, crlf=comma, only_ordinary=only_ordinary)  # CR LF rows in one run
    data = buf.getvalue()
    want, _, _ = reference(data, sep)
    rc, out, err = run_batch(batch, data, comma)
    got = parse(out.decode('utf-8', 'replace'), sep)
    compare(tally, label, parse(data, sep), parse(want, sep), got, sep)
    if rc != 0:
        tally.fail('[%s] quorvel-batch ended with status %s on well-formed rows; stderr: %s'
                   % (label, rc, err.decode('utf-8', 'replace')[:500]), always=True)


def check_bad_rows(tally, batch):
    """Unknown panels and wrong cell counts: no output row, a message naming
    the line, exit status 1, and the good rows around them still computed;
    among those a header row first, which is skipped, keys in another letter
    case and empty cells after a row's inputs, which are accepted."""
    good = [['bend'] + gen_rows.DEFAULTS['bend'], ['offset'] + gen_rows.DEFAULTS['offset'],
            ['loop'] + gen_rows.DEFAULTS['loop']]
    bad = {13: ['elbow', '70', '377', '9', '20', '10', '90'],
           17: ['offset', '70', '377', '9', '20', '10', '20', '90'],
           21: ['bend', '70', '377', '9', '20', '10', '90', '5']}
    accepted = {1: ['Panel', 'T', 'D', 't'], 5: ['Bend'] + gen_rows.DEFAULTS['bend'] + ['', '', ''],
                24: ['Loop'] + gen_rows.DEFAULTS['loop']}
    lines = [bad.get(i) or accepted.get(i) or good[i % 3] for i in range(1, 26)]
    s = io.StringIO(newline='')
    csv.writer(s, lineterminator='\n').writerows(lines)
    data = s.getvalue()
    want, _, _ = reference(data, '.')
    rc, out, err = run_batch(batch, data, False)
    err = err.decode('utf-8', 'replace')
    compare(tally, 'bad rows', [r for i, r in enumerate(lines, 1) if i not in bad and i != 1],
            parse(want, '.'), parse(out.decode('utf-8', 'replace'), '.'), '.')
    for line, row in bad.items():
        if rc == 1 and re.search(r'(?<![0-9])%d(?![0-9])' % line, err):
            tally.passed += 1
        else:
            tally.fail('[bad rows] line %d (%s): expected exit status 1 and a message naming '
                       'line %d; got status %s, stderr: %r' % (line, show(row, '.'), line, rc, err[:500]))


# Design answers on generated rows: (options, decimal comma).  Walks up and
# down, default and given steps, several fields of one or two panels (rows of
# the others are rejected), targets, --si, --verdict, both decimal separators.
WALKS = [
    (['--solve', 'L2=0.5:40:0.5'], False),
    (['--solve', 'T=400:-50:10', '--si'], False),
    (['--solve', 'T=230:180'], True),
    (['--solve', 't=1:20:0.5', '--target', '0.3'], True),
    (['--solve', 'L1=0.05:0.5', '--si'], False),
    (['--solve', 'L=70:20:0.5', '--target', '2'], False),
    (['--solve', 'beta=150:30:6', '--target', '0.5', '--si'], True),
    (['--sweep', 'alpha=60:120:7.5', '--si'], False),
    (['--sweep', 'L3=0:30:2.5'], False),
    (['--sweep', 'D=0:600:75', '--si'], True),
    (['--verdict'], False),
    (['--si', '--verdict'], True),
    (['--solve', 'L2=0.5:40:0.1', '--verdict', '--target', '0.7'], False),
    (['--sweep', 'T=-50:400:25', '--si', '--verdict'], True),
    (['--check'], False),
    (['--si', '--verdict', '--check'], True),
    (['--sweep', 'L=0:80:20', '--check'], False),
    (['--solve', 't=1:400:50', '--check'], True),
]

# Every passing stretch: walks up and down, through failures, targets that
# split a run into several stretches or none.
WALKS += [
    (['--ranges', 'L2=0.5:40:0.5'], False),
    (['--ranges', 'T=425:-50:5', '--target', '0.4'], True),
    (['--ranges', 'alpha=1:179:4', '--target', '0.3'], False),
    (['--ranges', 't=-2:20:0.5'], True),
]


def check_walks(tally, batch, n, seed, only_ordinary, part, parts):
    """The walks' programs run side by side while the reference computes."""
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        runs = []
        for k, (args, comma) in list(enumerate(WALKS))[part - 1::parts]:
            sep = ',' if comma else '.'
            buf = io.StringIO(newline='')
            w = csv.writer(buf, delimiter=';' if comma else ',', lineterminator='\n')
            w.writerows(gen_rows.rows(n, seed + k, sep, only_ordinary))
            data = buf.getvalue()
            runs.append((args, comma, data, pool.submit(run_batch, batch, data, comma, args)))
        for args, comma, data, program in runs:
            sep = ',' if comma else '.'
            label = ' '.join(args) + (' --decimal-comma' if comma else '')
            opts = {'si': '--si' in args, 'verdict': '--verdict' in args, 'check': '--check' in args}
            for name, value in zip(args, args[1:]):
                if name in ('--solve', '--sweep', '--ranges', '--target'):
                    opts[name[2:]] = value
            want, _, good = reference(data, sep, opts)
            rc, out, err = program.result()
            want_rows = parse(want, sep)
            compare(tally, label, want_rows, want_rows, parse(out.decode('utf-8', 'replace'), sep), sep)
            if rc != (0 if good else 1):
                tally.fail('[%s] exit status %s, expected %d; stderr: %s'
                           % (label, rc, 0 if good else 1, err.decode('utf-8', 'replace')[:300]), always=True)


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument('--batch', required=True)
    ap.add_argument('--rows', type=int, default=3000)
    ap.add_argument('--seed', type=int, default=20240611)
    ap.add_argument('--walk-rows', type=int, default=120, help='rows per --solve/--sweep run')
    ap.add_argument('--ordinary', action='store_true', help='rows that describe a pipe run only')
    ap.add_argument('--part', default='1/1', help='K/N: the K-th of N parts')
    a = ap.parse_args()
    part, parts = map(int, a.part.split('/'))
    tally = Tally()
    if part == 1:
        check_rows(tally, a.batch, a.rows, a.seed, False, a.ordinary)
        check_rows(tally, a.batch, a.rows, a.seed + 1, True, a.ordinary)
        check_bad_rows(tally, a.batch)
    check_walks(tally, a.batch, a.walk_rows, a.seed + 2, a.ordinary, part, parts)
    if tally.shown > SHOW:
        print('... %d more failures not shown' % (tally.shown - SHOW))
    print('%d passed, %d failed' % (tally.passed, tally.failed))
    return 1 if tally.failed else 0


if __name__ == '__main__':
    sys.exit(main())
