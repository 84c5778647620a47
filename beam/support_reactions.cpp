#include "beam/support_reactions.hpp"

namespace beam {

SupportReactions solveSupportReactions(const BeamProblem& problem) {
    const std::int64_t length = problem.length;
    const std::int64_t force = problem.verticalForce;
    // In halves: the midpoint L / 2 is L halves, the moment L x F / 2 is L x F
    // halves. A product of two 32-bit numbers always fits in 64 bits.
    const Halves loadMoment{length * force};
    // The moment holds the length as a factor: the division is exact.
    const Halves By{length == 0 ? 0 : loadMoment.count / length};
    return {.midpoint = {length},
            .loadMoment = loadMoment,
            .By = By,
            .Ay = {length == 0 ? 0 : 2 * force - By.count},
            .horizontalSum = std::int64_t{problem.forceAtA} + problem.forceAtB,
            .horizontalDifference = std::int64_t{problem.forceAtA} - problem.forceAtB};
}

}  // namespace beam
