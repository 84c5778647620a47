"""The program at a terminal: each row is a scenario on a pseudo-terminal the
test owns. What runs (the setup), what is typed or sent (the steps), and what
the end must show: how the program ended, the whole screen (bytes, or an
expected file), what was typed and never read, standard output, the CPU time
used. The terminal's mode must always be as it was before the run."""

import os
import signal
import termios
import time
from dataclasses import dataclass, field

import pytest

from program_driver import PATIENCE, STILL_WAITING, TerminalRun, eventually

MESSAGE = b"Press Any Key To Continue\r\n"
ANSWERS = b"10 100 0 0 kN m\n"
QUESTION = b"= "  # how every question ends, the program waiting after it
QUICK = 1.0  # for a run that must not wait at all


# The steps a scenario takes, in order: what the test does, and what it checks.

def expect(what, failure):
    def step(run):
        assert what(run), f"{failure}; the screen ended with:\n{run.last_lines()}"
    return step


def still_running(run):
    time.sleep(STILL_WAITING)
    return run.running()


pause = expect(lambda run: run.at_pause() and still_running(run), "no pause, or one ended early")
waiting = expect(still_running, "it ended instead of waiting")
stopped = expect(lambda run: run.stopped(), "the program was not stopped")
restored = expect(lambda run: run.mode_restored(), "the terminal's mode was not given back")
# Wine's console takes the terminal out of line mode when it reads.
line_mode_off = expect(lambda run: eventually(lambda: not run.mode()[3] & termios.ICANON),
                       "wine's console never read")


def shows(text, patience=PATIENCE):
    return expect(lambda run: run.shows(text, patience), f"{text!r} was never shown")


def not_shown(text):
    return expect(lambda run: text not in run.shown(), f"{text!r} was shown")


def typed(keys, gap=0.0):
    def type_keys(run):
        for key in [keys] if gap == 0 else [bytes([byte]) for byte in keys]:
            run.type(key)
            time.sleep(gap)
    return type_keys


def sent(number):
    return lambda run: run.send(number)


def sleep(seconds):
    return lambda run: time.sleep(seconds)


def hang_up(run):
    run.hang_up()


def brought_to_the_foreground(run):
    os.kill(run.process.pid, signal.SIGUSR1)  # the session leader plays the shell's fg


def with_setup(**setup):
    return {"answers": "worked_example.in", "output": "null", **setup}


@dataclass
class Scenario:
    name: str
    steps: list
    setup: dict = field(default_factory=with_setup)
    status: int = 0  # as subprocess gives it: -N for death by signal N
    screen: object = MESSAGE  # bytes, an expected file's name, or None when not checked
    left: object = b""  # typed and never read, or None when not checked
    stdout: object = None  # (expected file, how many of its bytes), when checked
    patience: float = PATIENCE  # how soon after the last step it must end
    cpu: object = None  # the most CPU seconds the whole run may take


def key(name, keys, left=b"", gap=0.0):
    return Scenario(f"key-{name}", [pause, typed(keys, gap)], left=left)


# Raw mode: the control keys are ordinary keys. Which bytes make one key is
# the key rule's, tested on its own; here, that the wait follows it.
KEYS = [
    key("letter", b"a"), key("ctrl-c", b"\x03"), key("ctrl-z", b"\x1a"),
    key("ctrl-backslash", b"\x1c"), key("ctrl-s", b"\x13"), key("ctrl-q", b"\x11"),
    key("arrow-slowly", b"\x1b[A", gap=0.05), key("lone-esc", b"\x1b"),
    # One key is taken whole, and what follows it stays for the shell.
    key("burst-of-letters", b"ab", left=b"b"), key("burst-arrow-letter", b"\x1b[Aa", left=b"a"),
    Scenario("key-typed-ahead", [], with_setup(typed_ahead=b"x"), screen=None),
    # Limits far above a sanitized build's (20 ms to end, 25 ms of CPU), far
    # below a letter waited on (150 ms) or a wait that spins (1.5 s).
    Scenario("key-ends-it-at-once", [pause, typed(b"a")], patience=0.12),
    Scenario("key-waited-for-without-cost", [pause, sleep(1.5), typed(b"a")], cpu=0.25),
]

TERMINATING_SIGNALS = [getattr(signal, name) for name in (
    "SIGHUP", "SIGINT", "SIGQUIT", "SIGTERM", "SIGALRM", "SIGUSR1", "SIGUSR2", "SIGVTALRM",
    "SIGPROF", "SIGXCPU", "SIGPOLL", "SIGPWR", "SIGRTMIN", "SIGRTMAX") if hasattr(signal, name)]
SIGNALS = [
    scenario for number in TERMINATING_SIGNALS for scenario in (
        Scenario(f"signal-{signal.Signals(number).name}", [pause, sent(number)], status=-number,
                 left=None),
        # The message is not shown again: an ignored signal is not a stop.
        Scenario(f"ignored-{signal.Signals(number).name}",
                 [pause, sent(number), waiting, typed(b"a")], with_setup(ignored=(number,))))]

STOP, CONT, TERM, HUP = signal.SIGTSTP, signal.SIGCONT, signal.SIGTERM, signal.SIGHUP
JOBS = [
    # Back from the stop, the screen ends with the message again.
    Scenario("job-stopped-and-continued", [pause, sent(STOP), stopped, restored, sent(CONT),
                                           pause, typed(b"a")],
             with_setup(job="foreground", output="terminal"),
             screen="stopped_and_continued.screen"),
    # The shell's kill sends SIGCONT after the signal to a stopped job.
    Scenario("job-stopped-then-term", [pause, sent(STOP), stopped, sent(TERM), sent(CONT)],
             with_setup(job="foreground"), status=128 + TERM, left=None),
    Scenario("background-job-then-term", [stopped, sent(TERM), sent(CONT)],
             with_setup(job="background"), status=128 + TERM, screen=b""),
    Scenario("background-job-then-hup", [stopped, sent(HUP), sent(CONT)],
             with_setup(job="background"), status=128 + HUP, screen=b""),
    Scenario("background-job-brought-to-the-foreground",
             [stopped, brought_to_the_foreground, pause, typed(b"a")],
             with_setup(job="background")),
    Scenario("background-job-ignoring-sigttou", [],
             with_setup(job="background", ignored=(signal.SIGTTOU,)), screen=b"", patience=QUICK),
]

OUTPUTS = [
    # Its reader (a pager) may read the terminal: no pause, the key left for it.
    Scenario("output-pipe", [], with_setup(output="pipe", typed_ahead=b"q\n"), screen=b"q\r\n",
             left=b"q\n", stdout=("worked_example.out", None), patience=QUICK),
    Scenario("output-file", [pause, typed(b"a")], with_setup(output="file"),
             stdout=("worked_example.out", None)),
    Scenario("output-closed", [pause, typed(b"a")], with_setup(output="closed")),
    # The terminal opened later must not take the place of standard input.
    Scenario("input-closed", [pause, typed(b"a")], with_setup(answers="closed")),
    # The message is shown where the key is read.
    Scenario("output-other-terminal", [pause, typed(b"a")], with_setup(output="other-terminal")),
    Scenario("output-read-only-terminal", [pause, typed(b"a")],
             with_setup(output="read-only-terminal")),
    # Ctrl+S suspends a terminal left non-blocking: its output waits for Ctrl+Q.
    Scenario("output-non-blocking-terminal-suspended",
             [sleep(STILL_WAITING), typed(b"\x11"), pause, typed(b"a")],
             with_setup(output="terminal", nonblocking=True, typed_ahead=b"\x13"),
             screen="report.screen"),
    # Copies pausing on one terminal take turns, each key ending one.
    Scenario("two-copies-at-once",
             [shows(MESSAGE), pause, not_shown(MESSAGE * 2), typed(b"a"), shows(MESSAGE), pause,
              typed(b"b")], with_setup(copies=2), screen=MESSAGE * 2),
    # SIGXFSZ is ignored: the write past the limit only fails.
    Scenario("output-file-at-its-size-limit", [pause, typed(b"a")],
             with_setup(output="file", file_limit=512), stdout=("worked_example.out", 512)),
]

IGNORING_HUP = {"ignored": (HUP,)}
DIALOGUES = [
    Scenario("typed-answers-output-file", [shows(QUESTION), typed(ANSWERS), pause, typed(b"a")],
             {"output": "file"}, screen="questions.screen", stdout=("typed_ahead.out", None)),
    # A person's whole run: each answer typed once its question is on the screen.
    Scenario("answered-at-the-terminal",
             [step for answer in (b"10\n", b"100\n", b"0\n", b"0\n", b"kN\n", b"m\n")
              for step in (shows(QUESTION), typed(answer))] + [pause, typed(b"a")],
             {}, screen="answered.screen"),
    # No controlling terminal: the questions on the terminal the answers come from, no pause.
    Scenario("typed-answers-no-controlling-terminal", [shows(QUESTION), typed(ANSWERS)],
             {"output": "file", "controlling": False}, screen="questions.screen",
             stdout=("typed_ahead.out", None), patience=QUICK),
    # Without one, the screen is the terminal the answers come from: shown once there.
    Scenario("typed-answers-same-terminal-no-controlling-terminal",
             [shows(QUESTION), typed(ANSWERS)], {"controlling": False},
             screen="typed_ahead.screen", patience=QUICK),
    Scenario("typed-answers-other-terminal-no-controlling-terminal",
             [shows(QUESTION), typed(ANSWERS)], {"output": "other-terminal", "controlling": False},
             screen="questions.screen", patience=QUICK),
    Scenario("terminal-returning-at-once",
             [shows(QUESTION), sleep(STILL_WAITING), not_shown(b"Enter Value 2"),
              typed(b"10 "), sleep(STILL_WAITING), typed(b"100 0 0 kN m\n"),
              shows(b" By = 50 kN"), pause, typed(b"a")], {"min_zero": True}, screen=None),
    Scenario("hang-up-in-the-dialogue-sighup-ignored",
             [typed(b"10\n100\n"), shows(b"Enter Value 3"), hang_up], IGNORING_HUP,
             screen=None, left=None, patience=QUICK),
    # With MIN 0, nothing read after the wait said there was input is the end.
    Scenario("hang-up-in-the-dialogue-min-zero", [shows(QUESTION), hang_up],
             {**IGNORING_HUP, "min_zero": True}, screen=None, left=None, patience=QUICK),
    Scenario("hang-up-at-the-pause-sighup-ignored", [pause, hang_up],
             with_setup(**IGNORING_HUP), screen=None, left=None, patience=QUICK),
]


def play(scenario, command, golden, expected_output, env=None, mode_settles=0.0):
    setup = dict(scenario.setup)
    if setup.get("answers") not in (None, "closed"):
        setup["answers"] = os.path.join(golden.directory, setup["answers"])
    run = TerminalRun(command, env=env, **setup)
    try:
        for step in scenario.steps:
            step(run)
        finished = run.finish(scenario.patience)
        assert finished is not None, (f"still running {scenario.patience} s after the last step;"
                                      f" the screen ended with:\n{run.last_lines()}")
        assert finished.returncode == scenario.status
        if run.master >= 0:  # a terminal that hung up has no mode to look at
            assert eventually(run.mode_restored, mode_settles), \
                "the terminal's mode is not as it was"
        if isinstance(scenario.screen, str):
            difference = golden.differs(scenario.screen, run.shown())
            assert not difference, difference
        elif scenario.screen is not None:
            assert run.shown() == scenario.screen
        if scenario.left is not None:
            assert run.left_unread() == scenario.left
        if scenario.stdout is not None:
            name, size = scenario.stdout
            assert run.standard_output() == expected_output(name)[:size]
        if scenario.cpu is not None:
            assert finished.cpu < scenario.cpu, f"{finished.cpu:.3f} s of CPU time"
    finally:
        run.close()


def scenarios(table):
    return pytest.mark.parametrize("scenario", table, ids=[s.name for s in table])


@scenarios(KEYS)
def test_closing_key(scenario, program, golden, expected_output, posix):
    play(scenario, program, golden, expected_output)


PAUSE_SCENARIOS = SIGNALS + JOBS + OUTPUTS + DIALOGUES


@scenarios(PAUSE_SCENARIOS)
def test_closing_pause(scenario, program, golden, expected_output, posix, emulator):
    if emulator and scenario.name == "signal-SIGRTMIN":
        pytest.skip("qemu-user takes the host's SIGRTMIN for its own: the program never receives it")
    play(scenario, program, golden, expected_output)


def test_closing_pause_whose_wait_fails(program, golden, expected_output, posix, failing_wait):
    play(Scenario("failing-wait", [], patience=QUICK), program, golden, expected_output,
         failing_wait)


# Each write taking one byte: the report and the closing message still whole.
def test_closing_pause_writing_a_byte_at_a_time(program, golden, expected_output, posix,
                                                one_byte_writes):
    play(Scenario("one-byte-writes", [pause, typed(b"a")], with_setup(output="file"),
                  stdout=("worked_example.out", None)), program, golden, expected_output,
         one_byte_writes)


# A MIN 0 terminal whose wait says input is ready when none is: the answers end.
def test_closing_pause_after_a_min_zero_wait_without_input(program, golden, expected_output,
                                                          posix, failing_wait):
    play(Scenario("min-zero-ready", [pause, typed(b"a")], {"min_zero": True, "output": "null"},
                  screen=None), program, golden, expected_output,
         dict(failing_wait, WAIT_SAYS_READY="1"))


# The Windows build under wine: answers typed at wine's console, which wine
# makes of the terminal its standard error is on.
WINE_SETUP = {"errors_on_terminal": True}


# Wine's console ends each question without its last space.
WINE_QUESTIONS = [(b"Enter Value 1", b"10\r"), (b"Enter Value 2", b"100\r"),
                  (b"Enter Value 3", b"0\r"), (b"Enter Value 4", b"0\r"),
                  (b"Vertically Downward", b"kN\r"), (b"For The Length", b"m\r")]
WINE_PATIENCE = PATIENCE * 3  # wine's own start can hold its console for seconds


def wine_run(name, key, **expected):
    """Each answer typed once its question is on the screen, as a person types
    them, then `key` once the closing message is."""
    answers = [step for question, answer in WINE_QUESTIONS
               for step in (shows(question, WINE_PATIENCE), line_mode_off, typed(answer))]
    return Scenario(f"wine-{name}",
                    answers + [shows(b"Press Any Key To Continue", WINE_PATIENCE), waiting,
                               typed(key)],
                    {**WINE_SETUP, **expected.pop("setup", {})}, screen=None, left=None,
                    patience=WINE_PATIENCE, **expected)


WINE_SCENARIOS = [
    wine_run("key-letter", b"a"), wine_run("key-enter", b"\r"), wine_run("key-arrow", b"\x1b[A"),
    wine_run("key-f1", b"\x1bOP"),
    # Ctrl+C is an ordinary key at the pause, not the end of the program.
    wine_run("key-ctrl-c", b"\x03"),
    wine_run("output-file", b"a", setup={"output": "file"}, stdout=("worked_example.out", None)),
]


@scenarios(WINE_SCENARIOS)
def test_windows_console(scenario, program, golden, expected_output, wine):
    if not wine:
        pytest.skip("the Windows console, run under wine")
    # Wine's console host, a process of its own, puts the terminal's mode
    # back a moment after the program has ended.
    play(scenario, program, golden, expected_output, mode_settles=QUICK)
