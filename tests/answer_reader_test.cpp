#include "beam/answer_reader.hpp"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include "case_name.hpp"

namespace {

using namespace std::string_literals;

constexpr std::int32_t INT32_MAX_VALUE = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t INT32_MIN_VALUE = std::numeric_limits<std::int32_t>::min();

// Whatever the read left unread, taken straight from the buffer.
std::string unread(std::istream& in) {
    return {std::istreambuf_iterator<char>(in.rdbuf()), std::istreambuf_iterator<char>()};
}

struct IntegerCase {
    const char* name;
    std::string input;
    std::int32_t value;
    bool fails;
    std::string left;
    friend void PrintTo(const IntegerCase& c, std::ostream* out) { *out << c.name; }
};

class IntegerRead : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerRead, TakesTheNumberAndLeavesTheRest) {
    const IntegerCase& c = GetParam();
    std::istringstream in(c.input);
    EXPECT_EQ(beam::readInteger(in), c.value);
    EXPECT_EQ(in.fail(), c.fails);
    EXPECT_EQ(unread(in), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IntegerRead,
    testing::Values(IntegerCase{"Plain", "42", 42, false, ""},
                    IntegerCase{"EverySeparatorSkipped", " \t\n\v\f\r-17 x", -17, false, " x"},
                    IntegerCase{"PlusSign", "+5,", 5, false, ","},
                    IntegerCase{"LeadingZerosStayDecimal", "0012", 12, false, ""},
                    IntegerCase{"HexPrefixReadsZero", "0x1A", 0, false, "x1A"},
                    IntegerCase{"DecimalPointStops", "7.5", 7, false, ".5"},
                    IntegerCase{"NoDigitGrouping", "1,000", 1, false, ",000"},
                    IntegerCase{"NulStops", "12\0"s, 12, false, "\0"s},
                    IntegerCase{"Largest", "2147483647 ", INT32_MAX_VALUE, false, " "},
                    IntegerCase{"Smallest", "-2147483648", INT32_MIN_VALUE, false, ""},
                    IntegerCase{"OneAboveLargest", "2147483648 9", 0, true, " 9"},
                    IntegerCase{"OneBelowSmallest", "-2147483649", 0, true, ""},
                    IntegerCase{"TwentyDigitsAllConsumed", "99999999999999999999 5", 0, true, " 5"},
                    IntegerCase{"SignAloneIsConsumed", "- 5", 0, true, " 5"},
                    IntegerCase{"PlusAtEnd", "+", 0, true, ""},
                    IntegerCase{"Empty", "", 0, true, ""},
                    IntegerCase{"OnlySeparators", " \r\n", 0, true, ""},
                    IntegerCase{"Letters", "abc", 0, true, "abc"},
                    IntegerCase{"NoBreakSpaceIsNotASeparator",
                                "\xA0"
                                "5",
                                0, true,
                                "\xA0"
                                "5"}),
    testing_support::CaseName{});

struct WordCase {
    const char* name;
    std::string input;
    std::string word;
    bool fails;
    std::string left;
    friend void PrintTo(const WordCase& c, std::ostream* out) { *out << c.name; }
};

class WordRead : public testing::TestWithParam<WordCase> {};

constexpr std::size_t CAPACITY = 5;

TEST_P(WordRead, KeepsWhatFitsAndLeavesTheSeparator) {
    const WordCase& c = GetParam();
    std::istringstream in(c.input);
    std::array<char, CAPACITY> storage{};
    const std::size_t kept = beam::readWord(in, storage);
    EXPECT_EQ(std::string(storage.data(), kept), c.word);
    EXPECT_EQ(in.fail(), c.fails);
    EXPECT_EQ(unread(in), c.left);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WordRead,
    testing::Values(
        WordCase{"FirstWordOnly", "kN m", "kN", false, " m"},
        WordCase{"CrLfAround", "\r\nkN\r\n", "kN", false, "\r\n"},
        WordCase{"CaseAndPunctuationKept", "k-N/m", "k-N/m", false, ""},
        WordCase{"LongWordCutAndDiscarded", "abcdefgh next", "abcde", false, " next"},
        WordCase{"NulBytesKept", "a\0b c"s, "a\0b"s, false, " c"},
        WordCase{"RawBytesKept", "\xC3\xA9\xFF", "\xC3\xA9\xFF", false, ""},
        WordCase{"TwoByteCharacterAtTheCut", "abcd\xC3\xA9 m", "abcd", false, " m"},
        WordCase{"ThreeByteCharacterAtTheCut", "abc\xE2\x82\xAC", "abc", false, ""},
        WordCase{"ThreeByteCharacterFillingIt", "ab\xE2\x82\xAC", "ab\xE2\x82\xAC", false, ""},
        // At the cut, each range of UTF-8 at its edges: a character that may
        // begin there is cut off whole, one that may not leaves the first
        // five bytes as they are.
        WordCase{"FourByteCharacterAtTheCut", "ab\xF0\x9F\x98\x80", "ab", false, ""},
        WordCase{"FourByteCharacterBeforeTheCut", "a\xF0\x9F\x98\x80z", "a\xF0\x9F\x98\x80", false,
                 ""},
        WordCase{"E0AtTheTopOfItsRange", "abc\xE0\xBF\xBF", "abc", false, ""},
        WordCase{"E0OverlongForm", "abc\xE0\x9F\xBF", "abc\xE0\x9F", false, ""},
        WordCase{"EDAtTheTopOfItsRange", "abc\xED\x9F\xBF", "abc", false, ""},
        WordCase{"Surrogate", "abc\xED\xA0\x80", "abc\xED\xA0", false, ""},
        WordCase{"F0AtTheBottomOfItsRange", "abc\xF0\x90\x80\x80", "abc", false, ""},
        WordCase{"F0OverlongForm", "abc\xF0\x8F\xBF\xBF", "abc\xF0\x8F", false, ""},
        WordCase{"LastCodePoint", "abc\xF4\x8F\xBF\xBF", "abc", false, ""},
        WordCase{"BeyondTheLastCodePoint", "abc\xF4\x90\x80\x80", "abc\xF4\x90", false, ""},
        WordCase{"TwoByteOverlongLead", "abcd\xC1\xBF", "abcd\xC1", false, ""},
        WordCase{"LowestTwoByteLead", "abcd\xC2\x80", "abcd", false, ""},
        WordCase{"LeadBeyondF4", "abcd\xF5\x80", "abcd\xF5", false, ""},
        WordCase{"InvalidByteBeyondTheCut", "abcd\xC3\xA9\xFF", "abcd", false, ""},
        WordCase{"InputEndsInsideTheCharacterAtTheCut", "abcd\xE2\x82", "abcd", false, ""},
        WordCase{"NotUtf8CutBetweenBytes",
                 "a\xFF"
                 "bc\xC3\xA9",
                 "a\xFF"
                 "bc\xC3",
                 false, ""},
        WordCase{"Empty", "", "", true, ""}, WordCase{"OnlySeparators", " \t ", "", true, ""}),
    testing_support::CaseName{});

TEST(FailedRead, LeavesEveryLaterReadFailedAndTheInputUntouched) {
    std::istringstream in("x 5 kN");
    EXPECT_EQ(beam::readInteger(in), 0);
    EXPECT_EQ(beam::readInteger(in), 0);
    std::array<char, CAPACITY> storage{};
    EXPECT_EQ(beam::readWord(in, storage), 0U);
    EXPECT_TRUE(in.fail());
    EXPECT_EQ(unread(in), "x 5 kN");
}

TEST(FailedRead, AnAnswerEndingTheInputIsKeptAndTheNextReadFails) {
    std::istringstream in("10");
    EXPECT_EQ(beam::readInteger(in), 10);
    EXPECT_FALSE(in.fail());
    EXPECT_EQ(beam::readInteger(in), 0);
    EXPECT_TRUE(in.fail());
}

// A file's buffer throws when reading the file fails.
class FailingRead : public std::streambuf {
  protected:
    int_type underflow() override { throw std::ios_base::failure("error reading the file"); }
};

TEST(FailedRead, ABufferThatThrowsFailsTheReadAndEveryLaterOne) {
    FailingRead failing;
    std::istream in(&failing);
    EXPECT_EQ(beam::readInteger(in), 0);
    EXPECT_TRUE(in.fail());
    std::array<char, CAPACITY> storage{};
    EXPECT_EQ(beam::readWord(in, storage), 0U);
}

TEST(WordReadLongInput, AMegabyteWordKeepsItsStartAndLeavesTheNextAnswer) {
    std::istringstream in(std::string(1 << 20, 'u') + " m");
    const auto unit = beam::readUnitWord<19>(in);
    EXPECT_EQ(std::string_view(unit), std::string(19, 'u'));
    EXPECT_EQ(std::string_view(beam::readUnitWord<11>(in)), "m");
}

}  // namespace
