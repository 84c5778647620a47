// The support reactions derived from one beam problem.
#pragma once

#include <cstdint>

#include "beam/beam_problem.hpp"
#include "beam/report_line.hpp"

namespace beam {

// The force acts at the centre, so every vertical value is a whole number or a
// whole number and a half; each is held exactly, in halves. Every value is
// formed in 64 bits, so none of them wraps, whatever 32-bit numbers were
// entered.
struct SupportReactions {
    Halves midpoint;    // where the vertical force acts, from A
    Halves loadMoment;  // moment of the vertical force about A
    Halves By;          // 0 when the length is 0: it cannot be found
    Halves Ay;          // 0 when the length is 0: it cannot be found
    std::int64_t horizontalSum = 0;
    std::int64_t horizontalDifference = 0;
};

// Nothing is rounded: By is the moment divided by the length, half the force,
// and Ay is the rest of the force.
SupportReactions solveSupportReactions(const BeamProblem& problem);

}  // namespace beam
