#include "beam/vertical_section.hpp"

#include <string_view>

#include "console/output.hpp"

namespace beam {
namespace {

using console::writeDashRule;
using console::writeEmptyLine;
using console::writeLine;
using console::writeSpacerLine;

constexpr std::string_view AY_IS = " Ay = ";
constexpr std::string_view BY_IS = " By = ";

constexpr std::string_view ZERO_LENGTH_NOTE =
    " By And Ay Cannot Be Found, The Length Of The Beam Is 0";

void writeMomentAboutA(std::ostream& out, const BeamProblem& problem,
                       const SupportReactions& reactions) {
    writeLine(out, " Sum Of The Moment At Point = 0 ");
    writeLine(out, -reactions.loadMoment, " + ", problem.length, " x By = 0");
    writeLine(out, problem.length, " By = ", reactions.loadMoment);
}

void writeReactions(std::ostream& out, const BeamProblem& problem,
                    const SupportReactions& reactions) {
    writeLine(out, BY_IS, reactions.By);
    writeLine(out, BY_IS, reactions.By, UNIT_GAP, problem.forceUnit);
    writeLine(out, "From Eq-1 Above Where, Ay + By = ", problem.verticalForce, ", Whioh Eq-1");
    writeLine(out, AY_IS, problem.verticalForce, " - ", reactions.By);
    writeLine(out, AY_IS, reactions.Ay);
    writeLine(out, AY_IS, reactions.Ay, UNIT_GAP, problem.forceUnit);
    writeEmptyLine(out);
    writeDashRule(out);
    writeLine(out, AY_IS, reactions.Ay, UNIT_GAP, problem.forceUnit);
    writeLine(out, BY_IS, reactions.By, UNIT_GAP, problem.forceUnit);
    writeDashRule(out);
    writeDashRule(out);
}

// Without a length there is nothing to divide the moment by.
void writeZeroLengthNote(std::ostream& out) {
    writeLine(out, ZERO_LENGTH_NOTE);
    writeEmptyLine(out);
    writeDashRule(out);
    writeDashRule(out);
    writeDashRule(out);
}

}  // namespace

void writeVerticalSection(std::ostream& out, const BeamProblem& problem,
                          const SupportReactions& reactions) {
    writeLine(out, "Ay + By = ", problem.verticalForce, " Eq-1");
    writeLine(out, "(+/-)Ax + (+/-)Bx = ", reactions.horizontalSum, " Eq-2");
    writeSpacerLine(out);
    writeLine(out, " The Acting Vertial Force Is ", problem.verticalForce, UNIT_GAP,
              problem.forceUnit);
    writeSpacerLine(out);
    writeLine(out, " ==> ", problem.length, " / 2 = ", reactions.midpoint,
              " = The Midpoint(Acting Point Of The Vertical Force)");
    writeLine(out, " The Center Of The Force = ", reactions.midpoint, UNIT_GAP, problem.lengthUnit);
    writeSpacerLine(out);
    writeMomentAboutA(out, problem, reactions);
    if (problem.length == 0) {
        writeZeroLengthNote(out);
        return;
    }
    writeReactions(out, problem, reactions);
}

}  // namespace beam
