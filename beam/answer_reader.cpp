#include "beam/answer_reader.hpp"

#include <iomanip>
#include <string>
#include <string_view>

namespace beam {
namespace {

// A UTF-8 character by its first byte: how many bytes it takes, and the range
// its second byte must be in (narrower after E0, ED, F0 and F4, which would
// otherwise begin overlong forms, surrogates or code points past U+10FFFF).
// Every later byte is 80 to BF. A byte that begins no character has size 0.
struct CharacterStart {
    std::size_t size;
    int secondFirst;
    int secondLast;
};

constexpr CharacterStart characterStart(int lead) {
    if (lead <= 0x7F) {
        return {1, 0, 0};
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return {2, 0x80, 0xBF};
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return {3, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF};
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return {4, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF};
    }
    return {0, 0, 0};
}

constexpr int byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// How many of the kept bytes of a word cut short stay. Bytes that are valid
// UTF-8 up to one character cut off at their end lose that character; any
// other bytes (Latin-1, say, or broken UTF-8) are kept as they are.
std::size_t cutBetweenCharacters(std::string_view kept) {
    std::size_t boundary = 0;
    while (boundary < kept.size()) {
        const CharacterStart start = characterStart(byteAt(kept, boundary));
        if (start.size == 0) {
            return kept.size();
        }
        for (std::size_t at = 1; at < start.size; ++at) {
            if (boundary + at == kept.size()) {
                return boundary;  // the character is cut off here
            }
            const int byte = byteAt(kept, boundary + at);
            const bool fits = at == 1 ? byte >= start.secondFirst && byte <= start.secondLast
                                      : byte >= 0x80 && byte <= 0xBF;
            if (!fits) {
                return kept.size();
            }
        }
        boundary += start.size;
    }
    return kept.size();
}

// Whether the word just read goes on past what was taken of it. A stream at
// its end is not looked at again: that would fail it.
bool wordGoesOn(std::istream& in) {
    using Traits = std::istream::traits_type;
    const Traits::int_type next = in.good() ? in.peek() : Traits::eof();
    return !Traits::eq_int_type(next, Traits::eof()) &&
           !std::isspace(Traits::to_char_type(next), in.getloc());
}

// Runs `read`; a buffer that throws while it is read (as a file's buffer does
// on a read error) fails the read instead. Not every library's streams catch
// that themselves: libc++'s let it out while skipping white space.
template <typename Read>
void guarded(std::istream& in, Read read) {
#ifdef __cpp_exceptions
    try {
        read();
    } catch (...) {
        in.setstate(std::ios_base::badbit);
    }
#else
    static_cast<void>(in);
    read();
#endif
}

}  // namespace

std::int32_t readInteger(std::istream& in) {
    std::int32_t value = 0;
    guarded(in, [&] { in >> value; });
    return in.fail() ? 0 : value;
}

std::size_t readWord(std::istream& in, std::span<char> storage) {
    std::string word;
    std::size_t kept = 0;
    guarded(in, [&] {
        in >> std::setw(static_cast<int>(storage.size())) >> word;
        if (!wordGoesOn(in)) {
            kept = word.size();
            return;
        }
        // The rest of a long word is read a piece at a time and dropped, so
        // that no answer is ever held whole.
        std::string rest;
        while (wordGoesOn(in)) {
            in >> std::setw(4096) >> rest;
        }
        kept = cutBetweenCharacters(word);
    });
    return in.fail() ? 0 : word.copy(storage.data(), kept);
}

}  // namespace beam
