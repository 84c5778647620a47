// The six questions that fill a BeamProblem.
#pragma once

#include <istream>
#include <ostream>

#include "beam/beam_problem.hpp"

namespace beam {

// Writes each prompt, brings it to the screen, then reads its answer. Every
// question is asked even after a failed read.
BeamProblem askBeamProblem(std::istream& in, std::ostream& out);

}  // namespace beam
