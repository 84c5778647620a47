#include <poll.h>
#include <unistd.h>

#include <cerrno>

#include "console/standard_input.hpp"

namespace console {

std::size_t readStandardInput(char* data, std::size_t size) {
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, data, size);
        if (count >= 0) {
            return static_cast<std::size_t>(count);
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A non-blocking descriptor with nothing in it yet: wait, then read again.
            pollfd ready{STDIN_FILENO, POLLIN, 0};
            if (poll(&ready, 1, -1) < 0 && errno != EINTR) {
                return 0;
            }
        } else if (errno != EINTR) {
            return 0;
        }
    }
}

}  // namespace console
