#include "beam/horizontal_section.hpp"

#include <cstdint>
#include <string_view>

#include "beam/horizontal_case.hpp"
#include "console/output.hpp"

namespace beam {
namespace {

using console::writeDashRule;
using console::writeLine;

constexpr std::string_view AX_MINUS_BX = " Ax - Bx = ";
constexpr std::string_view AX_WIDE_MINUS_BX = " Ax  - Bx = ";
constexpr std::string_view AX_WIDE = " Ax  = ";
constexpr std::string_view NO_REACTION = "0.00 ";
constexpr std::int64_t ABSENT_FORCE = 0;

void writeOnlyAtB(std::ostream& out, const BeamProblem& problem) {
    const std::int64_t forceAtB = problem.forceAtB;
    writeLine(out, AX_MINUS_BX, ABSENT_FORCE, " + ", forceAtB);
    writeLine(out, " -Bx = ", -forceAtB, UNIT_GAP, problem.forceUnit);
    writeLine(out, " Bx = ", forceAtB, UNIT_GAP, problem.forceUnit,
              " <--, Acting Towards The Left Side Of The Beam");
}

void writeOnlyAtA(std::ostream& out, const BeamProblem& problem) {
    const std::int64_t forceAtA = problem.forceAtA;
    writeLine(out, AX_MINUS_BX, forceAtA, " + ", ABSENT_FORCE);
    writeLine(out, AX_WIDE, forceAtA, UNIT_GAP, problem.forceUnit);
    writeLine(out, AX_WIDE, forceAtA, UNIT_GAP, problem.forceUnit,
              " -->, Acting Towards The Right Side OF The Beam ");
}

// Both forces, their difference, and that difference as one force on the beam.
void writeNetForce(std::ostream& out, const BeamProblem& problem,
                   const SupportReactions& reactions) {
    writeLine(out, AX_MINUS_BX, problem.forceAtA, " - ", problem.forceAtB);
    writeLine(out, AX_MINUS_BX, reactions.horizontalDifference, UNIT_GAP, problem.forceUnit);
    writeLine(out, AX_WIDE_MINUS_BX, reactions.horizontalDifference, UNIT_GAP, problem.forceUnit,
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
    writeLine(out, " Ax = ", NO_REACTION, problem.forceUnit, ", And , Bx = ", NO_REACTION,
              problem.forceUnit);
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
    writeDashRule(out);
    writeDashRule(out);
}

}  // namespace beam
