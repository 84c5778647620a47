#include "beam/input_dialogue.hpp"

#include "beam/answer_reader.hpp"
#include "beam/report_line.hpp"

namespace beam {
namespace {

// The prompt stays on its own line, with the cursor after it, while the
// program waits for the answer.
void prompt(std::ostream& out, std::string_view text) {
    writePiece(out, text);
    out.flush();
}

}  // namespace

BeamProblem askBeamProblem(std::istream& in, std::ostream& out) {
    BeamProblem problem;
    prompt(out, LENGTH_PROMPT);
    problem.length = readInteger(in);
    prompt(out, VERTICAL_FORCE_PROMPT);
    problem.verticalForce = readInteger(in);
    prompt(out, FORCE_AT_A_PROMPT);
    problem.forceAtA = readInteger(in);
    prompt(out, FORCE_AT_B_PROMPT);
    problem.forceAtB = readInteger(in);
    prompt(out, FORCE_UNIT_PROMPT);
    problem.forceUnit = readUnitWord<FORCE_UNIT_CAPACITY>(in);
    prompt(out, LENGTH_UNIT_PROMPT);
    problem.lengthUnit = readUnitWord<LENGTH_UNIT_CAPACITY>(in);
    return problem;
}

}  // namespace beam
