// Which horizontal forces act on the beam.
#pragma once

#include <cstdint>

namespace beam {

enum class HorizontalCase {
    OnlyAtB,  // a force at the rocker B only: Bx acts toward the left
    OnlyAtA,  // a force at the pin A only: Ax acts toward the right
    AtBoth,   // forces at both joints: one net force on the whole beam
    Neither,  // no horizontal force: both horizontal reactions are zero
};

constexpr HorizontalCase classifyHorizontalForces(std::int32_t forceAtA, std::int32_t forceAtB) {
    if (forceAtA == 0) {
        return forceAtB == 0 ? HorizontalCase::Neither : HorizontalCase::OnlyAtB;
    }
    return forceAtB == 0 ? HorizontalCase::OnlyAtA : HorizontalCase::AtBoth;
}

}  // namespace beam
