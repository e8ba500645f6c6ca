"""Plants one fault at a time in the product code, rebuilds, runs the tests and reports the faults
that no test caught, telling those left unguarded on purpose from those missed, and how long the
tests took to catch each. Run through scripts/mutate.sh, which builds first and gives it a display.

Usage: mutate.py [--each] [FAULT-NUMBER...]   (default: every fault of mutate-faults.txt)
  --each runs every test for every fault and names the tests that caught it.

mutate-faults.txt holds one fault a line, numbered by its line: file ^ text to find (exactly once)
^ replacement ^ what it is, and for a fault left unguarded on purpose a fifth field: its class (see
the README's Testing) and why; \\n in the texts stands for a line break.

A planted file gets back the very bytes it had, uncommitted edits included, and only while it
still holds the fault: a file edited meanwhile is left as it is and named.
"""
import os
import pathlib
import re
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
PRESET = 'windows-x64'
PREFIX = ROOT / 'build' / PRESET / 'wine' / 'prefix'
TEST_TIMEOUT_S = 300
FAILED_TEST = re.compile(r'^\[  FAILED  \] ([A-Za-z0-9_]*\.[A-Za-z0-9_]*)', re.MULTILINE)


class Fault:
    def __init__(self, number, line):
        fields = line.split('^', 4)
        if len(fields) < 4:
            sys.exit(f'mutate: fault {number} has fewer than four fields')
        self.number = number
        self.file, self.text, self.replacement, self.what = fields[:4]
        self.unguarded_class = fields[4] if len(fields) > 4 else ''

    def bytes_of(self, text):
        return text.replace('\\n', '\n').encode()


def read_faults():
    lines = (ROOT / 'scripts' / 'mutate-faults.txt').read_text().splitlines()
    return [Fault(number, line) for number, line in enumerate(lines, 1)]


class Planted:
    """The fault planted in its file for the time of a with block."""

    def __init__(self, fault):
        self.path = ROOT / fault.file
        self.original = self.path.read_bytes() if self.path.is_file() else b''
        text = fault.bytes_of(fault.text)
        self.occurrences = self.original.count(text)
        self.planted = self.original.replace(text, fault.bytes_of(fault.replacement))

    def __enter__(self):
        self.path.write_bytes(self.planted)
        return self

    def __exit__(self, *_):
        if self.path.read_bytes() == self.planted:
            self.path.write_bytes(self.original)
        else:
            print(f'mutate: {self.path.relative_to(ROOT)} changed while its fault was planted; left as it is',
                  file=sys.stderr, flush=True)


def run(command, timeout=None):
    """Runs COMMAND in a process group of its own, which a timeout or an interruption ends whole
    (Wine's loader under the wrapper included). Returns whether it succeeded and its output."""
    process = subprocess.Popen(command, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True)
    try:
        output, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        end(process)
        return False, ''
    except BaseException:
        end(process)
        raise
    return process.returncode == 0, output.decode(errors='replace')


def end(process):
    os.killpg(process.pid, signal.SIGKILL)
    process.wait()


def build():
    return (run(['cmake', '--build', '--preset', 'host'])[0] and
            run(['cmake', '--build', '--preset', PRESET, '--target', 'all', 'tests'])[0])


def test_programs():
    """Each test executable once, fastest (smallest) first."""
    windows = sorted((ROOT / 'build' / PRESET / 'tests' / 'bin').glob('*.exe'), key=lambda exe: exe.stat().st_size)
    return [[str(ROOT / 'build' / 'host' / 'tests' / 'host' / 'host_arithmetic_tests')]] + [
        [str(ROOT / 'scripts' / 'wine-run.sh'), str(PREFIX), 'x86_64', str(exe)] for exe in windows]


def failing_tests(each):
    """The names of the tests that failed, or of the programs that crashed or timed out; stops at the
    first program that fails unless EACH."""
    failed = []
    for program in test_programs():
        passed, output = run(program + ['--gtest_brief=1'], timeout=TEST_TIMEOUT_S)
        if passed:
            continue
        names = sorted(set(FAILED_TEST.findall(output)))
        failed += names or [f'{os.path.basename(program[-1])} (crashed or timed out)']
        if not each:
            break
    return failed


def try_fault(fault, each):
    """Plants FAULT, rebuilds and tests; returns its line of the report and its outcome."""
    planted = Planted(fault)
    if planted.occurrences != 1:
        found = 'not found' if planted.occurrences == 0 else f'found {planted.occurrences} times'
        return f'{fault.number}  not applicable  {fault.what} ({fault.file}: its text {found})', 'absent'
    with planted:
        if not build():
            return f'{fault.number}  caught (build)  {fault.what}', 'caught'
        start = time.monotonic()
        failed = failing_tests(each)
        seconds = int(time.monotonic() - start)
    marked = f' (marked unguarded, class {fault.unguarded_class})' if fault.unguarded_class else ''
    if failed:
        by = ' by ' + ' '.join(failed) if each else ''
        return f'{fault.number}  caught in {seconds} s  {fault.what}{marked}{by}', 'caught'
    if fault.unguarded_class:
        return f'{fault.number}  unguarded on purpose, class {fault.unguarded_class}  {fault.what}', 'unguarded'
    return f'{fault.number}  MISSED          {fault.what} ({fault.file})', 'missed'


def selected(faults, numbers):
    if not numbers:
        return faults
    unknown = [number for number in numbers if not number.isdigit() or not 1 <= int(number) <= len(faults)]
    if unknown:
        sys.exit(f'mutate: no fault {" ".join(unknown)}; the faults are 1 to {len(faults)}')
    return [fault for fault in faults if str(fault.number) in numbers]


def raise_interrupt(*_):
    raise KeyboardInterrupt


def main(arguments):
    each = bool(arguments) and arguments[0] == '--each'
    faults = selected(read_faults(), arguments[1:] if each else arguments)
    # A closed terminal or a kill ends the run as Ctrl-C does: through the restoring of the file.
    signal.signal(signal.SIGTERM, raise_interrupt)
    signal.signal(signal.SIGHUP, raise_interrupt)

    print('mutate: running the tests without a fault', flush=True)
    if failing_tests(each=False):
        print('mutate: the tests fail without a fault; fix that first', file=sys.stderr)
        return 2
    outcomes = {'caught': [], 'unguarded': [], 'missed': [], 'absent': []}
    for fault in faults:
        line, outcome = try_fault(fault, each)
        print(line, flush=True)
        outcomes[outcome].append(str(fault.number))
    build()
    print(f'mutate: {len(outcomes["caught"])} caught, {len(outcomes["unguarded"])} unguarded on purpose, '
          f'{len(outcomes["missed"])} missed, {len(outcomes["absent"])} not applicable; '
          f'missed: {" ".join(outcomes["missed"]) or "none"}'
          + (f'; not applicable: {" ".join(outcomes["absent"])}' if outcomes['absent'] else ''))
    return 0


if __name__ == '__main__':
    try:
        sys.exit(main(sys.argv[1:]))
    except KeyboardInterrupt:
        sys.exit('mutate: interrupted')
