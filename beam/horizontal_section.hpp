// The worked solution for the horizontal reactions Ax and Bx.
#pragma once

#include <ostream>

#include "beam/beam_problem.hpp"
#include "beam/support_reactions.hpp"

namespace beam {

// Writes the lines of the one case the two horizontal forces make, then two
// dash rules.
void writeHorizontalSection(std::ostream& out, const BeamProblem& problem,
                            const SupportReactions& reactions);

}  // namespace beam
