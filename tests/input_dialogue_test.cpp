#include "beam/input_dialogue.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "case_name.hpp"

namespace {

using namespace std::string_literals;

// The six questions, each asked once, in order.
const std::string ALL_PROMPTS =
    "Enter Value 1 For The Length OF The Figure(Shape) Above = "
    "Enter Value 2 For The Acting Vertical Force At Point C Of The Figure Above = "
    "Enter Value 3 For The Horizonatl Force At Point A If Available = "
    "Enter Value 4 For The Horizonatl Force At Point B If Available = "
    " Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward = "
    " Enter The Unit For The Length = ";

struct DialogueCase {
    const char* name;
    std::string input;
    std::int32_t length;
    std::int32_t verticalForce;
    std::int32_t forceAtA;
    std::int32_t forceAtB;
    std::string forceUnit;
    std::string lengthUnit;
    friend void PrintTo(const DialogueCase& c, std::ostream* out) { *out << c.name; }
};

class Dialogue : public testing::TestWithParam<DialogueCase> {};

TEST_P(Dialogue, AsksEveryQuestionAndFillsTheProblem) {
    const DialogueCase& c = GetParam();
    std::istringstream in(c.input);
    std::ostringstream out;
    const beam::BeamProblem problem = beam::askBeamProblem(in, out);
    EXPECT_EQ(out.str(), ALL_PROMPTS);
    EXPECT_EQ(problem.length, c.length);
    EXPECT_EQ(problem.verticalForce, c.verticalForce);
    EXPECT_EQ(problem.forceAtA, c.forceAtA);
    EXPECT_EQ(problem.forceAtB, c.forceAtB);
    EXPECT_EQ(std::string_view(problem.forceUnit), c.forceUnit);
    EXPECT_EQ(std::string_view(problem.lengthUnit), c.lengthUnit);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, Dialogue,
    testing::Values(
        DialogueCase{"CrLfLineEnds", "10\r\n100\r\n5\r\n2\r\nkN\r\nm\r\n", 10, 100, 5, 2, "kN",
                     "m"},
        DialogueCase{"NegativesTakenAsTyped", "-7 -9 -3 -4 lbf ft", -7, -9, -3, -4, "lbf", "ft"},
        DialogueCase{"HexFailsEverythingAfter", "0x1A 100 0 0 kN m", 0, 0, 0, 0, "", ""},
        DialogueCase{"OutOfRangeFailsEverythingAfter", "10 3000000000 0 0 kN m", 10, 0, 0, 0, "",
                     ""},
        DialogueCase{"InputEndsAfterForceUnit", "10 100 3 4 kN", 10, 100, 3, 4, "kN", ""},
        DialogueCase{"InputEndsAfterLength", "10", 10, 0, 0, 0, "", ""},
        DialogueCase{"LongUnitsKeepTheirStart",
                     "1 2 3 4 ABCDEFGHIJKLMNOPQRSTUVWXYZ metres-and-more extra", 1, 2, 3, 4,
                     "ABCDEFGHIJKLMNOPQRS", "metres-and-"},
        DialogueCase{"CyrillicUnitCutBetweenLetters", "1 2 3 4 килоньютон м", 1, 2, 3, 4,
                     "килоньюто", "м"},
        DialogueCase{"NulInsideAUnit", "1 2 3 4 k\0N m"s, 1, 2, 3, 4, "k\0N"s, "m"}),
    testing_support::CaseName{});

}  // namespace
