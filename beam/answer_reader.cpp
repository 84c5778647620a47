#include "beam/answer_reader.hpp"

#include <limits>

namespace beam {
namespace {

using Traits = std::istream::traits_type;

constexpr bool isSeparator(Traits::int_type c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool isDigit(Traits::int_type c) {
    return c >= '0' && c <= '9';
}

constexpr bool isEnd(Traits::int_type c) {
    return Traits::eq_int_type(c, Traits::eof());
}

// Returns the first character that is not a separator, leaving it unread.
Traits::int_type skipSeparators(std::streambuf& buffer) {
    Traits::int_type c = buffer.sgetc();
    while (!isEnd(c) && isSeparator(c)) {
        c = buffer.snextc();
    }
    return c;
}

// The stream's buffer, or nullptr when an earlier read has already failed.
std::streambuf* readableBuffer(std::istream& in) {
    if (in.fail() || in.rdbuf() == nullptr) {
        in.setstate(std::ios_base::failbit);
        return nullptr;
    }
    return in.rdbuf();
}

constexpr std::int64_t LARGEST_MAGNITUDE =
    -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());

}  // namespace

std::int32_t readInteger(std::istream& in) {
    std::streambuf* buffer = readableBuffer(in);
    if (buffer == nullptr) {
        return 0;
    }
    Traits::int_type c = skipSeparators(*buffer);
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        c = buffer->snextc();
    }
    if (!isDigit(c)) {
        in.setstate(isEnd(c) ? std::ios_base::eofbit | std::ios_base::failbit
                             : std::ios_base::failbit);
        return 0;
    }
    // Every digit is consumed even once the value is known to be too large.
    std::int64_t magnitude = 0;
    bool inRange = true;
    while (isDigit(c)) {
        if (inRange) {
            magnitude = magnitude * 10 + (c - '0');
            inRange = magnitude <= LARGEST_MAGNITUDE;
        }
        c = buffer->snextc();
    }
    if (isEnd(c)) {
        in.setstate(std::ios_base::eofbit);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (!inRange || value > std::numeric_limits<std::int32_t>::max()) {
        in.setstate(std::ios_base::failbit);
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

std::size_t readWord(std::istream& in, std::span<char> storage) {
    std::streambuf* buffer = readableBuffer(in);
    if (buffer == nullptr) {
        return 0;
    }
    Traits::int_type c = skipSeparators(*buffer);
    std::size_t kept = 0;
    while (!isEnd(c) && !isSeparator(c)) {
        if (kept < storage.size()) {
            storage[kept++] = Traits::to_char_type(c);
        }
        c = buffer->snextc();
    }
    if (isEnd(c)) {
        in.setstate(std::ios_base::eofbit);
    }
    if (kept == 0) {
        in.setstate(std::ios_base::failbit);
    }
    return kept;
}

}  // namespace beam
