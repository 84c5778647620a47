// The closing pause, driven on a pseudo-terminal the test owns: the program's
// answers come from a file, its output goes nowhere, and the pseudo-terminal
// is its controlling terminal, where the closing key is typed.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>
#include "case_name.hpp"
#include "golden_file.hpp"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto PATIENCE = 10s;
constexpr auto STILL_WAITING_CHECK = 300ms;
constexpr auto HANG_UP_PATIENCE = 1s;
const std::string CLOSING_MESSAGE_SHOWN = "Press Any Key To Continue\r\n";

// Whether `condition` comes to hold within `patience`.
template <typename Condition>
bool eventually(Condition condition, std::chrono::milliseconds patience = PATIENCE) {
    const auto deadline = Clock::now() + patience;
    while (!condition()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

bool sameMode(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::equal(std::begin(a.c_cc), std::end(a.c_cc), b.c_cc);
}

// Where the program's standard output goes. Its answers come from the worked
// example's file, except at the terminal, where they are typed.
enum class Output { DevNull, File, Pipe, Closed, Terminal };

struct Setup {
    Output output = Output::DevNull;
    std::vector<int> ignoredSignals{};  // ignored from the start, as nohup does
    // Started by a job-control shell: in a process group of its own, in the
    // foreground of a session whose leader waits for it.
    bool asAJob = false;
};

class PausedProgram {
  public:
    PausedProgram() {
        if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) {
            throw std::runtime_error("openpty failed");
        }
        tcgetattr(slave_, &modeBefore_);
    }
    PausedProgram(const PausedProgram&) = delete;
    PausedProgram& operator=(const PausedProgram&) = delete;

    ~PausedProgram() {
        if (child_ > 0 && !ended_) {
            kill(program_, SIGKILL);
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        for (const int fd : {master_, slave_, output_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }

    // Types `typedAhead` before the program starts, when it is given.
    void start(const Setup& setup = {}, const std::string& typedAhead = "") {
        if (!typedAhead.empty()) {
            typeKeys(typedAhead);
        }
        const int programOutput = openOutput(setup.output);
        std::array<int, 2> programPid{};
        ASSERT_EQ(pipe(programPid.data()), 0);
        child_ = fork();
        if (child_ == 0) {
            setsid();
            ioctl(slave_, TIOCSCTTY, 0);
            // The master goes first: when this test runs without standard input,
            // it may be descriptor 0 itself.
            close(master_);
            if (!setup.asAJob) {
                runProgram(setup, programOutput);
            }
            const pid_t program = fork();
            if (program == 0) {
                setpgid(0, 0);
                static_cast<void>(signal(SIGTTOU, SIG_IGN));
                tcsetpgrp(slave_, getpid());
                static_cast<void>(signal(SIGTTOU, SIG_DFL));
                runProgram(setup, programOutput);
            }
            static_cast<void>(write(programPid[1], &program, sizeof program));
            int status = 0;
            waitpid(program, &status, 0);
            _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
        }
        if (programOutput >= 0 && programOutput != output_) {
            close(programOutput);
        }
        close(programPid[1]);
        program_ = child_;
        if (setup.asAJob) {
            ASSERT_EQ(read(programPid[0], &program_, sizeof program_),
                      static_cast<ssize_t>(sizeof program_));
        }
        close(programPid[0]);
    }

    // True once the terminal has been switched to raw mode for the pause.
    bool reachesThePause() const {
        return eventually([this] {
            termios now{};
            tcgetattr(slave_, &now);
            return (now.c_lflag & ECHO) == 0;
        });
    }

    bool stillRunning() {
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            ended_ = true;
            status_ = status;
        }
        return !ended_;
    }

    // True once the program is stopped, as the kernel reports it.
    bool becomesStopped() const {
        const std::string statFile = "/proc/" + std::to_string(program_) + "/stat";
        return eventually([&statFile] {
            const std::string stat = readAll(open(statFile.c_str(), O_RDONLY));
            const std::size_t name = stat.rfind(") ");
            return name != std::string::npos && stat.compare(name + 2, 1, "T") == 0;
        });
    }

    void typeKeys(const std::string& keys) const {
        ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    void sendSignal(int signalNumber) const { kill(program_, signalNumber); }

    // The terminal goes away, as when its window is closed.
    void hangUp() {
        close(master_);
        master_ = -1;
    }

    // The wait status once the program ends, or nothing within `patience`.
    std::optional<int> ending(std::chrono::milliseconds patience = PATIENCE) {
        if (!eventually([this] { return !stillRunning(); }, patience)) {
            return std::nullopt;
        }
        return status_;
    }

    bool modeRestored() const {
        termios after{};
        tcgetattr(slave_, &after);
        return sameMode(modeBefore_, after);
    }

    // Bytes typed but never read by anyone.
    int unreadInput() const {
        int count = 0;
        ioctl(slave_, FIONREAD, &count);
        return count;
    }

    // Whatever the program wrote to the terminal since the last look.
    std::string shownOnTerminal() const {
        std::string shown;
        pollfd ready{master_, POLLIN, 0};
        std::array<char, 256> chunk{};
        while (poll(&ready, 1, 50) == 1 && (ready.revents & POLLIN) != 0) {
            const ssize_t count = read(master_, chunk.data(), chunk.size());
            if (count <= 0) {
                break;
            }
            shown.append(chunk.data(), static_cast<std::size_t>(count));
        }
        return shown;
    }

    // True once `text` has been shown on the terminal.
    bool shows(const std::string& text) const {
        std::string shown;
        return eventually([&] {
            shown += shownOnTerminal();
            return shown.find(text) != std::string::npos;
        });
    }

    // What reached the file or the pipe that standard output went to.
    std::string standardOutput() const {
        if (output_ < 0) {
            return "";
        }
        lseek(output_, 0, SEEK_SET);
        return readAll(dup(output_));
    }

  private:
    static std::string readAll(int fd) {
        std::string all;
        if (fd < 0) {
            return all;
        }
        std::array<char, 4096> chunk{};
        ssize_t count = 0;
        while ((count = read(fd, chunk.data(), chunk.size())) > 0) {
            all.append(chunk.data(), static_cast<std::size_t>(count));
        }
        close(fd);
        return all;
    }

    // The descriptor the program writes its output to; the test keeps what it
    // needs to read that output back in output_.
    int openOutput(Output output) {
        switch (output) {
            case Output::DevNull:
                return open("/dev/null", O_WRONLY | O_CLOEXEC);
            case Output::File: {
                std::string name = "/tmp/beam-reactions-report-XXXXXX";
                output_ = mkostemp(name.data(), O_CLOEXEC);
                unlink(name.c_str());
                return output_;
            }
            case Output::Pipe: {
                std::array<int, 2> ends{};
                if (pipe2(ends.data(), O_CLOEXEC) != 0) {
                    return -1;
                }
                output_ = ends[0];
                return ends[1];
            }
            case Output::Closed:
            case Output::Terminal:
                return -1;
        }
        return -1;
    }

    [[noreturn]] void runProgram(const Setup& setup, int output) const {
        // Whatever this test was started with (a background job ignores
        // SIGINT and SIGQUIT), the program starts with the dispositions a
        // terminal's shell gives it, but for those the case ignores.
        for (const int signalNumber : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGTSTP}) {
            static_cast<void>(signal(signalNumber, SIG_DFL));
        }
        for (const int signalNumber : setup.ignoredSignals) {
            static_cast<void>(signal(signalNumber, SIG_IGN));
        }
        if (setup.output == Output::Terminal) {
            dup2(slave_, STDIN_FILENO);
            dup2(slave_, STDOUT_FILENO);
        } else {
            dup2(open(GOLDEN_DIRECTORY "/worked_example.in", O_RDONLY), STDIN_FILENO);
            dup2(output, STDOUT_FILENO);
        }
        if (setup.output == Output::Closed) {
            close(STDOUT_FILENO);
        }
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        if (slave_ > STDERR_FILENO) {
            close(slave_);
        }
        execl(BEAM_REACTIONS_PROGRAM, BEAM_REACTIONS_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }

    int master_ = -1;
    int slave_ = -1;
    int output_ = -1;
    termios modeBefore_{};
    pid_t child_ = -1;  // the program, or the session leader that started it as a job
    pid_t program_ = -1;
    bool ended_ = false;
    int status_ = 0;
};

// A clean end: exit status 0 and the terminal as it was.
void expectCleanEnd(PausedProgram& program, const std::optional<int>& status) {
    ASSERT_TRUE(status.has_value()) << "the program did not end";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    EXPECT_TRUE(program.modeRestored());
}

struct KeyCase {
    const char* name;
    std::string keys;
    std::chrono::milliseconds betweenBytes{0};  // a slow line sends them apart
    friend void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }
};

class ClosingKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ClosingKey, EndsTheWaitWholeWithoutEchoAndRestoresTheTerminal) {
    PausedProgram program;
    program.start();
    ASSERT_TRUE(program.reachesThePause());
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_TRUE(program.stillRunning()) << "the pause ended before any key";

    if (GetParam().betweenBytes.count() == 0) {
        program.typeKeys(GetParam().keys);
    } else {
        for (const char byte : GetParam().keys) {
            program.typeKeys(std::string(1, byte));
            std::this_thread::sleep_for(GetParam().betweenBytes);
        }
    }
    expectCleanEnd(program, program.ending());
    EXPECT_EQ(program.unreadInput(), 0);
    // Output goes to /dev/null, so the message is shown here; no key is echoed.
    EXPECT_EQ(program.shownOnTerminal(), CLOSING_MESSAGE_SHOWN);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClosingKey,
    testing::Values(KeyCase{"Letter", "a"}, KeyCase{"Enter", "\r"}, KeyCase{"CtrlC", "\x03"},
                    KeyCase{"CtrlZ", "\x1a"}, KeyCase{"CtrlBackslash", "\x1c"},
                    KeyCase{"CtrlS", "\x13"}, KeyCase{"CtrlQ", "\x11"},
                    KeyCase{"ArrowUp", "\x1b[A"}, KeyCase{"ArrowUpSlowly", "\x1b[A", 50ms},
                    KeyCase{"CtrlArrowRight", "\x1b[1;5C"}, KeyCase{"ApplicationArrow", "\x1bOB"},
                    KeyCase{"F1", "\x1bOP"}, KeyCase{"ShiftF1", "\x1b[1;2P"},
                    KeyCase{"F5", "\x1b[15~"}, KeyCase{"LinuxConsoleF1", "\x1b[[A"},
                    KeyCase{"Delete", "\x1b[3~"},
                    KeyCase{"AltLetter",
                            "\x1b"
                            "a"},
                    KeyCase{"AltTwoByteCharacter", "\x1b\xC3\xA9"},
                    KeyCase{"AltArrow", "\x1b\x1b[A"}, KeyCase{"LoneEsc", "\x1b"},
                    KeyCase{"TwoByteCharacter", "\xC3\xA9"},
                    KeyCase{"ThreeByteCharacter", "\xE2\x82\xAC"},
                    KeyCase{"FourByteCharacter", "\xF0\x9F\x98\x80"}),
    testing_support::CaseName{});

TEST(ClosingPause, AKeyTypedAheadEndsItAtOnce) {
    PausedProgram program;
    program.start({}, "x");
    expectCleanEnd(program, program.ending());
    EXPECT_EQ(program.unreadInput(), 0);
}

class TerminatingSignal : public testing::TestWithParam<int> {};

TEST_P(TerminatingSignal, RestoresTheTerminalAndEndsByThatSignal) {
    PausedProgram program;
    program.start();
    ASSERT_TRUE(program.reachesThePause());
    program.sendSignal(GetParam());
    const auto status = program.ending();
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFSIGNALED(*status));
    EXPECT_EQ(WTERMSIG(*status), GetParam());
    EXPECT_TRUE(program.modeRestored());
}

std::string signalName(const testing::TestParamInfo<int>& test) {
    return sigabbrev_np(test.param);
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminatingSignal,
                         testing::Values(SIGTERM, SIGHUP, SIGINT, SIGQUIT), signalName);

class IgnoredSignal : public testing::TestWithParam<int> {};

TEST_P(IgnoredSignal, StaysIgnoredAndTheWaitGoesOn) {
    PausedProgram program;
    program.start({.ignoredSignals = {GetParam()}});
    ASSERT_TRUE(program.reachesThePause());
    program.sendSignal(GetParam());
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_TRUE(program.stillRunning()) << "the ignored signal ended the pause";
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
}

INSTANTIATE_TEST_SUITE_P(Signals, IgnoredSignal, testing::Values(SIGHUP, SIGINT), signalName);

// Started as a job, the program is stopped by SIGTSTP at the pause.
void stopAtThePause(PausedProgram& program) {
    program.start({.asAJob = true});
    ASSERT_TRUE(program.reachesThePause());
    program.sendSignal(SIGTSTP);
    ASSERT_TRUE(program.becomesStopped());
}

TEST(ClosingPause, AStopGivesTheTerminalBackUntilTheJobContinues) {
    PausedProgram program;
    ASSERT_NO_FATAL_FAILURE(stopAtThePause(program));
    EXPECT_TRUE(program.modeRestored());

    program.sendSignal(SIGCONT);
    ASSERT_TRUE(program.reachesThePause()) << "not raw again after SIGCONT";
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_TRUE(program.stillRunning());
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
}

TEST(ClosingPause, ASignalSentWhileStoppedTakesItsCourseOnceContinued) {
    PausedProgram program;
    ASSERT_NO_FATAL_FAILURE(stopAtThePause(program));
    program.sendSignal(SIGTERM);  // held by the kernel until the job continues
    program.sendSignal(SIGCONT);
    const auto status = program.ending();
    ASSERT_TRUE(status.has_value());
    // The session leader passes the program's end on as 128 + its signal.
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 128 + SIGTERM);
    EXPECT_TRUE(program.modeRestored());
}

struct MessageCase {
    const char* name;
    Output output;
    std::string shown;  // on the terminal, besides the report
    bool reportKept;    // the report is what reached standard output
    friend void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.name; }
};

class ClosingMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ClosingMessage, IsShownOnTheTerminalWhenStandardOutputIsNot) {
    PausedProgram program;
    program.start({.output = GetParam().output});
    ASSERT_TRUE(program.reachesThePause());
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
    EXPECT_EQ(program.shownOnTerminal(), GetParam().shown);
    EXPECT_EQ(program.standardOutput(),
              GetParam().reportKept
                  ? testing_support::readFile(GOLDEN_DIRECTORY "/worked_example.out")
                  : "");
}

// A pipe's reader (tee, a pager) shows the message already.
INSTANTIATE_TEST_SUITE_P(
    StandardOutput, ClosingMessage,
    testing::Values(MessageCase{"File", Output::File, CLOSING_MESSAGE_SHOWN, true},
                    MessageCase{"Pipe", Output::Pipe, "", true},
                    MessageCase{"Closed", Output::Closed, CLOSING_MESSAGE_SHOWN, false}),
    testing_support::CaseName{});

TEST(Dialogue, ATerminalThatHangsUpEndsTheRunWithSighupIgnored) {
    PausedProgram program;
    program.start({.output = Output::Terminal, .ignoredSignals = {SIGHUP}});
    program.typeKeys("10\n100\n");
    ASSERT_TRUE(program.shows("Enter Value 3"));
    program.hangUp();
    const auto status = program.ending(HANG_UP_PATIENCE);
    ASSERT_TRUE(status.has_value()) << "still running after the hang-up";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}

}  // namespace
