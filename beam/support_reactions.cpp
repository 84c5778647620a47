#include "beam/support_reactions.hpp"

namespace beam {

SupportReactions solveSupportReactions(const BeamProblem& problem) {
    const std::int64_t length = problem.length;
    const std::int64_t force = problem.verticalForce;

    // In halves: the midpoint L / 2 is L halves, the moment L x F / 2 is L x F
    // halves. A product of two 32-bit numbers always fits in 64 bits.
    SupportReactions reactions;
    reactions.midpoint = {length};
    reactions.loadMoment = {length * force};
    if (length != 0) {
        // The moment holds the length as a factor: the division is exact.
        reactions.By = {reactions.loadMoment.count / length};
        reactions.Ay = {2 * force - reactions.By.count};
    }
    reactions.horizontalSum = std::int64_t{problem.forceAtA} + problem.forceAtB;
    reactions.horizontalDifference = std::int64_t{problem.forceAtA} - problem.forceAtB;
    return reactions;
}

}  // namespace beam
