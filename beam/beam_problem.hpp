// The beam problem as the user entered it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "beam/unit_word.hpp"

namespace beam {

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
