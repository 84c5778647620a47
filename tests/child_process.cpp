#include "child_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

namespace testing_support {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto TIME_LIMIT = std::chrono::seconds(20);
// A slow writer: a few bytes at a time, each after a pause.
constexpr std::size_t PIECE_SIZE = 4;
constexpr auto PAUSE_BETWEEN_PIECES = std::chrono::milliseconds(50);

// An unlinked temporary file holding `data`, positioned at its start, as a
// shell's redirection from a file would give it.
int fileHolding(const std::string& data) {
    const int fd = temporaryFile();
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t count = write(fd, data.data() + written, data.size() - written);
        if (count <= 0) {
            throw std::runtime_error("cannot write a temporary file");
        }
        written += static_cast<std::size_t>(count);
    }
    lseek(fd, 0, SEEK_SET);
    return fd;
}

// The descriptor the child gets as its standard input, -1 for none; a pipe's
// write end goes to `writeEnd`.
int inputFor(InputSource source, const std::string& input, int& writeEnd) {
    switch (source) {
        case InputSource::File:
            return fileHolding(input);
        case InputSource::Closed:
            return -1;
        case InputSource::Directory:
            return open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        case InputSource::WriteOnly: {
            std::string name = "/tmp/beam-reactions-write-only-XXXXXX";
            close(mkstemp(name.data()));
            const int fd = open(name.c_str(), O_WRONLY | O_CLOEXEC);
            unlink(name.c_str());
            return fd;
        }
        case InputSource::NonBlockingPipe: {
            std::array<int, 2> ends{};
            makePipe(ends);
            fcntl(ends[0], F_SETFL, O_NONBLOCK);
            writeEnd = ends[1];
            return ends[0];
        }
    }
    return -1;
}

void writeInPieces(int fd, const std::string& input) {
    // Should the program go early, the write fails rather than ending the test.
    sigset_t brokenPipe;
    sigemptyset(&brokenPipe);
    sigaddset(&brokenPipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &brokenPipe, nullptr);
    for (std::size_t at = 0; at < input.size(); at += PIECE_SIZE) {
        std::this_thread::sleep_for(PAUSE_BETWEEN_PIECES);
        const std::string piece = input.substr(at, PIECE_SIZE);
        if (write(fd, piece.data(), piece.size()) != static_cast<ssize_t>(piece.size())) {
            break;
        }
    }
    close(fd);
}

}  // namespace

void makePipe(std::array<int, 2>& ends) {
    if (pipe(ends.data()) != 0) {
        throw std::runtime_error("pipe failed");
    }
    for (const int end : ends) {
        fcntl(end, F_SETFD, FD_CLOEXEC);
    }
}

int temporaryFile() {
    std::string name = "/tmp/beam-reactions-test-XXXXXX";
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        throw std::runtime_error("cannot make a temporary file");
    }
    unlink(name.c_str());
    fcntl(fd, F_SETFD, FD_CLOEXEC);
    return fd;
}

ProcessResult runWithoutTerminal(const std::string& program, const std::string& input,
                                 OutputTarget output, InputSource source,
                                 const std::vector<std::string>& arguments) {
    int pipeWriteEnd = -1;
    const int inputFd = inputFor(source, input, pipeWriteEnd);
    // The read end is -1 wherever there is nothing for this side to read.
    std::array<int, 2> fromChildOut{-1, -1};
    std::array<int, 2> fromChildErr{};
    if (output == OutputTarget::DevFull) {
        fromChildOut[1] = open("/dev/full", O_WRONLY | O_CLOEXEC);
    } else {
        makePipe(fromChildOut);
    }
    if (output == OutputTarget::ClosedPipe) {
        close(fromChildOut[0]);
        fromChildOut[0] = -1;
    }
    makePipe(fromChildErr);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        setsid();
        dup2(fromChildOut[1], STDOUT_FILENO);
        dup2(fromChildErr[1], STDERR_FILENO);
        if (inputFd < 0) {
            close(STDIN_FILENO);
        } else {
            dup2(inputFd, STDIN_FILENO);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    if (inputFd >= 0) {
        close(inputFd);
    }
    close(fromChildOut[1]);
    close(fromChildErr[1]);
    std::thread writer;
    if (pipeWriteEnd >= 0) {
        writer = std::thread(writeInPieces, pipeWriteEnd, input);
    }

    ProcessResult result;
    std::array<pollfd, 2> streams{pollfd{fromChildOut[0], POLLIN, 0},
                                  pollfd{fromChildErr[0], POLLIN, 0}};
    std::array<std::string*, 2> sinks{&result.standardOutput, &result.standardError};
    const auto deadline = Clock::now() + TIME_LIMIT;
    int openStreams = streams[0].fd < 0 ? 1 : 2;
    while (openStreams > 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        if (poll(streams.data(), streams.size(), static_cast<int>(left.count())) <= 0) {
            continue;
        }
        for (std::size_t i = 0; i < streams.size(); ++i) {
            if (streams[i].fd < 0 || streams[i].revents == 0) {
                continue;
            }
            std::array<char, 65536> chunk{};
            const ssize_t count = read(streams[i].fd, chunk.data(), chunk.size());
            if (count > 0) {
                sinks[i]->append(chunk.data(), static_cast<std::size_t>(count));
            } else {
                close(streams[i].fd);
                streams[i].fd = -1;
                --openStreams;
            }
        }
    }
    for (const pollfd& stream : streams) {
        if (stream.fd >= 0) {
            close(stream.fd);
        }
    }
    waitpid(child, &result.waitStatus, 0);
    if (writer.joinable()) {
        writer.join();
    }
    return result;
}

}  // namespace testing_support
