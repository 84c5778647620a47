#include "beam/support_reactions.hpp"

namespace beam {

SupportReactions solveSupportReactions(const BeamProblem& problem) {
    const std::int64_t length = problem.length;
    const std::int64_t force = problem.verticalForce;

    SupportReactions reactions;
    reactions.midpoint = length / 2;
    reactions.loadMoment = reactions.midpoint * force;
    if (length != 0) {
        reactions.By = reactions.loadMoment / length;
        reactions.Ay = force - reactions.By;
    }
    reactions.horizontalSum = std::int64_t{problem.forceAtA} + problem.forceAtB;
    reactions.horizontalDifference = std::int64_t{problem.forceAtA} - problem.forceAtB;
    return reactions;
}

}  // namespace beam
