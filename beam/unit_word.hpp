// A unit word of bounded size, kept byte for byte as typed.
#pragma once

#include <array>
#include <cstddef>
#include <ostream>
#include <string_view>

#include "console/output.hpp"

namespace beam {

// What stands between a number and the unit written after it.
inline constexpr std::string_view UNIT_GAP = " ";

template <std::size_t Capacity>
struct UnitWord {
    std::array<char, Capacity> characters{};
    std::size_t size = 0;
};

template <std::size_t Capacity>
std::string_view text(const UnitWord<Capacity>& word) {
    return {word.characters.data(), word.size};
}

// Lets a unit word stand as one piece of a report line.
template <std::size_t Capacity>
void writePiece(std::ostream& out, const UnitWord<Capacity>& word) {
    console::writeUnit(out, text(word));
}

}  // namespace beam
