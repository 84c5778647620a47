"""The built program run without a terminal, as a script would run it: every
golden case compared byte for byte with its expected file (each that differs
shown as a diff, and how many do), then input no user should type and output
that cannot be written. Every run writes nothing on standard error and exits
0."""

import os
import random
import subprocess

import pytest

from program_driver import run_without_terminal


def check_clean_end(result):
    assert result.returncode == 0
    assert result.stderr == b""


def test_golden_runs(program, golden):
    differences = []
    for case in golden.cases:
        result = run_without_terminal(program, golden(case + ".in"))
        assert (result.returncode, result.stderr) == (0, b""), case
        differences.append(golden.differs(case + ".out", result.stdout))
    differing = [difference for difference in differences if difference]
    if differing:
        pytest.fail("\n".join(differing) + f"{len(differing)} of {len(golden.cases)} golden cases"
                    " differ (after a deliberate change, tools/update-golden rewrites them)",
                    pytrace=False)


# Standard input that fails to be read, or is slow to come; the golden case
# whose output it gives (a read error is the end of the input), and whether
# the POSIX build alone runs it.
UNUSUAL_INPUTS = [
    ("closed", "empty_input", False),
    ("directory", "empty_input", False),
    ("write-only", "empty_input", True),
    ("slow", "worked_example", True),
]


@pytest.mark.parametrize("source, name, posix_only", UNUSUAL_INPUTS,
                         ids=[row[0] for row in UNUSUAL_INPUTS])
def test_unusual_input(source, name, posix_only, program, golden, expected_output, wine):
    if posix_only and wine:
        pytest.skip("a POSIX descriptor wine does not pass on as it is")
    result = run_without_terminal(program, golden(name + ".in"), source=source)
    check_clean_end(result)
    assert result.stdout == expected_output(name + ".out")


def test_arguments_are_ignored(program, golden, expected_output):
    result = run_without_terminal(program + ["--help", "-v", "extra words"],
                                  golden("worked_example.in"))
    check_clean_end(result)
    assert result.stdout == expected_output("worked_example.out")


# Slow input is waited for, without a final separator too, and without cost:
# a quarter of the second it waits, ten times a sanitized build's.
def test_slow_input_costs_nothing_to_wait_for(program, golden, posix):
    result = run_without_terminal(program, b"10 100 0 0 kN m", source="slow", delay=1.0)
    check_clean_end(result)
    assert result.stdout == golden("worked_example.out")
    assert result.cpu < 0.25, f"{result.cpu:.3f} s of CPU time"


def test_failing_wait_for_slow_input_ends_it(program, golden, posix, failing_wait):
    result = run_without_terminal(program, b"10 100", source="slow", delay=0.5,
                                  env=failing_wait)
    check_clean_end(result)
    assert result.stdout == golden("empty_input.out")


def random_bytes(count):
    generator = random.Random(20261208)
    return bytes(generator.randrange(256) for _ in range(count))


PAGE_OF_TEXT = (b"A simply supported beam rests on a pin at A and a rocker at B.\n"
                b"It carries one load at its centre; what are the reactions?\n"
                b"Paste this anywhere: 12 apples, 3.5 pears, -0 and +7, then a tab\tand more.\n")

# Input no user should type, and output that cannot be written: the program
# writes what report it can, and every report it writes holds.
HOSTILE = [
    ("megabyte-unit-word", b"10 100 0 0 " + b"u" * (1 << 20) + b" m", "pipe"),
    ("nul-bytes", b"10 100 3 0 k\0N \0m\0", "pipe"),
    ("nul-inside-a-number", b"1\0" b"0 100 0 0 kN m", "pipe"),
    ("invalid-utf8", b"10 100 0 4 \xc3\x28\xff\xfe \xe2\x82", "pipe"),
    ("random-bytes", random_bytes(1 << 16), "pipe"),
    ("page-of-text", PAGE_OF_TEXT, "pipe"),
    ("output-to-a-closed-pipe", b"10 100 5 2 kN m", "closed-pipe"),
    ("output-to-a-full-disk", b"10 100 5 2 kN m", "full"),
    ("large-input-to-a-closed-pipe", b"10 100 0 0 " + b"u" * (1 << 20), "closed-pipe"),
]


@pytest.mark.parametrize("answers, output", [row[1:] for row in HOSTILE],
                         ids=[row[0] for row in HOSTILE])
def test_hostile_run(answers, output, program, posix, emulator, request):
    if output == "full" and not os.path.exists("/dev/full"):
        pytest.skip("this system has no /dev/full, a device whose every write fails")
    result = run_without_terminal(program, answers, output=output)
    check_clean_end(result)
    if output == "pipe":
        checker = request.config.getoption("--checker")
        check = subprocess.run([*emulator, checker], input=result.stdout, capture_output=True,
                               check=False)
        assert check.returncode == 0, check.stdout.decode()
