#include <io.h>

#include <climits>

#include "console/standard_output.hpp"

namespace console {

// Windows reports a failed write instead of sending a signal.
void ignoreWriteErrors() {}

// Through the C runtime, so that standard output in text mode writes each
// line end as CR LF, as it always has.
bool writeStandardOutput(const char* data, std::size_t size) {
    while (size > 0) {
        const int written =
            _write(1, data, static_cast<unsigned int>(size < INT_MAX ? size : INT_MAX));
        if (written <= 0) {
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace console
