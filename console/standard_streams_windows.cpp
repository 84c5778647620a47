#include <io.h>

#include <climits>

#include "console/standard_streams.hpp"

namespace console {
namespace {

unsigned int atMostIntMax(std::size_t size) {
    return static_cast<unsigned int>(size < INT_MAX ? size : INT_MAX);
}

}  // namespace

// Through the C runtime, so that a console or a file in text mode reads and
// writes as it always has: CR LF comes as LF and LF goes as CR LF, and Ctrl+Z
// ends the input.
std::size_t readStandardInput(char* data, std::size_t size) {
    const int count = _read(0, data, atMostIntMax(size));
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

// Windows reports a failed write instead of sending a signal.
void ignoreWriteErrors() {}

bool writeStandardOutput(const char* data, std::size_t size) {
    while (size > 0) {
        const int written = _write(1, data, atMostIntMax(size));
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace console
