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

constexpr std::int64_t LARGEST_MAGNITUDE =
    -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());

// Follows the first `limit` bytes of a word: whether they are valid UTF-8,
// but for a character cut off at their end, and where their last whole
// character ends. What comes after them is not looked at.
class Utf8Follower {
  public:
    explicit Utf8Follower(std::size_t limit) : limit_(limit) {}

    void take(unsigned char byte) {
        ++taken_;
        if (!valid_ || taken_ > limit_) {
            return;
        }
        if (remaining_ == 0) {
            startCharacter(byte);
        } else if (byte >= low_ && byte <= high_) {
            --remaining_;
            low_ = 0x80;
            high_ = 0xBF;
        } else {
            valid_ = false;
        }
        if (valid_ && remaining_ == 0) {
            lastBoundary_ = taken_;
        }
    }

    bool valid() const { return valid_; }
    std::size_t lastBoundary() const { return lastBoundary_; }

  private:
    // The first byte says how many follow; the ranges keep out overlong
    // forms, surrogates and code points beyond U+10FFFF.
    void startCharacter(unsigned char byte) {
        low_ = 0x80;
        high_ = 0xBF;
        if (byte <= 0x7F) {
            remaining_ = 0;
        } else if (byte >= 0xC2 && byte <= 0xDF) {
            remaining_ = 1;
        } else if (byte >= 0xE0 && byte <= 0xEF) {
            remaining_ = 2;
            low_ = byte == 0xE0 ? 0xA0 : 0x80;
            high_ = byte == 0xED ? 0x9F : 0xBF;
        } else if (byte >= 0xF0 && byte <= 0xF4) {
            remaining_ = 3;
            low_ = byte == 0xF0 ? 0x90 : 0x80;
            high_ = byte == 0xF4 ? 0x8F : 0xBF;
        } else {
            valid_ = false;
        }
    }

    std::size_t limit_;
    std::size_t taken_ = 0;
    bool valid_ = true;
    int remaining_ = 0;
    unsigned char low_ = 0x80;
    unsigned char high_ = 0xBF;
    std::size_t lastBoundary_ = 0;
};

std::int32_t integerFrom(std::istream& in, std::streambuf& buffer) {
    Traits::int_type c = skipSeparators(buffer);
    const bool negative = c == '-';
    if (c == '-' || c == '+') {
        c = buffer.snextc();
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
        c = buffer.snextc();
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

std::size_t wordFrom(std::istream& in, std::streambuf& buffer, std::span<char> storage) {
    Traits::int_type c = skipSeparators(buffer);
    std::size_t length = 0;
    Utf8Follower utf8(storage.size());
    while (!isEnd(c) && !isSeparator(c)) {
        if (length < storage.size()) {
            storage[length] = Traits::to_char_type(c);
        }
        ++length;
        utf8.take(static_cast<unsigned char>(c));
        c = buffer.snextc();
    }
    if (isEnd(c)) {
        in.setstate(std::ios_base::eofbit);
    }
    if (length == 0) {
        in.setstate(std::ios_base::failbit);
    }
    if (length <= storage.size()) {
        return length;
    }
    // Cut short: kept bytes in UTF-8 are cut between characters, others
    // between bytes.
    return utf8.valid() ? utf8.lastBoundary() : storage.size();
}

// Reads with `read` from the stream's buffer. A read after a failed one, or
// one whose buffer throws (as a file's buffer does on a read error), fails.
template <typename Result, typename Read>
Result readGuarded(std::istream& in, Read read) {
    if (in.fail() || in.rdbuf() == nullptr) {
        in.setstate(std::ios_base::failbit);
        return Result{};
    }
    try {
        return read(*in.rdbuf());
    } catch (...) {
        in.setstate(std::ios_base::badbit | std::ios_base::failbit);
        return Result{};
    }
}

}  // namespace

std::int32_t readInteger(std::istream& in) {
    return readGuarded<std::int32_t>(
        in, [&in](std::streambuf& buffer) { return integerFrom(in, buffer); });
}

std::size_t readWord(std::istream& in, std::span<char> storage) {
    return readGuarded<std::size_t>(
        in, [&in, storage](std::streambuf& buffer) { return wordFrom(in, buffer, storage); });
}

}  // namespace beam
