#!/usr/bin/env python3
"""The Windows build of beam-reactions, run under wine on this machine.

  windows_program_test.py start-server | stop-server
  windows_program_test.py golden EXE GOLDEN_DIR
  windows_program_test.py key EXE KEY_NAME

`golden` runs every case of GOLDEN_DIR/cases.txt with its answers redirected and
no terminal, and compares standard output with the CRLF form of <case>.out; then
the same with standard input closed and a directory, which read as empty input.
`key` starts the program on a pseudo-terminal, types the answers there, and
checks that the named key ends the closing pause with exit status 0.
"""

import fcntl
import os
import select
import subprocess
import sys
import termios
import time

FIRST_PROMPT = b"Enter Value 1"
CLOSING_MESSAGE = b"Press Any Key To Continue"
RUN_TIME_LIMIT = 60
PATIENCE = 30
STILL_WAITING_CHECK = 1.0

KEYS = {
    "letter": b"a",
    "enter": b"\r",
    "arrow": b"\x1b[A",
    "f1": b"\x1bOP",
}


def case_names(golden_dir):
    with open(os.path.join(golden_dir, "cases.txt"), encoding="utf-8") as table:
        for line in table:
            words = line.split()
            if words and not words[0].startswith("#"):
                yield words[0]


def unreadable_inputs():
    """Standard input that cannot be read, as arguments to subprocess.run."""
    yield "closed_input", {"stdin": None, "preexec_fn": lambda: os.close(0)}
    directory = os.open("/", os.O_RDONLY)
    try:
        yield "directory_input", {"stdin": directory}
    finally:
        os.close(directory)


def run_one(exe, name, base, stdin):
    with open(base + ".out", "rb") as expected_file:
        expected = expected_file.read().replace(b"\n", b"\r\n")
    result = subprocess.run(["wine", exe], capture_output=True, start_new_session=True,
                            timeout=RUN_TIME_LIMIT, check=False, **stdin)
    problems = []
    if result.returncode != 0:
        problems.append(f"exit status {result.returncode}")
    if result.stdout != expected:
        at = next((i for i, (a, b) in enumerate(zip(result.stdout, expected)) if a != b),
                  min(len(result.stdout), len(expected)))
        problems.append(f"output differs at byte {at}: "
                        f"{result.stdout[at:at + 40]!r} != {expected[at:at + 40]!r}")
    if result.stderr:
        problems.append(f"standard error: {result.stderr[:200]!r}")
    if problems:
        print(f"FAILED {name}: " + "; ".join(problems))
        return False
    print(f"ok {name}")
    return True


def run_golden(exe, golden_dir):
    results = []
    for name in case_names(golden_dir):
        base = os.path.join(golden_dir, name)
        with open(base + ".in", "rb") as answers:
            results.append(run_one(exe, name, base, {"stdin": answers}))
    # A read error is the end of the input: the output of an empty input.
    for name, stdin in unreadable_inputs():
        results.append(run_one(exe, name, os.path.join(golden_dir, "empty_input"), stdin))
    passed, failed = results.count(True), results.count(False)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 and passed > 0 else 1


def read_until(master, marker, deadline):
    seen = b""
    while marker not in seen and time.monotonic() < deadline:
        ready, _, _ = select.select([master], [], [], 0.1)
        if ready:
            try:
                seen += os.read(master, 4096)
            except OSError:
                break
    return marker in seen


def line_mode_off(terminal, deadline):
    while time.monotonic() < deadline:
        if not termios.tcgetattr(terminal)[3] & termios.ICANON:
            return True
        time.sleep(0.05)
    return False


def run_key(exe, key_name):
    master, slave = os.openpty()

    def take_terminal():
        os.setsid()
        fcntl.ioctl(0, termios.TIOCSCTTY, 0)

    program = subprocess.Popen(["wine", exe], stdin=slave, stdout=slave, stderr=slave,
                               preexec_fn=take_terminal)
    try:
        # Typed once the console is up and asking, as a person would; wine's
        # console takes the terminal out of line mode when it starts reading.
        deadline = time.monotonic() + PATIENCE
        if not read_until(master, FIRST_PROMPT, deadline) or not line_mode_off(slave, deadline):
            print(f"FAILED {key_name}: the first prompt never came")
            return 1
        os.write(master, b"10 100 0 0 kN m\r")
        if not read_until(master, CLOSING_MESSAGE, time.monotonic() + PATIENCE):
            print(f"FAILED {key_name}: the closing message never came")
            return 1
        time.sleep(STILL_WAITING_CHECK)
        if program.poll() is not None:
            print(f"FAILED {key_name}: the pause ended before any key")
            return 1
        os.write(master, KEYS[key_name])
        try:
            status = program.wait(PATIENCE)
        except subprocess.TimeoutExpired:
            print(f"FAILED {key_name}: the key did not end the pause")
            return 1
        if status != 0:
            print(f"FAILED {key_name}: exit status {status}")
            return 1
        print(f"ok {key_name}")
        return 0
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
        os.close(master)
        os.close(slave)


def main(arguments):
    if arguments == ["start-server"]:
        # One persistent server for the whole run; booting the prefix once here
        # spares every test the cost of a fresh start.
        # The server and wine's own services outlive this script: they must not
        # hold its output open, or the test runner would wait for them.
        quiet = {"stdin": subprocess.DEVNULL, "stdout": subprocess.DEVNULL,
                 "stderr": subprocess.DEVNULL, "start_new_session": True}
        subprocess.run(["wineserver", "-p"], check=False, **quiet)  # may be up already
        subprocess.run(["wine", "wineboot", "-i"], check=True, **quiet)
        return 0
    if arguments == ["stop-server"]:
        subprocess.run(["wineserver", "-k"], check=False)
        return 0
    if len(arguments) == 3 and arguments[0] == "golden":
        return run_golden(arguments[1], arguments[2])
    if len(arguments) == 3 and arguments[0] == "key" and arguments[2] in KEYS:
        return run_key(arguments[1], arguments[2])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
