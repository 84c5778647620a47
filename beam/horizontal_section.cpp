#include "beam/horizontal_section.hpp"

#include <cstdint>

#include "beam/horizontal_case.hpp"
#include "beam/report_line.hpp"

namespace beam {

// Each line as it prints, fixed text included: "OF" and the trailing spaces
// are as users and the reports they have saved know them.
namespace {

void writeOnlyAtB(std::ostream& out, const BeamProblem& problem) {
    writeLine(out, " Ax - Bx = 0 + ", problem.forceAtB);
    writeLine(out, " -Bx = ", -std::int64_t{problem.forceAtB}, " ", problem.forceUnit);
    writeLine(out, " Bx = ", problem.forceAtB, " ", problem.forceUnit,
              " <--, Acting Towards The Left Side Of The Beam");
}

void writeOnlyAtA(std::ostream& out, const BeamProblem& problem) {
    writeLine(out, " Ax - Bx = ", problem.forceAtA, " + 0");
    writeLine(out, " Ax  = ", problem.forceAtA, " ", problem.forceUnit);
    writeLine(out, " Ax  = ", problem.forceAtA, " ", problem.forceUnit,
              " -->, Acting Towards The Right Side OF The Beam ");
}

// Both forces, their difference, and that difference as one force on the beam.
void writeNetForce(std::ostream& out, const BeamProblem& problem,
                   const SupportReactions& reactions) {
    writeLine(out, " Ax - Bx = ", problem.forceAtA, " - ", problem.forceAtB);
    writeLine(out, " Ax - Bx = ", reactions.horizontalDifference, " ", problem.forceUnit);
    writeLine(out, " Ax  - Bx = ", reactions.horizontalDifference, " ", problem.forceUnit,
              " -->, Acting On The Entire Beam  ");
}

void writeAtBoth(std::ostream& out, const BeamProblem& problem, const SupportReactions& reactions) {
    writeLine(out, " This Means That An Extra Force Is Produced At Joint(Point) B Of The Beam  ");
    writeLine(out,
              " Which Produces The Equation Below For The Entire Beam(Diagram, Figure) Above  ");
    writeNetForce(out, problem, reactions);
    writeLine(out, " Next Equation And Topic(s) To Be Resolved Later...............  ");
}

void writeNeither(std::ostream& out, const BeamProblem& problem,
                  const SupportReactions& reactions) {
    writeNetForce(out, problem, reactions);
    writeLine(out, " Ax = 0.00 ", problem.forceUnit, ", And , Bx = 0.00 ", problem.forceUnit);
}

}  // namespace

void writeHorizontalSection(std::ostream& out, const BeamProblem& problem,
                            const SupportReactions& reactions) {
    switch (classifyHorizontalForces(problem.forceAtA, problem.forceAtB)) {
        case HorizontalCase::OnlyAtB:
            writeOnlyAtB(out, problem);
            break;
        case HorizontalCase::OnlyAtA:
            writeOnlyAtA(out, problem);
            break;
        case HorizontalCase::AtBoth:
            writeAtBoth(out, problem, reactions);
            break;
        case HorizontalCase::Neither:
            writeNeither(out, problem, reactions);
            break;
    }
    writeLine(out, DASH_RULE);
    writeLine(out, DASH_RULE);
}

}  // namespace beam
