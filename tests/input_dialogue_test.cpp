#include "beam/input_dialogue.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "case_name.hpp"
#include "flush_recorder.hpp"

namespace {

using namespace std::string_literals;

const std::string LENGTH_PROMPT = "Enter Value 1 For The Length OF The Figure(Shape) Above = ";
const std::string VERTICAL_FORCE_PROMPT =
    "Enter Value 2 For The Acting Vertical Force At Point C Of The Figure Above = ";
const std::string FORCE_AT_A_PROMPT =
    "Enter Value 3 For The Horizonatl Force At Point A If Available = ";
const std::string FORCE_AT_B_PROMPT =
    "Enter Value 4 For The Horizonatl Force At Point B If Available = ";
const std::string FORCE_UNIT_PROMPT =
    " Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward = ";
const std::string LENGTH_UNIT_PROMPT = " Enter The Unit For The Length = ";
const std::string ALL_PROMPTS = LENGTH_PROMPT + VERTICAL_FORCE_PROMPT + FORCE_AT_A_PROMPT +
                                FORCE_AT_B_PROMPT + FORCE_UNIT_PROMPT + LENGTH_UNIT_PROMPT;

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

// Input typed one answer at a time, like a person at a terminal. Before each
// answer is handed over it notes what the screen showed at that moment.
class TypedAnswers : public std::streambuf {
  public:
    TypedAnswers(std::vector<std::string> answers, const testing_support::FlushRecorder& screen)
        : answers_(std::move(answers)), screen_(screen) {}

    std::vector<std::string> screenAtEachWait;

  protected:
    int_type underflow() override {
        if (next_ == answers_.size()) {
            return traits_type::eof();
        }
        screenAtEachWait.push_back(screen_.shown());
        std::string& answer = answers_[next_++];
        setg(answer.data(), answer.data(), answer.data() + answer.size());
        return traits_type::to_int_type(answer.front());
    }

  private:
    std::vector<std::string> answers_;
    std::size_t next_ = 0;
    const testing_support::FlushRecorder& screen_;
};

TEST(DialogueScreen, EachPromptIsShownBeforeItsAnswerIsAwaited) {
    testing_support::FlushRecorder screen;
    std::ostream out(&screen);
    TypedAnswers typed({"10\n", "100\n", "0\n", "0\n", "kN\n", "m\n"}, screen);
    std::istream in(&typed);
    beam::askBeamProblem(in, out);

    const std::vector<std::string> expected = {
        LENGTH_PROMPT,
        LENGTH_PROMPT + VERTICAL_FORCE_PROMPT,
        LENGTH_PROMPT + VERTICAL_FORCE_PROMPT + FORCE_AT_A_PROMPT,
        LENGTH_PROMPT + VERTICAL_FORCE_PROMPT + FORCE_AT_A_PROMPT + FORCE_AT_B_PROMPT,
        LENGTH_PROMPT + VERTICAL_FORCE_PROMPT + FORCE_AT_A_PROMPT + FORCE_AT_B_PROMPT +
            FORCE_UNIT_PROMPT,
        ALL_PROMPTS,
    };
    EXPECT_EQ(typed.screenAtEachWait, expected);
}

}  // namespace
