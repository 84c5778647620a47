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
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include "case_name.hpp"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto PATIENCE = 10s;
constexpr auto STILL_WAITING_CHECK = 300ms;

bool sameMode(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::equal(std::begin(a.c_cc), std::end(a.c_cc), b.c_cc);
}

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
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        close(master_);
        close(slave_);
    }

    // Types `keys` before the program starts, when they are given.
    void start(const std::string& typedAhead = "") {
        if (!typedAhead.empty()) {
            typeKeys(typedAhead);
        }
        child_ = fork();
        if (child_ == 0) {
            setsid();
            ioctl(slave_, TIOCSCTTY, 0);
            // The master goes first: when this test runs without standard input,
            // it may be descriptor 0 itself.
            close(master_);
            const int answers = open(GOLDEN_DIRECTORY "/worked_example.in", O_RDONLY);
            const int nowhere = open("/dev/null", O_WRONLY);
            dup2(answers, STDIN_FILENO);
            dup2(nowhere, STDOUT_FILENO);
            dup2(nowhere, STDERR_FILENO);
            if (slave_ > STDERR_FILENO) {
                close(slave_);
            }
            execl(BEAM_REACTIONS_PROGRAM, BEAM_REACTIONS_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    // True once the terminal has been switched to raw mode for the pause.
    bool reachesThePause() const {
        const auto deadline = Clock::now() + PATIENCE;
        while (Clock::now() < deadline) {
            termios now{};
            tcgetattr(slave_, &now);
            if ((now.c_lflag & ECHO) == 0) {
                return true;
            }
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }

    bool stillRunning() {
        int status = 0;
        if (waitpid(child_, &status, WNOHANG) == child_) {
            ended_ = true;
            status_ = status;
        }
        return !ended_;
    }

    void typeKeys(const std::string& keys) const {
        ASSERT_EQ(write(master_, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    void sendSignal(int signalNumber) const { kill(child_, signalNumber); }

    // The wait status once the program ends, or nothing within the patience.
    std::optional<int> ending() {
        const auto deadline = Clock::now() + PATIENCE;
        while (stillRunning()) {
            if (Clock::now() >= deadline) {
                return std::nullopt;
            }
            std::this_thread::sleep_for(5ms);
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

    // Whatever the program wrote back to the terminal, such as an echo.
    std::string shownOnTerminal() const {
        std::string shown;
        pollfd ready{master_, POLLIN, 0};
        char chunk[256];
        while (poll(&ready, 1, 50) == 1 && (ready.revents & POLLIN) != 0) {
            const ssize_t count = read(master_, chunk, sizeof chunk);
            if (count <= 0) {
                break;
            }
            shown.append(chunk, static_cast<std::size_t>(count));
        }
        return shown;
    }

  private:
    int master_ = -1;
    int slave_ = -1;
    termios modeBefore_{};
    pid_t child_ = -1;
    bool ended_ = false;
    int status_ = 0;
};

struct KeyCase {
    const char* name;
    std::string keys;
    friend void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }
};

class ClosingKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ClosingKey, EndsTheWaitWholeWithoutEchoAndRestoresTheTerminal) {
    PausedProgram program;
    program.start();
    ASSERT_TRUE(program.reachesThePause());
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_TRUE(program.stillRunning()) << "the pause ended before any key";

    program.typeKeys(GetParam().keys);
    const auto status = program.ending();
    ASSERT_TRUE(status.has_value()) << "the key did not end the pause";
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    EXPECT_TRUE(program.modeRestored());
    EXPECT_EQ(program.unreadInput(), 0);
    EXPECT_EQ(program.shownOnTerminal(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClosingKey,
    testing::Values(KeyCase{"Letter", "a"}, KeyCase{"Enter", "\r"}, KeyCase{"CtrlC", "\x03"},
                    KeyCase{"CtrlZ", "\x1a"}, KeyCase{"CtrlBackslash", "\x1c"},
                    KeyCase{"ArrowUp", "\x1b[A"}, KeyCase{"CtrlArrowRight", "\x1b[1;5C"},
                    KeyCase{"ApplicationArrow", "\x1bOB"}, KeyCase{"F1", "\x1bOP"},
                    KeyCase{"ShiftF1", "\x1b[1;2P"}, KeyCase{"F5", "\x1b[15~"},
                    KeyCase{"LinuxConsoleF1", "\x1b[[A"}, KeyCase{"Delete", "\x1b[3~"},
                    KeyCase{"AltLetter",
                            "\x1b"
                            "a"},
                    KeyCase{"AltArrow", "\x1b\x1b[A"}, KeyCase{"LoneEsc", "\x1b"},
                    KeyCase{"TwoByteCharacter", "\xC3\xA9"},
                    KeyCase{"FourByteCharacter", "\xF0\x9F\x98\x80"}),
    testing_support::CaseName{});

TEST(ClosingPause, AKeyTypedAheadEndsItAtOnce) {
    PausedProgram program;
    program.start("x");
    const auto status = program.ending();
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 0);
    EXPECT_TRUE(program.modeRestored());
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

INSTANTIATE_TEST_SUITE_P(Signals, TerminatingSignal,
                         testing::Values(SIGTERM, SIGHUP, SIGINT, SIGQUIT),
                         [](const testing::TestParamInfo<int>& test) {
                             return std::string(sigabbrev_np(test.param));
                         });

}  // namespace
