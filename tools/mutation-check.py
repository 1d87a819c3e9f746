#!/usr/bin/env python3
"""Asks whether the tests catch deliberate faults: each mutant of tools/mutants.txt (a small
change of one line of code) is put in, the tests are built and run, and the change is taken out
again. A mutant the tests catch is "caught"; one they let pass is "missed"; one that does not
build is left out. Run it before and after a change of the tests: what was caught must stay
caught.

    tools/mutation-check.py [--only N,N,...] [--build DIR]

Each line of tools/mutants.txt: file | text as it stands | text it becomes (the text must stand
in the file exactly once). Lines starting with # are notes.
"""
import argparse
import pathlib
import subprocess
import sys
import time

root = pathlib.Path(__file__).resolve().parent.parent


def mutants():
    for number, line in enumerate((root / 'tools/mutants.txt').read_text().splitlines()):
        if line.strip() and not line.startswith('#'):
            path, old, new = (part.strip() for part in line.split(' | '))
            yield path, old, new


def run(command, cwd, timeout=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                          timeout=timeout).returncode


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--only', help='the numbers of the mutants to try, comma-separated')
    parser.add_argument('--build', default=str(root / 'build-mutation'))
    args = parser.parse_args()
    only = {int(n) for n in args.only.split(',')} if args.only else None
    build = pathlib.Path(args.build)
    subprocess.run(['cmake', '-S', str(root), '-B', str(build), '-G', 'Ninja',
                    '-DCMAKE_BUILD_TYPE=RelWithDebInfo', '-DOBZORKA_BENCH=OFF',
                    '-DCMAKE_CXX_COMPILER_LAUNCHER=ccache'], check=True, stdout=subprocess.DEVNULL)
    if run(['cmake', '--build', '.', '-j2'], build) != 0:
        sys.exit('the unchanged tree does not build')
    caught, missed = [], []
    env_ctest = ['env', 'QT_QPA_PLATFORM=offscreen', 'ctest', '-j2', '--timeout', '180',
                 '--stop-on-failure']
    for number, (path, old, new) in enumerate(mutants(), 1):
        if only and number not in only:
            continue
        file = root / path
        text = file.read_text()
        if text.count(old) != 1:
            print(f'{number:3} {path}: the text stands {text.count(old)} times, left out')
            continue
        started = time.time()
        try:
            file.write_text(text.replace(old, new))
            if run(['cmake', '--build', '.', '-j2'], build) != 0:
                verdict = 'does not build'
            else:
                verdict = 'caught' if run(env_ctest, build, timeout=1800) != 0 else 'MISSED'
        finally:
            file.write_text(text)
        (caught if verdict == 'caught' else missed if verdict == 'MISSED' else []).append(number)
        print(f'{number:3} {verdict:14} {time.time() - started:5.0f} s  {path}: {old} -> {new}',
              flush=True)
    run(['cmake', '--build', '.', '-j2'], build)
    print(f'caught {len(caught)}, missed {len(missed)}: {",".join(map(str, missed)) or "none"}')
    print(f'caught: {",".join(map(str, caught))}')


if __name__ == '__main__':
    main()
