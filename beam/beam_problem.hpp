// The beam problem as the user entered it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace beam {

// A unit word of bounded size, kept byte for byte as typed.
template <std::size_t Capacity>
struct UnitWord {
    std::array<char, Capacity> characters{};
    std::size_t size = 0;

    // The word as typed, to be written as any other text.
    operator std::string_view() const { return {characters.data(), size}; }
};

inline constexpr std::size_t FORCE_UNIT_CAPACITY = 19;
inline constexpr std::size_t LENGTH_UNIT_CAPACITY = 11;

struct BeamProblem {
    std::int32_t length = 0;         // L, from A to B
    std::int32_t verticalForce = 0;  // downward, at the centre C
    std::int32_t forceAtA = 0;       // horizontal, at the pin A
    std::int32_t forceAtB = 0;       // horizontal, at the rocker B
    UnitWord<FORCE_UNIT_CAPACITY> forceUnit;
    UnitWord<LENGTH_UNIT_CAPACITY> lengthUnit;
};

}  // namespace beam
