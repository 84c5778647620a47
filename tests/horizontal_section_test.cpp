#include "beam/horizontal_section.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "beam/horizontal_case.hpp"
#include "case_name.hpp"
#include "report_lines.hpp"

namespace {

using beam::HorizontalCase;
using testing_support::makeProblem;

const std::string DASH_RULES =
    "---------------------------------------------------------- \n"
    "---------------------------------------------------------- \n";

struct SectionCase {
    const char* name;
    std::int32_t forceAtA;
    std::int32_t forceAtB;
    std::string forceUnit;
    HorizontalCase expectedCase;
    std::string expected;  // the section before its two dash rules
    friend void PrintTo(const SectionCase& c, std::ostream* out) { *out << c.name; }
};

class HorizontalSection : public testing::TestWithParam<SectionCase> {};

TEST_P(HorizontalSection, WritesTheOneCaseTheForcesMake) {
    const SectionCase& c = GetParam();
    const beam::BeamProblem problem = makeProblem(10, 100, c.forceAtA, c.forceAtB, c.forceUnit);
    EXPECT_EQ(beam::classifyHorizontalForces(c.forceAtA, c.forceAtB), c.expectedCase);
    std::ostringstream out;
    beam::writeHorizontalSection(out, problem, beam::solveSupportReactions(problem));
    EXPECT_EQ(out.str(), c.expected + DASH_RULES);
}

// The worked example of each case is a whole run in golden/.
INSTANTIATE_TEST_SUITE_P(
    Cases, HorizontalSection,
    testing::Values(
        SectionCase{"NegativeForceAtAIsOnlyAtA", -3, 0, "kN", HorizontalCase::OnlyAtA,
                    " Ax - Bx = -3 + 0\n"
                    " Ax  = -3 kN\n"
                    " Ax  = -3 kN -->, Acting Towards The Right Side OF The Beam \n"},
        SectionCase{"NegativeForceAtBNegatesToPositive", 0, -4, "kN", HorizontalCase::OnlyAtB,
                    " Ax - Bx = 0 + -4\n"
                    " -Bx = 4 kN\n"
                    " Bx = -4 kN <--, Acting Towards The Left Side Of The Beam\n"},
        SectionCase{
            "EqualForcesNetZero", 6, 6, "kN", HorizontalCase::AtBoth,
            " This Means That An Extra Force Is Produced At Joint(Point) B Of The Beam  \n"
            " Which Produces The Equation Below For The Entire Beam(Diagram, Figure) Above  \n"
            " Ax - Bx = 6 - 6\n"
            " Ax - Bx = 0 kN\n"
            " Ax  - Bx = 0 kN -->, Acting On The Entire Beam  \n"
            " Next Equation And Topic(s) To Be Resolved Later...............  \n"},
        SectionCase{"EmptyUnitOnlyAtBKeepsBothSpaces", 0, 4, "", HorizontalCase::OnlyAtB,
                    " Ax - Bx = 0 + 4\n"
                    " -Bx = -4 \n"
                    " Bx = 4  <--, Acting Towards The Left Side Of The Beam\n"},
        SectionCase{"EmptyUnitNeither", 0, 0, "", HorizontalCase::Neither,
                    " Ax - Bx = 0 - 0\n"
                    " Ax - Bx = 0 \n"
                    " Ax  - Bx = 0  -->, Acting On The Entire Beam  \n"
                    " Ax = 0.00 , And , Bx = 0.00 \n"}),
    testing_support::CaseName{});

}  // namespace
