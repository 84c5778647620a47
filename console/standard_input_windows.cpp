#include <io.h>

#include <climits>

#include "console/standard_input.hpp"

namespace console {

// Through the C runtime, so a console or a file in text mode reads as it always
// has: CR LF comes as LF, and Ctrl+Z ends the input.
std::size_t readStandardInput(char* data, std::size_t size) {
    const int count = _read(0, data, static_cast<unsigned int>(size < INT_MAX ? size : INT_MAX));
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

}  // namespace console
