"""What the Python tests are told by CTest: the program and where the expected
files are. Run by tools/update-golden (BEAM_UPDATE_GOLDEN=1), the expected
files are written from what the program does instead of compared with it."""

import difflib
import os
import shlex

import pytest

UPDATING = os.environ.get("BEAM_UPDATE_GOLDEN") == "1"


def pytest_addoption(parser):
    parser.addoption("--program", required=True, help="the built beam-reactions")
    parser.addoption("--wine", action="store_true", help="the program is the .exe, run under wine")
    parser.addoption("--emulator", default="", help="the command a cross-built program runs under")
    parser.addoption("--golden", required=True, help="the folder of expected files")
    parser.addoption("--checker", help="the command that checks a whole run's invariants")
    parser.addoption("--failing-wait", help="a library whose waits all fail, to preload")
    parser.addoption("--one-byte-writes", help="a library whose writes take a byte, to preload")


@pytest.fixture(scope="session")
def wine(request):
    return request.config.getoption("--wine")


@pytest.fixture(scope="session")
def emulator(request):
    """The command a cross-built program and checker start under, as words;
    none for the machine's own."""
    return shlex.split(request.config.getoption("--emulator"))


@pytest.fixture(scope="session")
def program(request, wine, emulator):
    """The command that starts the program."""
    exe = request.config.getoption("--program")
    return ["wine", exe] if wine else [*emulator, exe]


@pytest.fixture(scope="session")
def golden(request, wine):
    """The expected file `name`; its `cases`, each named in cases.txt; and
    `differs(name, actual)`: how `actual` differs from the file, as a diff of
    lines, or "" (under wine, with the file's line ends CR LF)."""
    directory = request.config.getoption("--golden")

    def expected(name):
        with open(os.path.join(directory, name), "rb") as file:
            return file.read()

    def differs(name, actual):
        path = os.path.join(directory, name)
        if UPDATING and not wine:
            with open(path, "wb") as file:
                file.write(actual)
            return ""
        wanted = expected(name)
        if wine:
            wanted = wanted.replace(b"\n", b"\r\n")
        if actual == wanted:
            return ""
        lines = lambda text: text.decode("utf-8", "backslashreplace").splitlines(keepends=True)
        return "".join(difflib.unified_diff(lines(wanted), lines(actual), f"{path} (expected)",
                                            f"{name} (as the program wrote it)"))

    rows = [line.split() for line in expected("cases.txt").decode().splitlines()]
    expected.cases = [row[0] for row in rows if row and not row[0].startswith("#")]
    expected.directory = directory
    expected.differs = differs
    return expected


@pytest.fixture(scope="session")
def expected_output(golden, wine):
    """The expected file `name` as the program writes it: with CR LF line ends
    under wine, where standard output is in text mode."""
    def output(name):
        return golden(name).replace(b"\n", b"\r\n") if wine else golden(name)
    return output


@pytest.fixture(scope="session")
def posix(wine):
    if wine:
        pytest.skip("a case for the POSIX build; under wine the Windows build's own cases run")


def preloaded(request, option):
    library = request.config.getoption(option)
    if not library:
        pytest.skip("no library to preload on this system")
    # The sanitizers' runtime would otherwise insist on coming first.
    return dict(os.environ, LD_PRELOAD=library, ASAN_OPTIONS="verify_asan_link_order=0")


@pytest.fixture(scope="session")
def failing_wait(request):
    """The environment that makes every wait of the program fail at once."""
    return preloaded(request, "--failing-wait")


@pytest.fixture(scope="session")
def one_byte_writes(request):
    """The environment that makes every write of the program take one byte."""
    return preloaded(request, "--one-byte-writes")
