#include "beam/support_reactions.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "case_name.hpp"

namespace {

// The derived values as the report writes them.
struct ReactionCase {
    const char* name;
    std::int32_t length;
    std::int32_t verticalForce;
    std::string midpoint;
    std::string loadMoment;
    std::string By;
    std::string Ay;
    friend void PrintTo(const ReactionCase& c, std::ostream* out) { *out << c.name; }
};

std::string written(beam::Halves value) {
    std::ostringstream out;
    beam::writePiece(out, value);
    return out.str();
}

class Reactions : public testing::TestWithParam<ReactionCase> {};

TEST_P(Reactions, FollowFromTheMomentAboutA) {
    const ReactionCase& c = GetParam();
    beam::BeamProblem problem;
    problem.length = c.length;
    problem.verticalForce = c.verticalForce;
    const beam::SupportReactions r = beam::solveSupportReactions(problem);
    EXPECT_EQ(written(r.midpoint), c.midpoint);
    EXPECT_EQ(written(r.loadMoment), c.loadMoment);
    EXPECT_EQ(written(r.By), c.By);
    EXPECT_EQ(written(r.Ay), c.Ay);
}

INSTANTIATE_TEST_SUITE_P(
    Beams, Reactions,
    testing::Values(ReactionCase{"OddLengthEvenForce", 7, 100, "3.5", "350", "50", "50"},
                    ReactionCase{"OddForce", 10, 7, "5", "35", "3.5", "3.5"},
                    ReactionCase{"NegativeForce", 7, -9, "3.5", "-31.5", "-4.5", "-4.5"},
                    ReactionCase{"BothNegative", -7, -9, "-3.5", "31.5", "-4.5", "-4.5"}),
    testing_support::CaseName{});

struct HorizontalCase {
    const char* name;
    std::int32_t forceAtA;
    std::int32_t forceAtB;
    std::int64_t sum;
    std::int64_t difference;
    friend void PrintTo(const HorizontalCase& c, std::ostream* out) { *out << c.name; }
};

class HorizontalTotals : public testing::TestWithParam<HorizontalCase> {};

TEST_P(HorizontalTotals, AreExactWithoutWrapping) {
    const HorizontalCase& c = GetParam();
    beam::BeamProblem problem;
    problem.length = 10;
    problem.forceAtA = c.forceAtA;
    problem.forceAtB = c.forceAtB;
    const beam::SupportReactions r = beam::solveSupportReactions(problem);
    EXPECT_EQ(r.horizontalSum, c.sum);
    EXPECT_EQ(r.horizontalDifference, c.difference);
}

INSTANTIATE_TEST_SUITE_P(Forces, HorizontalTotals,
                         testing::Values(HorizontalCase{"Signs", -3, 4, 1, -7}),
                         testing_support::CaseName{});

}  // namespace
