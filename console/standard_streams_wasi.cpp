#include <unistd.h>

#include <cerrno>

#include "console/standard_streams.hpp"

namespace console {

// The host hands over the answers as they are typed: a read waits for them,
// and nothing read is the end of the input.
std::size_t readStandardInput(char* data, std::size_t size) {
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, data, size);
        if (count >= 0 || errno != EINTR) {
            return count > 0 ? static_cast<std::size_t>(count) : 0;
        }
    }
}

// There are no signals under WASI: a failed write is already only an error.
void ignoreWriteErrors() {}

bool writeStandardOutput(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(STDOUT_FILENO, data, size);
        if (written <= 0 && errno != EINTR) {
            return false;
        }
        if (written > 0) {
            data += written;
            size -= static_cast<std::size_t>(written);
        }
    }
    return true;
}

}  // namespace console
