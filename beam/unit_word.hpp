// A unit word of bounded size, kept byte for byte as typed.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace beam {

template <std::size_t Capacity>
struct UnitWord {
    std::array<char, Capacity> characters{};
    std::size_t size = 0;

    // The word as typed, to be written as any other text.
    operator std::string_view() const { return {characters.data(), size}; }
};

}  // namespace beam
