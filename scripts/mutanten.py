#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Punktfeld developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Shows which faults the tests catch: seeded source mutants, each built and tested.

Usage, from the project folder, with a configured build folder:
    python3 scripts/mutanten.py BUILD COUNT SEED [--list] [--unter FOLDER] [--ab N] [--bis N] [--tests REGEX]

Every mutant of src/ is listed: a comparison or arithmetic operator swapped,
&& and || exchanged, an integer constant one up or down, true and false
exchanged, a statement deleted, an if or while condition negated. COUNT of
them are drawn with SEED (from FOLDER alone with --unter, src/computer say);
each is written into its file, BUILD is built, and ctest runs there; --ab N
goes on with the Nth of the same draw after an interrupted run, and --bis N
stops before the Nth, so that two copies of the tree can share a draw. --tests
runs only the tests whose names match REGEX, for a quick look at the
mutants of one part; ctest stops at the first test that fails, as one
failure kills the mutant. Left out are the real-window test, which depends
on the machine's load, and the package's tests, which read no game code. A
mutant is killed when a test fails or runs out of time; one that does not
compile does not count. Every file is restored afterwards.

Configure BUILD with -DPUNKTFELD_TESTFRIST=60, so that a mutant that makes a
test hang is killed within a minute, and with
-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS, so that reading past the end of a
vector stops the test instead of going unseen.
"""
import argparse
import os
import random
import re
import signal
import subprocess

SWAPS = {
    'rel': [(' < ', ' <= '), (' <= ', ' < '), (' > ', ' >= '), (' >= ', ' > '), (' == ', ' != '), (' != ', ' == ')],
    'ari': [(' + ', ' - '), (' - ', ' + '), (' * ', ' / '), (' / ', ' * '), (' % ', ' / '), ('++', '--'),
            ('--', '++'), (' += ', ' -= '), (' -= ', ' += ')],
    'log': [(' && ', ' || '), (' || ', ' && ')],
}
# Lines that declare rather than do; deleting them would only fail to compile.
KEYWORDS = ('return', 'case', 'default', 'public', 'private', 'class', 'struct', 'using', 'namespace', 'friend',
            'Q_OBJECT', 'enum')
DECLARATION = re.compile(r'^(const |static |constexpr |auto |int |bool |QString |QByteArray |std::|Feld \*|Seite \*|'
                         r'Zug \*|char |double |QPoint |QRect)')
CONDITION = re.compile(r'^(\s*(?:\} else )?(?:if|while) \()(.*)(\)(?: \{)?)$')


def code_of(line):
    """The line without its comment, string contents blanked."""
    line = line.split('//')[0]
    return re.sub(r'"(\\.|[^"\\])*"', lambda m: '"' + ' ' * (len(m.group(0)) - 2) + '"', line)


def mutants(path, text):
    found = []
    for number, line in enumerate(text.split('\n')):
        stripped = line.strip()
        if not stripped or stripped.startswith(('#', '//', '*', '/*')):
            continue
        code = code_of(line)
        for kind, swaps in SWAPS.items():
            for old, new in swaps:
                found += [(path, kind, number, m.start(), old, new) for m in re.finditer(re.escape(old), code)]
        for old, new in (('true', 'false'), ('false', 'true')):
            found += [(path, 'bool', number, m.start(), old, new) for m in re.finditer(r'\b%s\b' % old, code)]
        for m in re.finditer(r'(?<![\w.])(\d+)(?![\w.])', code):
            value = int(m.group(1))
            found += [(path, 'const', number, m.start(), m.group(1), str(v)) for v in (value + 1, value - 1) if v >= 0]
        if (stripped.endswith(';') and '(' in stripped and not stripped.startswith(KEYWORDS)
                and not DECLARATION.match(stripped)):
            found.append((path, 'del', number, 0, line, ''))
        m = CONDITION.match(line)
        if m and m.group(2).count('(') == m.group(2).count(')'):
            found.append((path, 'neg', number, 0, line, m.group(1) + '!(' + m.group(2) + ')' + m.group(3)))
    return found


def apply(text, mutant):
    _, kind, number, position, old, new = mutant
    lines = text.split('\n')
    if kind in ('del', 'neg'):
        lines[number] = new
    else:
        lines[number] = lines[number][:position] + new + lines[number][position + len(old):]
    return '\n'.join(lines)


def run(build, mutant, tests):
    path = mutant[0]
    with open(path) as f:
        original = f.read()
    try:
        with open(path, 'w') as f:
            f.write(apply(original, mutant))
        if subprocess.run(['cmake', '--build', build], capture_output=True).returncode != 0:
            return 'invalid', []
        # A crashing test would otherwise wait for gdb to print its stack.
        environment = dict(os.environ, QT_QPA_PLATFORM='offscreen', PUNKTFELD_DAUERLAUF_SEKUNDEN='5',
                           QTEST_DISABLE_STACK_DUMP='1')
        # ctest and the tests it starts get a process group of their own, so
        # that a run out of time is ended by that group's id and nothing else.
        auswahl = ['-R', tests] if tests else []
        ctest = subprocess.Popen(['ctest', '--timeout', '40', '--stop-on-failure', '-j', str(os.cpu_count()), '-E',
                                  'tst_fenster|paket_|starter_|metainfo_|reuse_'] + auswahl,
                                 cwd=build, env=environment, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                 text=True, start_new_session=True)
        try:
            output, _ = ctest.communicate(timeout=300)
        except subprocess.TimeoutExpired:
            os.killpg(ctest.pid, signal.SIGKILL)
            ctest.communicate()
            return 'killed', ['(time)']
        failed = re.findall(r'\d+ - (\S+) \(', output)
        return ('killed' if ctest.returncode != 0 else 'survived'), failed
    finally:
        with open(path, 'w') as f:
            f.write(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('build', help='a configured build folder')
    parser.add_argument('count', type=int, help='how many mutants to draw')
    parser.add_argument('seed', type=int, help='the seed of the draw')
    parser.add_argument('--list', action='store_true', help='only list the mutants drawn')
    parser.add_argument('--unter', default='src', help='the folder whose files are mutated')
    parser.add_argument('--ab', type=int, default=0, help='the first mutant of the draw to run')
    parser.add_argument('--bis', type=int, default=None, help='the first mutant of the draw not to run')
    parser.add_argument('--tests', help='run only the tests whose names match this regular expression')
    arguments = parser.parse_args()
    build, count, seed = arguments.build, arguments.count, arguments.seed
    # Without tests every mutant would survive, and the run would say nothing.
    listed = subprocess.run(['ctest', '-N'], cwd=build, capture_output=True, text=True).stdout
    if not re.search(r'Total Tests: [1-9]', listed):
        parser.error('%s has no tests; configure it with BUILD_TESTING=ON' % build)
    everything = []
    for folder, _, files in os.walk(arguments.unter):
        for name in sorted(files):
            if name.endswith(('.cpp', '.h')) and name != 'main.cpp':
                path = os.path.join(folder, name)
                with open(path) as f:
                    everything += mutants(path, f.read())
    everything.sort()
    chosen = random.Random(seed).sample(everything, min(count, len(everything)))
    print('%d mutants in all, %d drawn with seed %d' % (len(everything), len(chosen), seed), flush=True)
    tally = {'killed': 0, 'survived': 0, 'invalid': 0}
    for index, mutant in enumerate(chosen):
        if index < arguments.ab or (arguments.bis is not None and index >= arguments.bis):
            continue
        if arguments.list:
            print(index, mutant)
            continue
        status, failed = run(build, mutant, arguments.tests)
        tally[status] += 1
        print('%3d %-8s %s:%d %s %r -> %r  %s' % (index, status, mutant[0], mutant[2] + 1, mutant[1],
                                                   mutant[4].strip()[:40], mutant[5].strip()[:40], ' '.join(failed)),
              flush=True)
    subprocess.run(['cmake', '--build', build], capture_output=True)
    print('killed %(killed)d of %(valid)d mutants that compile (%(invalid)d did not)'
          % dict(tally, valid=tally['killed'] + tally['survived']))


if __name__ == '__main__':
    main()
