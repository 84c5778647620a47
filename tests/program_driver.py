"""Runs the built beam-reactions as a user's shell would: without a terminal,
or on a pseudo-terminal of the test's own that it types at through pexpect."""

import collections
import contextlib
import fcntl
import io
import os
import resource
import signal
import subprocess
import tempfile
import termios
import threading
import time

import pexpect.fdpexpect

PATIENCE = 10  # seconds for anything that must happen
STILL_WAITING = 0.3  # how long a wait must go on to count as waiting
RUN_TIME_LIMIT = 10  # a run without a terminal that takes longer is a hang
# Dispositions a terminal's shell gives a program it starts, whatever the test
# runner was given (a background job ignores SIGINT and SIGQUIT).
DEFAULT_SIGNALS = [signal.SIGHUP, signal.SIGINT, signal.SIGQUIT, signal.SIGTERM,
                   signal.SIGTSTP, signal.SIGTTIN, signal.SIGTTOU]

# How a run ended: returncode as subprocess gives it (-N for signal N), the CPU
# time the program used, and, without a terminal, what it wrote.
Finished = collections.namedtuple("Finished", "returncode cpu stdout stderr",
                                  defaults=(b"", b""))


def eventually(condition, patience=PATIENCE):
    deadline = time.monotonic() + patience
    while not condition():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.005)
    return True


def children_cpu_seconds():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def _slow_pipe(data, delay):
    """A non-blocking pipe that gets `data` a byte at a time after `delay` s."""
    read_end, write_end = os.pipe()
    os.set_blocking(read_end, False)

    def write_slowly():
        time.sleep(delay)
        with contextlib.suppress(OSError):  # the program may go early
            for byte in data:
                os.write(write_end, bytes([byte]))
                time.sleep(0.02)
        os.close(write_end)

    threading.Thread(target=write_slowly, daemon=True).start()
    return read_end


def run_without_terminal(command, answers=b"", source="file", output="pipe", delay=0.0,
                         env=None):
    """Runs `command` in a session of its own, with no controlling terminal.
    source: file, closed, directory, write-only or slow; output: pipe, full
    (/dev/full) or closed-pipe (its reader gone)."""
    with tempfile.TemporaryFile() as answers_file:
        answers_file.write(answers)
        answers_file.seek(0)
        stdin = {"file": lambda: answers_file.fileno(), "closed": lambda: None,
                 "directory": lambda: os.open("/", os.O_RDONLY),
                 "write-only": lambda: os.open("/dev/null", os.O_WRONLY),
                 "slow": lambda: _slow_pipe(answers, delay)}[source]()
        stdout = subprocess.PIPE
        if output == "full":
            stdout = os.open("/dev/full", os.O_WRONLY)
        elif output == "closed-pipe":
            read_end, stdout = os.pipe()
            os.close(read_end)
        cpu_before = children_cpu_seconds()
        try:
            result = subprocess.run(
                command, stdin=stdin, stdout=stdout, stderr=subprocess.PIPE, env=env,
                start_new_session=True, timeout=RUN_TIME_LIMIT, check=False,
                preexec_fn=(lambda: os.close(0)) if source == "closed" else None)
        except subprocess.TimeoutExpired as hang:
            shown = (hang.output or b"")[-400:].decode(errors="replace")
            raise AssertionError(f"still running after {RUN_TIME_LIMIT} s; it wrote:\n{shown}")
        for fd in (stdin if source not in ("file", "closed") else None,
                   stdout if output != "pipe" else None):
            if fd is not None:
                os.close(fd)
        return Finished(result.returncode, children_cpu_seconds() - cpu_before,
                        result.stdout or b"", result.stderr)


class TerminalRun:
    """The program on a pseudo-terminal the test owns, its controlling terminal
    unless `controlling` is false. Its answers come from the file `answers`,
    are typed (None), or standard input is closed; standard output goes to
    null, file, pipe, closed, terminal (`nonblocking` too), read-only-terminal
    or other-terminal. `copies` of it may start at once, from a shell. As a
    `job` (foreground or background) it runs as a job-control shell starts one,
    in a process group of its own under a session leader that waits for it and
    ends as 128 + the signal that ended it. Standard error goes nowhere, or to
    the terminal (errors_on_terminal), where wine makes its console."""

    def __init__(self, command, answers=None, output="terminal", ignored=(), job=None,
                 min_zero=False, file_limit=None, typed_ahead=b"", env=None,
                 errors_on_terminal=False, nonblocking=False, controlling=True, copies=1):
        self.master, self.slave = os.openpty()
        os.write(self.master, typed_ahead)
        if min_zero:
            _return_at_once(self.slave)
        self.mode_before = termios.tcgetattr(self.slave)
        self.output_file = tempfile.TemporaryFile() if output == "file" else None
        self._opened = []  # descriptors to close once the program has them
        stdout = {"terminal": self.slave, "null": subprocess.DEVNULL, "closed": None,
                  "file": self.output_file}.get(output)
        if output == "pipe":
            self._output_pipe, stdout = os.pipe()
        elif output == "other-terminal":
            self._other_terminal, stdout = os.openpty()
        elif output == "read-only-terminal":
            stdout = os.open(os.ttyname(self.slave), os.O_RDONLY | os.O_NOCTTY)
        if output in ("pipe", "other-terminal", "read-only-terminal"):
            self._opened.append(stdout)
        if copies > 1:
            command = ["sh", "-c", " & ".join(['"$@"'] * copies) + "; wait", "sh", *command]
        stdin = self.slave
        if answers not in (None, "closed"):
            stdin = os.open(answers, os.O_RDONLY)
            self._opened.append(stdin)
        pid_read, pid_write = os.pipe()
        slave = self.slave

        def start_in_child():
            if controlling:
                fcntl.ioctl(slave, termios.TIOCSCTTY, 0)
            if nonblocking:
                os.set_blocking(1, False)
            for number in DEFAULT_SIGNALS:
                signal.signal(number, signal.SIG_DFL)
            for number in ignored:
                signal.signal(number, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
            if file_limit is not None:
                resource.setrlimit(resource.RLIMIT_FSIZE, (file_limit, file_limit))
            for fd, closed in ((0, answers == "closed"), (1, output == "closed")):
                if closed:
                    os.close(fd)
            if job:
                _become_job(slave, job == "foreground", pid_write)

        self.process = subprocess.Popen(
            command, stdin=stdin, stdout=stdout, env=env, start_new_session=True,
            stderr=self.slave if errors_on_terminal else subprocess.DEVNULL,
            preexec_fn=start_in_child)
        for fd in [pid_write, *self._opened]:
            os.close(fd)
        self.pid = int(os.read(pid_read, 32) or self.process.pid) if job else self.process.pid
        os.close(pid_read)
        self.transcript = io.BytesIO()
        self.screen = pexpect.fdpexpect.fdspawn(self.master, timeout=PATIENCE)
        self.screen.logfile_read = self.transcript
        self._cpu_before = children_cpu_seconds()

    def close(self):
        if self.process.poll() is None:
            for pid in {self.pid, self.process.pid}:
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, signal.SIGKILL)
            self.process.wait()
        for fd in (self.master, self.slave, getattr(self, "_output_pipe", None),
                   getattr(self, "_other_terminal", None)):
            with contextlib.suppress(OSError, TypeError):
                os.close(fd)
        if self.output_file:
            self.output_file.close()

    # What the test does.

    def type(self, keys):
        os.write(self.master, keys)

    def send(self, number):
        os.kill(self.pid, number)

    def hang_up(self):
        """The terminal goes away, as when its window is closed."""
        os.close(self.master)
        self.master = -1

    # What the test sees.

    def mode(self):
        return termios.tcgetattr(self.slave)

    def mode_restored(self):
        return self.mode() == self.mode_before

    def at_pause(self):
        """True once the terminal is switched to raw mode for the pause."""
        return eventually(lambda: not self.mode()[3] & termios.ECHO)

    def running(self):
        return self.process.poll() is None

    def stopped(self):
        """True once ps reports the program stopped."""
        return eventually(lambda: b"T" in subprocess.run(
            ["ps", "-o", "stat=", "-p", str(self.pid)], capture_output=True).stdout)

    def shows(self, text, patience=PATIENCE):
        """True once `text` is on the screen."""
        try:
            self.screen.expect_exact(text, timeout=patience)
            return True
        except (pexpect.TIMEOUT, pexpect.EOF):
            return False

    def shown(self):
        """The whole screen: the program's output and the echo of the keys."""
        if self.master >= 0:
            with contextlib.suppress(pexpect.EOF):
                self.screen.expect(pexpect.TIMEOUT, timeout=0.1)
        return self.transcript.getvalue()

    def last_lines(self, count=8):
        return b"\n".join(self.shown().splitlines()[-count:]).decode(errors="replace")

    def left_unread(self):
        """What was typed and never read, once the program has ended."""
        _return_at_once(self.slave)
        try:
            return os.read(self.slave, 4096)
        except BlockingIOError:
            return b""

    def standard_output(self):
        if self.output_file:
            self.output_file.seek(0)
            return self.output_file.read()
        with os.fdopen(os.dup(self._output_pipe), "rb") as pipe:
            return pipe.read()

    def finish(self, patience=PATIENCE):
        """How the program ended, or None if it is still running."""
        try:
            returncode = self.process.wait(patience)
        except subprocess.TimeoutExpired:
            return None
        return Finished(returncode, children_cpu_seconds() - self._cpu_before)


def _return_at_once(terminal):
    """No line editing, and a read returns at once even with nothing typed."""
    mode = termios.tcgetattr(terminal)
    mode[3] &= ~termios.ICANON
    mode[6][termios.VMIN], mode[6][termios.VTIME] = 0, 0
    termios.tcsetattr(terminal, termios.TCSANOW, mode)


def _become_job(terminal, foreground, pid_pipe):
    """In the child about to start the program: fork, so that this process
    stays as the session leader that waits for the job, and the program runs
    in a process group of its own. SIGUSR1 to the leader brings the job to the
    foreground and continues it, as the shell's fg does."""
    program = os.fork()
    if program == 0:
        os.setpgid(0, 0)
        if foreground:
            signal.signal(signal.SIGTTOU, signal.SIG_IGN)
            os.tcsetpgrp(terminal, os.getpid())
            signal.signal(signal.SIGTTOU, signal.SIG_DFL)
        return  # on to start the program

    def bring_to_foreground(*_):
        controlling = os.open("/dev/tty", os.O_RDWR)
        os.tcsetpgrp(controlling, program)
        os.close(controlling)
        os.kill(program, signal.SIGCONT)

    signal.signal(signal.SIGTTOU, signal.SIG_IGN)
    signal.signal(signal.SIGUSR1, bring_to_foreground)
    os.write(pid_pipe, str(program).encode())
    # Nothing held open for the test: it waits for this leader alone.
    os.closerange(3, 1024)
    _, status = os.waitpid(program, 0)
    os._exit(os.WEXITSTATUS(status) if os.WIFEXITED(status) else 128 + os.WTERMSIG(status))
