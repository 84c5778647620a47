#include "beam/support_reactions.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include "case_name.hpp"

namespace {

constexpr std::int32_t MAX = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MIN = std::numeric_limits<std::int32_t>::min();

struct ReactionCase {
    const char* name;
    std::int32_t length;
    std::int32_t verticalForce;
    std::int64_t midpoint;
    std::int64_t loadMoment;
    std::int64_t By;
    std::int64_t Ay;
    friend void PrintTo(const ReactionCase& c, std::ostream* out) { *out << c.name; }
};

class Reactions : public testing::TestWithParam<ReactionCase> {};

TEST_P(Reactions, FollowFromTheMomentAboutA) {
    const ReactionCase& c = GetParam();
    beam::BeamProblem problem;
    problem.length = c.length;
    problem.verticalForce = c.verticalForce;
    const beam::SupportReactions r = beam::solveSupportReactions(problem);
    EXPECT_EQ(r.midpoint, c.midpoint);
    EXPECT_EQ(r.loadMoment, c.loadMoment);
    EXPECT_EQ(r.By, c.By);
    EXPECT_EQ(r.Ay, c.Ay);
}

INSTANTIATE_TEST_SUITE_P(
    Beams, Reactions,
    testing::Values(ReactionCase{"EvenLength", 10, 100, 5, 500, 50, 50},
                    ReactionCase{"OddLengthTruncatesTwice", 7, 9, 3, 27, 3, 6},
                    ReactionCase{"NegativeLength", -7, 9, -3, -27, 3, 6},
                    ReactionCase{"NegativeForceTruncatesTowardZero", 7, -9, 3, -27, -3, -6},
                    ReactionCase{"BothNegative", -7, -9, -3, 27, -3, -6},
                    ReactionCase{"LengthOne", 1, 100, 0, 0, 0, 100},
                    ReactionCase{"NoForce", 10, 0, 5, 0, 0, 0},
                    ReactionCase{"ZeroLengthLeavesReactionsUnfound", 0, 100, 0, 0, 0, 0},
                    ReactionCase{"LargestBoth", MAX, MAX, 1073741823, 2305843005992468481,
                                 1073741823, 1073741824},
                    ReactionCase{"SmallestBoth", MIN, MIN, -1073741824, 2305843009213693952,
                                 -1073741824, -1073741824},
                    ReactionCase{"SmallestLengthLargestForce", MIN, MAX, -1073741824,
                                 -2305843008139952128, 1073741823, 1073741824},
                    ReactionCase{"LargestLengthSmallestForce", MAX, MIN, 1073741823,
                                 -2305843007066210304, -1073741823, -1073741825}),
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

INSTANTIATE_TEST_SUITE_P(
    Forces, HorizontalTotals,
    testing::Values(HorizontalCase{"Small", 5, 2, 7, 3}, HorizontalCase{"Signs", -3, 4, 1, -7},
                    HorizontalCase{"LargestMinusSmallest", MAX, MIN, -1, 4294967295},
                    HorizontalCase{"SmallestMinusLargest", MIN, MAX, -1, -4294967295},
                    HorizontalCase{"SmallestTwice", MIN, MIN, -4294967296, 0},
                    HorizontalCase{"LargestTwice", MAX, MAX, 4294967294, 0}),
    testing_support::CaseName{});

}  // namespace
