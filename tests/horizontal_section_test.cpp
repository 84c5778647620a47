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

// The AtBoth section for the two forces as written and their net force.
std::string atBothSection(const std::string& atA, const std::string& atB, const std::string& net) {
    std::string section;
    section += " This Means That An Extra Force Is Produced At Joint(Point) B Of The Beam  \n";
    section += " Which Produces The Equation Below For The Entire Beam(Diagram, Figure) Above  \n";
    section += " Ax - Bx = " + atA + " - " + atB + "\n";
    section += " Ax - Bx = " + net + " kN\n";
    section += " Ax  - Bx = " + net + " kN -->, Acting On The Entire Beam  \n";
    section += " Next Equation And Topic(s) To Be Resolved Later...............  \n";
    return section;
}

struct SectionCase {
    const char* name;
    std::int32_t forceAtA;
    std::int32_t forceAtB;
    std::string forceUnit;
    HorizontalCase expectedCase;
    std::string expected;  // the whole section, dash rules included
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

INSTANTIATE_TEST_SUITE_P(
    Cases, HorizontalSection,
    testing::Values(
        SectionCase{"OnlyAtB", 0, 4, "kN", HorizontalCase::OnlyAtB,
                    " Ax - Bx = 0 + 4\n"
                    " -Bx = -4 kN\n"
                    " Bx = 4 kN <--, Acting Towards The Left Side Of The Beam\n"},
        SectionCase{"OnlyAtA", 3, 0, "kN", HorizontalCase::OnlyAtA,
                    " Ax - Bx = 3 + 0\n"
                    " Ax  = 3 kN\n"
                    " Ax  = 3 kN -->, Acting Towards The Right Side OF The Beam \n"},
        SectionCase{"AtBoth", 5, 2, "kN", HorizontalCase::AtBoth, atBothSection("5", "2", "3")},
        SectionCase{"Neither", 0, 0, "kN", HorizontalCase::Neither,
                    " Ax - Bx = 0 - 0\n"
                    " Ax - Bx = 0 kN\n"
                    " Ax  - Bx = 0 kN -->, Acting On The Entire Beam  \n"
                    " Ax = 0.00 kN, And , Bx = 0.00 kN\n"},
        SectionCase{"NegativeForceAtAIsOnlyAtA", -3, 0, "kN", HorizontalCase::OnlyAtA,
                    " Ax - Bx = -3 + 0\n"
                    " Ax  = -3 kN\n"
                    " Ax  = -3 kN -->, Acting Towards The Right Side OF The Beam \n"},
        SectionCase{"NegativeForceAtBNegatesToPositive", 0, -4, "kN", HorizontalCase::OnlyAtB,
                    " Ax - Bx = 0 + -4\n"
                    " -Bx = 4 kN\n"
                    " Bx = -4 kN <--, Acting Towards The Left Side Of The Beam\n"},
        SectionCase{"EqualForcesNetZero", 6, 6, "kN", HorizontalCase::AtBoth,
                    atBothSection("6", "6", "0")},
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

TEST(HorizontalSection, AZeroLengthBeamStillGetsItsSection) {
    const beam::BeamProblem problem = makeProblem(0, 100, 3, 0);
    std::ostringstream out;
    beam::writeHorizontalSection(out, problem, beam::solveSupportReactions(problem));
    EXPECT_EQ(out.str(),
              " Ax - Bx = 3 + 0\n"
              " Ax  = 3 kN\n"
              " Ax  = 3 kN -->, Acting Towards The Right Side OF The Beam \n" +
                  DASH_RULES);
}

}  // namespace
