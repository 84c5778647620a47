// The support reactions derived from one beam problem.
#pragma once

#include <cstdint>

#include "beam/beam_problem.hpp"

namespace beam {

// Every value is formed exactly in 64 bits, so none of them wraps, whatever
// 32-bit numbers were entered.
struct SupportReactions {
    std::int64_t midpoint = 0;    // where the vertical force acts, from A
    std::int64_t loadMoment = 0;  // moment of the vertical force about A
    std::int64_t By = 0;          // 0 when the length is 0: it cannot be found
    std::int64_t Ay = 0;          // 0 when the length is 0: it cannot be found
    std::int64_t horizontalSum = 0;
    std::int64_t horizontalDifference = 0;
};

// Divisions truncate toward zero; the moment is divided only after it is
// formed, so Ay + By always equals the vertical force.
SupportReactions solveSupportReactions(const BeamProblem& problem);

}  // namespace beam
