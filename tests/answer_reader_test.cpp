#include "beam/answer_reader.hpp"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace std::string_literals;

// What a read took, whether it failed, and what it left unread: "42 | rest".
std::string taken(std::istream& in, const std::string& value) {
    const std::string left{std::istreambuf_iterator<char>(in.rdbuf()), {}};
    return value + (in.fail() ? " failed" : "") + " | " + left;
}

std::string integerRead(const std::string& input) {
    std::istringstream in(input);
    const std::int32_t value = beam::readInteger(in);
    return taken(in, std::to_string(value));
}

// Into five bytes of storage.
std::string wordRead(const std::string& input) {
    std::istringstream in(input);
    std::array<char, 5> storage{};
    const std::size_t kept = beam::readWord(in, storage);
    return taken(in, std::string(storage.data(), kept));
}

TEST(IntegerRead, TakesTheNumberAndLeavesTheRest) {
    EXPECT_EQ("42 | ", integerRead("42"));
    EXPECT_EQ("-17 |  x", integerRead(" \t\n\v\f\r-17 x"));
    EXPECT_EQ("5 | ,", integerRead("+5,"));
    EXPECT_EQ("12 | ", integerRead("0012"));
    EXPECT_EQ("0 | x1A", integerRead("0x1A"));
    EXPECT_EQ("7 | .5", integerRead("7.5"));
    EXPECT_EQ("1 | ,000", integerRead("1,000"));
    EXPECT_EQ("12 | \0"s, integerRead("12\0"s));
    EXPECT_EQ("2147483647 |  ", integerRead("2147483647 "));
    EXPECT_EQ("-2147483648 | ", integerRead("-2147483648"));
}

TEST(IntegerRead, FailsOutOfRangeOrWithoutDigits) {
    EXPECT_EQ("0 failed |  9", integerRead("2147483648 9"));
    EXPECT_EQ("0 failed | ", integerRead("-2147483649"));
    EXPECT_EQ("0 failed |  5", integerRead("99999999999999999999 5"));
    EXPECT_EQ("0 failed |  5", integerRead("- 5"));
    EXPECT_EQ("0 failed | ", integerRead("+"));
    EXPECT_EQ("0 failed | ", integerRead(""));
    EXPECT_EQ("0 failed | ", integerRead(" \r\n"));
    EXPECT_EQ("0 failed | abc", integerRead("abc"));
    EXPECT_EQ(
        "0 failed | \xA0"s
        "5",
        integerRead("\xA0"s
                    "5"));  // no-break space
}

TEST(WordRead, KeepsWhatFitsAndLeavesTheSeparator) {
    EXPECT_EQ("kN |  m", wordRead("kN m"));
    EXPECT_EQ("kN | \r\n", wordRead("\r\nkN\r\n"));
    EXPECT_EQ("k-N/m | ", wordRead("k-N/m"));
    EXPECT_EQ("abcde |  next", wordRead("abcdefgh next"));
    EXPECT_EQ("a\0b |  c"s, wordRead("a\0b c"s));
    EXPECT_EQ("\xC3\xA9\xFF | ", wordRead("\xC3\xA9\xFF"));
    EXPECT_EQ(" failed | ", wordRead(""));
    EXPECT_EQ(" failed | ", wordRead(" \t "));
}

// A long word in UTF-8 loses a character its kept bytes end inside, whatever
// follows them; each range of UTF-8 at its edges.
TEST(WordRead, CutsUtf8BetweenCharacters) {
    EXPECT_EQ("abcd |  m", wordRead("abcd\xC3\xA9 m"));
    EXPECT_EQ("abc | ", wordRead("abc\xE2\x82\xAC"));
    EXPECT_EQ("ab\xE2\x82\xAC | ", wordRead("ab\xE2\x82\xAC"));
    EXPECT_EQ("ab | ", wordRead("ab\xF0\x9F\x98\x80"));
    EXPECT_EQ("a\xF0\x9F\x98\x80 | ", wordRead("a\xF0\x9F\x98\x80z"));
    EXPECT_EQ("abc | ", wordRead("abc\xE0\xBF\xBF"));
    EXPECT_EQ("abc | ", wordRead("abc\xED\x9F\xBF"));
    EXPECT_EQ("abc | ", wordRead("abc\xF0\x90\x80\x80"));
    EXPECT_EQ("abc | ", wordRead("abc\xF4\x8F\xBF\xBF"));
    EXPECT_EQ("abcd | ", wordRead("abcd\xC2\x80"));
    EXPECT_EQ("abcd | ", wordRead("abcd\xC3\xA9\xFF"));
    EXPECT_EQ("abcd | ", wordRead("abcd\xE2\x82"));
    // Bytes that begin no character are cut between bytes.
    EXPECT_EQ("abcd\xC1 | ", wordRead("abcd\xC1\xBF"));
    EXPECT_EQ("abcd\xF5 | ", wordRead("abcd\xF5\x80"));
}

TEST(FailedRead, LeavesEveryLaterReadFailedAndTheInputUntouched) {
    std::istringstream in("x 5 kN");
    EXPECT_EQ(0, beam::readInteger(in));
    EXPECT_EQ(0, beam::readInteger(in));
    std::array<char, 5> storage{};
    EXPECT_EQ(0U, beam::readWord(in, storage));
    EXPECT_EQ("0 failed | x 5 kN", taken(in, "0"));
}

TEST(FailedRead, AnAnswerEndingTheInputIsKeptAndTheNextReadFails) {
    std::istringstream in("10");
    EXPECT_EQ(10, beam::readInteger(in));
    EXPECT_FALSE(in.fail());
    EXPECT_EQ(0, beam::readInteger(in));
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
    EXPECT_EQ(0, beam::readInteger(in));
    EXPECT_TRUE(in.fail());
    std::array<char, 5> storage{};
    EXPECT_EQ(0U, beam::readWord(in, storage));
}

TEST(WordRead, AMegabyteWordKeepsItsStartAndLeavesTheNextAnswer) {
    std::istringstream in(std::string(1 << 20, 'u') + " m");
    EXPECT_EQ(std::string(19, 'u'), std::string_view(beam::readUnitWord<19>(in)));
    EXPECT_EQ("m", std::string_view(beam::readUnitWord<11>(in)));
}

}  // namespace
