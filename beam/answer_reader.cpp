#include "beam/answer_reader.hpp"

#include <iomanip>
#include <string>
#include <string_view>

namespace beam {
namespace {

// How many bytes the UTF-8 character that begins with `lead` takes.
constexpr std::size_t characterSize(unsigned char lead) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
}

// The kept bytes of a word cut short, less a character cut off at their end.
std::size_t cutBetweenCharacters(std::string_view kept) {
    for (std::size_t back = 1; back <= kept.size() && back <= 4; ++back) {
        const auto byte = static_cast<unsigned char>(kept[kept.size() - back]);
        if ((byte & 0xC0) != 0x80) {
            return characterSize(byte) > back ? kept.size() - back : kept.size();
        }
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
