// The closing pause, driven on a pseudo-terminal the test owns: the program's
// answers come from a file (or are typed), its output goes nowhere (or to a
// file, a pipe, the terminal), and the pseudo-terminal is its controlling
// terminal, where the closing key is typed.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
// openpty: glibc and musl, FreeBSD, then macOS, NetBSD and OpenBSD.
#if __has_include(<pty.h>)
#include <pty.h>
#elif __has_include(<libutil.h>)
#include <libutil.h>
#else
#include <util.h>
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>
#include "case_name.hpp"
#include "child_process.hpp"
#include "golden_file.hpp"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr auto PATIENCE = 10s;
constexpr auto STILL_WAITING_CHECK = 300ms;
constexpr auto QUICK_END = 1s;  // for a run that must not wait at all
const std::string CLOSING_MESSAGE_SHOWN = "Press Any Key To Continue\r\n";

// A signal the pause watches, by the name the shell's kill knows it by.
struct SignalCase {
    std::string name;
    int number;
    friend void PrintTo(const SignalCase& c, std::ostream* out) { *out << c.name; }
};

// Every signal that ends a program by default and that another program may
// send, as the pause must watch them all.
const std::vector<SignalCase>& terminatingSignals() {
    static const std::vector<SignalCase> table = [] {
        std::vector<SignalCase> signals{
            {"HUP", SIGHUP},   {"INT", SIGINT},   {"QUIT", SIGQUIT}, {"TERM", SIGTERM},
            {"ALRM", SIGALRM}, {"USR1", SIGUSR1}, {"USR2", SIGUSR2}, {"VTALRM", SIGVTALRM},
            {"PROF", SIGPROF}, {"XCPU", SIGXCPU},
        };
#ifdef SIGRTMIN
        signals.push_back({"RTMIN", SIGRTMIN});
        signals.push_back({"RTMAX", SIGRTMAX});
#endif
#ifdef SIGPOLL
        signals.push_back({"POLL", SIGPOLL});
#endif
#ifdef SIGPWR
        signals.push_back({"PWR", SIGPWR});
#endif
        return signals;
    }();
    return table;
}

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

// How the program is started: alone in a session of its own, or by a
// job-control shell (a session leader that waits for it) as a job in a
// process group of its own, in the foreground or in the background.
enum class Job { None, Foreground, Background };

struct Setup {
    Output output = Output::DevNull;
    std::vector<int> ignoredSignals{};  // ignored from the start, as nohup does
    Job job = Job::None;
    bool typed = false;                // the answers are typed at the terminal
    bool nonCanonicalMinZero = false;  // reads return at once with nothing typed
    rlim_t fileSizeLimit = RLIM_INFINITY;
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
        if (setup.nonCanonicalMinZero) {
            termios mode = modeBefore_;
            mode.c_lflag &= ~static_cast<tcflag_t>(ICANON);
            mode.c_cc[VMIN] = 0;
            mode.c_cc[VTIME] = 0;
            tcsetattr(slave_, TCSANOW, &mode);
            modeBefore_ = mode;
        }
        const int programOutput = openOutput(setup.output);
        std::array<int, 2> programPid{};
        testing_support::makePipe(programPid);
        child_ = fork();
        if (child_ == 0) {
            setsid();
            ioctl(slave_, TIOCSCTTY, 0);
            // The master goes first: when this test runs without standard input,
            // it may be descriptor 0 itself.
            close(master_);
            if (setup.job == Job::None) {
                runProgram(setup, programOutput);
            }
            const pid_t program = fork();
            if (program == 0) {
                setpgid(0, 0);
                if (setup.job == Job::Foreground) {
                    static_cast<void>(signal(SIGTTOU, SIG_IGN));
                    tcsetpgrp(slave_, getpid());
                    static_cast<void>(signal(SIGTTOU, SIG_DFL));
                }
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
        if (setup.job != Job::None) {
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

    // True once the program is stopped, as ps reports it.
    bool becomesStopped() const {
        const std::string command = "ps -o stat= -p " + std::to_string(program_);
        return eventually([&command] {
            FILE* ps = popen(command.c_str(), "r");
            if (ps == nullptr) {
                return false;
            }
            std::array<char, 64> state{};
            const bool stopped = fgets(state.data(), state.size(), ps) != nullptr &&
                                 std::string(state.data()).find('T') != std::string::npos;
            pclose(ps);
            return stopped;
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

    // Everything the program has written to the terminal so far, and the
    // echo of what was typed.
    std::string shownOnTerminal() {
        pollfd ready{master_, POLLIN, 0};
        std::array<char, 256> chunk{};
        while (master_ >= 0 && poll(&ready, 1, 50) == 1 && (ready.revents & POLLIN) != 0) {
            const ssize_t count = read(master_, chunk.data(), chunk.size());
            if (count <= 0) {
                break;
            }
            shown_.append(chunk.data(), static_cast<std::size_t>(count));
        }
        return shown_;
    }

    // True once `text` has been shown on the terminal.
    bool shows(const std::string& text) {
        return eventually([&] { return shownOnTerminal().find(text) != std::string::npos; });
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
            case Output::File:
                output_ = testing_support::temporaryFile();
                return output_;
            case Output::Pipe: {
                std::array<int, 2> ends{};
                testing_support::makePipe(ends);
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
        for (const SignalCase& c : terminatingSignals()) {
            static_cast<void>(signal(c.number, SIG_DFL));
        }
        for (const int signalNumber : {SIGTSTP, SIGTTIN, SIGTTOU}) {
            static_cast<void>(signal(signalNumber, SIG_DFL));
        }
        for (const int signalNumber : setup.ignoredSignals) {
            static_cast<void>(signal(signalNumber, SIG_IGN));
        }
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        const rlimit fileSize{setup.fileSizeLimit, setup.fileSizeLimit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        dup2(setup.typed ? slave_ : open(GOLDEN_DIRECTORY "/worked_example.in", O_RDONLY),
             STDIN_FILENO);
        dup2(setup.output == Output::Terminal ? slave_ : output, STDOUT_FILENO);
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        // Closed last, so that no descriptor opened above takes its place.
        if (setup.output == Output::Closed) {
            close(STDOUT_FILENO);
        }
        if (slave_ > STDERR_FILENO) {
            close(slave_);
        }
        execl(BEAM_REACTIONS_PROGRAM, BEAM_REACTIONS_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }

    int master_ = -1;
    int slave_ = -1;
    std::string shown_;
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

class TerminatingSignal : public testing::TestWithParam<SignalCase> {};

TEST_P(TerminatingSignal, RestoresTheTerminalAndEndsByThatSignal) {
    PausedProgram program;
    program.start();
    ASSERT_TRUE(program.reachesThePause());
    program.sendSignal(GetParam().number);
    const auto status = program.ending();
    ASSERT_TRUE(status.has_value());
    ASSERT_TRUE(WIFSIGNALED(*status));
    EXPECT_EQ(WTERMSIG(*status), GetParam().number);
    EXPECT_TRUE(program.modeRestored());
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminatingSignal, testing::ValuesIn(terminatingSignals()),
                         testing_support::CaseName{});

class IgnoredSignal : public testing::TestWithParam<SignalCase> {};

TEST_P(IgnoredSignal, StaysIgnoredAndTheWaitGoesOn) {
    PausedProgram program;
    program.start({.ignoredSignals = {GetParam().number}});
    ASSERT_TRUE(program.reachesThePause());
    program.sendSignal(GetParam().number);
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_TRUE(program.stillRunning()) << "the ignored signal ended the pause";
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
}

INSTANTIATE_TEST_SUITE_P(Signals, IgnoredSignal, testing::ValuesIn(terminatingSignals()),
                         testing_support::CaseName{});

TEST(ClosingPause, AStopGivesTheTerminalBackUntilTheJobContinues) {
    PausedProgram program;
    program.start({.job = Job::Foreground});
    ASSERT_TRUE(program.reachesThePause());
    program.sendSignal(SIGTSTP);
    ASSERT_TRUE(program.becomesStopped());
    EXPECT_TRUE(program.modeRestored());

    program.sendSignal(SIGCONT);
    ASSERT_TRUE(program.reachesThePause()) << "not raw again after SIGCONT";
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_TRUE(program.stillRunning());
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
}

// A job stopped at the pause, and a signal that ends it, as the shell's kill
// sends it to a stopped job: then SIGCONT.
struct StoppedJobCase {
    const char* name;
    Job job;
    bool stoppedBySigtstp;  // otherwise by the system, at the mode change
    int signalNumber;
    friend void PrintTo(const StoppedJobCase& c, std::ostream* out) { *out << c.name; }
};

class StoppedJob : public testing::TestWithParam<StoppedJobCase> {};

TEST_P(StoppedJob, EndsByTheSignalSentWhileStopped) {
    const StoppedJobCase& c = GetParam();
    PausedProgram program;
    program.start({.job = c.job});
    if (c.stoppedBySigtstp) {
        ASSERT_TRUE(program.reachesThePause());
        program.sendSignal(SIGTSTP);
    }
    ASSERT_TRUE(program.becomesStopped());
    program.sendSignal(c.signalNumber);
    program.sendSignal(SIGCONT);
    const auto status = program.ending();
    ASSERT_TRUE(status.has_value());
    // The session leader passes the program's end on as 128 + its signal.
    ASSERT_TRUE(WIFEXITED(*status));
    EXPECT_EQ(WEXITSTATUS(*status), 128 + c.signalNumber);
    EXPECT_TRUE(program.modeRestored());
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, StoppedJob,
    testing::Values(StoppedJobCase{"BySigtstpThenTerm", Job::Foreground, true, SIGTERM},
                    StoppedJobCase{"InTheBackgroundThenTerm", Job::Background, false, SIGTERM},
                    StoppedJobCase{"InTheBackgroundThenHup", Job::Background, false, SIGHUP}),
    testing_support::CaseName{});

TEST(ClosingPause, ABackgroundJobThatIgnoresSigttouLeavesTheTerminalAlone) {
    PausedProgram program;
    program.start({.ignoredSignals = {SIGTTOU}, .job = Job::Background});
    expectCleanEnd(program, program.ending(QUICK_END));
    EXPECT_EQ(program.shownOnTerminal(), "");
}

// Standard output into a pipe: its reader (a pager) may read the terminal too,
// so the program leaves it alone and the key typed is left for the pager.
TEST(ClosingPause, IsNotThereWhenStandardOutputIsAPipe) {
    PausedProgram program;
    program.start({.output = Output::Pipe}, "q\n");
    expectCleanEnd(program, program.ending(QUICK_END));
    EXPECT_EQ(program.unreadInput(), 2);
    EXPECT_EQ(program.shownOnTerminal(), "q\r\n");  // the echo of the keys, nothing more
    EXPECT_EQ(program.standardOutput(),
              testing_support::readFile(GOLDEN_DIRECTORY "/worked_example.out"));
}

// The terminal's picture of a text written to it: each line end is CR LF.
std::string onScreen(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        shown += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return shown;
}

const std::string ANSWERS = "10 100 0 0 kN m\n";

// All the terminal shows of a run whose answers are typed on one line while
// standard output goes to a file.
std::string typedDialogueShown() {
    return onScreen(testing_support::readFile(GOLDEN_DIRECTORY "/introduction_screen.txt") +
                    "Enter Value 1 For The Length OF The Figure(Shape) Above = " + ANSWERS +
                    "Enter Value 2 For The Acting Vertical Force At Point C Of The Figure Above = "
                    "Enter Value 3 For The Horizonatl Force At Point A If Available = "
                    "Enter Value 4 For The Horizonatl Force At Point B If Available = "
                    " Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward = "
                    " Enter The Unit For The Length = "
                    "Press Any Key To Continue\n");
}

struct MessageCase {
    const char* name;
    Setup setup;
    std::string shown;           // on the terminal, besides the report
    std::size_t reportKept = 0;  // how much of the report reached standard output
    friend void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.name; }
};

class ClosingMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(ClosingMessage, IsShownOnTheTerminalWhenStandardOutputIsNot) {
    const MessageCase& c = GetParam();
    PausedProgram program;
    program.start(c.setup);
    if (c.setup.typed) {
        ASSERT_TRUE(program.shows("Above = ")) << "the first question is not on the screen";
        program.typeKeys(ANSWERS);
    }
    ASSERT_TRUE(program.reachesThePause());
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
    EXPECT_EQ(program.shownOnTerminal(), c.shown);
    EXPECT_EQ(
        program.standardOutput(),
        testing_support::readFile(GOLDEN_DIRECTORY "/worked_example.out").substr(0, c.reportKept));
}

constexpr std::size_t WHOLE = std::string::npos;

INSTANTIATE_TEST_SUITE_P(
    StandardOutput, ClosingMessage,
    testing::Values(MessageCase{"File", {.output = Output::File}, CLOSING_MESSAGE_SHOWN, WHOLE},
                    MessageCase{"Closed", {.output = Output::Closed}, CLOSING_MESSAGE_SHOWN, 0},
                    // SIGXFSZ is ignored: the write that passes the limit only fails.
                    MessageCase{"FileAtItsSizeLimit",
                                {.output = Output::File, .fileSizeLimit = 512},
                                CLOSING_MESSAGE_SHOWN,
                                512},
                    MessageCase{"FileWithTheAnswersTyped",
                                {.output = Output::File, .typed = true},
                                typedDialogueShown(),
                                WHOLE}),
    testing_support::CaseName{});

TEST(Dialogue, ATerminalThatHangsUpEndsTheRunWithSighupIgnored) {
    PausedProgram program;
    program.start({.output = Output::Terminal, .ignoredSignals = {SIGHUP}, .typed = true});
    program.typeKeys("10\n100\n");
    ASSERT_TRUE(program.shows("Enter Value 3"));
    program.hangUp();
    const auto status = program.ending(QUICK_END);
    ASSERT_TRUE(status.has_value()) << "still running after the hang-up";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 0);
}

// Without line editing and with MIN 0, a read returns at once with nothing:
// the question waits for its answer all the same.
TEST(Dialogue, ATerminalThatReturnsAtOnceWaitsForTheAnswers) {
    PausedProgram program;
    program.start({.output = Output::Terminal, .typed = true, .nonCanonicalMinZero = true});
    ASSERT_TRUE(program.shows("Above = "));
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    ASSERT_EQ(program.shownOnTerminal().find("Enter Value 2"), std::string::npos)
        << "the questions went by unanswered";
    program.typeKeys("10 ");
    std::this_thread::sleep_for(STILL_WAITING_CHECK);
    program.typeKeys("100 0 0 kN m\n");
    ASSERT_TRUE(program.shows(" By = 50 kN"));
    ASSERT_TRUE(program.reachesThePause());
    program.typeKeys("a");
    expectCleanEnd(program, program.ending());
}

}  // namespace
