// The worked solution for the vertical reactions Ay and By.
#pragma once

#include <ostream>

#include "beam/beam_problem.hpp"
#include "beam/support_reactions.hpp"

namespace beam {

// Eq-1, Eq-2, the centre of the force, the moment about A, then By and Ay.
// A beam of length 0 stops after the moment equation with a note instead.
void writeVerticalSection(std::ostream& out, const BeamProblem& problem,
                          const SupportReactions& reactions);

}  // namespace beam
