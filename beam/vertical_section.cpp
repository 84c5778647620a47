#include "beam/vertical_section.hpp"

#include "beam/report_line.hpp"

namespace beam {

// Each line as it prints, fixed text included: "Vertial" and "Whioh" are
// spelt as users and the reports they have saved know them.

void writeVerticalSection(std::ostream& out, const BeamProblem& problem,
                          const SupportReactions& reactions) {
    writeLine(out, "Ay + By = ", problem.verticalForce, " Eq-1");
    writeLine(out, "(+/-)Ax + (+/-)Bx = ", reactions.horizontalSum, " Eq-2");
    writeLine(out, SPACER_LINE);
    writeLine(out, " The Acting Vertial Force Is ", problem.verticalForce, " ", problem.forceUnit);
    writeLine(out, SPACER_LINE);
    writeLine(out, " ==> ", problem.length, " / 2 = ", reactions.midpoint,
              " = The Midpoint(Acting Point Of The Vertical Force)");
    writeLine(out, " The Center Of The Force = ", reactions.midpoint, " ", problem.lengthUnit);
    writeLine(out, SPACER_LINE);
    writeLine(out, " Sum Of The Moment At Point = 0 ");
    writeLine(out, -reactions.loadMoment, " + ", problem.length, " x By = 0");
    writeLine(out, problem.length, " By = ", reactions.loadMoment);
    if (problem.length == 0) {
        // Without a length there is nothing to divide the moment by.
        writeLine(out, " By And Ay Cannot Be Found, The Length Of The Beam Is 0");
        writeLine(out);
        writeLine(out, DASH_RULE);
        writeLine(out, DASH_RULE);
        writeLine(out, DASH_RULE);
        return;
    }
    writeLine(out, " By = ", reactions.By);
    writeLine(out, " By = ", reactions.By, " ", problem.forceUnit);
    writeLine(out, "From Eq-1 Above Where, Ay + By = ", problem.verticalForce, ", Whioh Eq-1");
    writeLine(out, " Ay = ", problem.verticalForce, " - ", reactions.By);
    writeLine(out, " Ay = ", reactions.Ay);
    writeLine(out, " Ay = ", reactions.Ay, " ", problem.forceUnit);
    writeLine(out);
    writeLine(out, DASH_RULE);
    writeLine(out, " Ay = ", reactions.Ay, " ", problem.forceUnit);
    writeLine(out, " By = ", reactions.By, " ", problem.forceUnit);
    writeLine(out, DASH_RULE);
    writeLine(out, DASH_RULE);
}

}  // namespace beam
