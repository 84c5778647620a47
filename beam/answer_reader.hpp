// Reads the user's answers as whitespace-separated tokens.
//
// A read that fails leaves the stream failed, so every later read fails at
// once without consuming anything. A buffer that throws while it is read (as a
// file's buffer does on a read error) makes the read fail; nothing escapes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>

#include "beam/beam_problem.hpp"

namespace beam {

// An optional sign and decimal digits that fit 32 bits; 0 when the read fails.
std::int32_t readInteger(std::istream& in);

// Reads one word, keeps as much of it as fits in storage and discards the
// rest. A word of valid UTF-8 is cut only between characters. Returns how many
// bytes were kept; 0 when the read fails.
std::size_t readWord(std::istream& in, std::span<char> storage);

template <std::size_t Capacity>
UnitWord<Capacity> readUnitWord(std::istream& in) {
    UnitWord<Capacity> word;
    word.size = readWord(in, word.characters);
    return word;
}

}  // namespace beam
