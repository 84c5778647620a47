#include "app/one_pass.hpp"

#include "beam/beam_problem.hpp"
#include "beam/horizontal_section.hpp"
#include "beam/input_dialogue.hpp"
#include "beam/introduction_screen.hpp"
#include "beam/report_line.hpp"
#include "beam/support_reactions.hpp"
#include "beam/vertical_section.hpp"

namespace app {

void runOnePass(std::istream& in, std::ostream& out, std::ostream& dialogue) {
    beam::writeIntroductionScreen(dialogue);
    const beam::BeamProblem problem = beam::askBeamProblem(in, dialogue);
    const beam::SupportReactions reactions = beam::solveSupportReactions(problem);
    beam::writeVerticalSection(out, problem, reactions);
    beam::writeHorizontalSection(out, problem, reactions);
    beam::writeLine(out, CLOSING_MESSAGE);
}

}  // namespace app
