#include "beam/answer_reader.hpp"
#include "console/input_encoding.hpp"

#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace std::string_literals;
using Rows = std::vector<std::pair<std::string, std::string>>;

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

// Each row: the input, then what the read takes and leaves.
// clang-format off
const Rows INTEGERS = {
    {"42", "42 | "}, {" \t\n\v\f\r-17 x", "-17 |  x"}, {"+5,", "5 | ,"}, {"0012", "12 | "},
    {"0x1A", "0 | x1A"}, {"7.5", "7 | .5"}, {"1,000", "1 | ,000"}, {"12\0"s, "12 | \0"s},
    {"2147483647 ", "2147483647 |  "}, {"-2147483648", "-2147483648 | "},
    // Out of range, or without digits: the read fails.
    {"2147483648 9", "0 failed |  9"}, {"-2147483649", "0 failed | "},
    {"99999999999999999999 5", "0 failed |  5"}, {"- 5", "0 failed |  5"}, {"+", "0 failed | "},
    {"", "0 failed | "}, {" \r\n", "0 failed | "}, {"abc", "0 failed | abc"},
    {"\xA0" "5", "0 failed | \xA0" "5"}};

const Rows WORDS = {
    {"kN m", "kN |  m"}, {"\r\nkN\r\n", "kN | \r\n"}, {"k-N/m", "k-N/m | "},
    {"abcdefgh next", "abcde |  next"}, {"a\0b c"s, "a\0b |  c"s},
    {"\xC3\xA9\xFF", "\xC3\xA9\xFF | "}, {"", " failed | "}, {" \t ", " failed | "},
    // A long word in UTF-8 loses a character its kept bytes end inside, whatever
    // follows them; each range of UTF-8 at its edges.
    {"abcd\xC3\xA9 m", "abcd |  m"}, {"abc\xE2\x82\xAC", "abc | "},
    {"ab\xE2\x82\xAC", "ab\xE2\x82\xAC | "}, {"ab\xF0\x9F\x98\x80", "ab | "},
    {"a\xF0\x9F\x98\x80z", "a\xF0\x9F\x98\x80 | "}, {"abc\xE0\xBF\xBF", "abc | "},
    {"abc\xED\x9F\xBF", "abc | "}, {"abc\xF0\x90\x80\x80", "abc | "},
    {"abc\xF4\x8F\xBF\xBF", "abc | "}, {"abcd\xC2\x80", "abcd | "},
    {"abcd\xC3\xA9\xFF", "abcd | "}, {"abcd\xE2\x82", "abcd | "},
    // Bytes that begin no character are cut between bytes.
    {"abcd\xC1\xBF", "abcd\xC1 | "}, {"abcd\xF5\x80", "abcd\xF5 | "},
    // The second byte's narrower ranges at their edges: just inside, a
    // character; just outside, not UTF-8, all five bytes kept.
    {"abc\xE0\xA0\x80", "abc | "}, {"abc\xE0\x9F\x80", "abc\xE0\x9F | "},
    {"abc\xED\xA0\x80", "abc\xED\xA0 | "}, {"abc\xF0\x8F\x80\x80", "abc\xF0\x8F | "},
    {"abc\xF4\x90\x80\x80", "abc\xF4\x90 | "},
    // A later byte is 80 to BF, second or third: a whole character, then one
    // cut off; 7F and C0 are not, and keep the cut one's lead byte.
    {"\xC2\xBF" "ab\xC3\xA9", "\xC2\xBF" "ab | "},
    {"\xEF\xBF\xBF" "a\xC3\xA9", "\xEF\xBF\xBF" "a | "},
    {"\xE0\xA0\x80" "a\xC3\xA9", "\xE0\xA0\x80" "a | "},
    {"\xC2\xC0" "ab\xC3\xA9", "\xC2\xC0" "ab\xC3 | "},
    {"\xC2\x7F" "ab\xC3\xA9", "\xC2\x7F" "ab\xC3 | "},
    {"\xE2\x82\xC0" "a\xC3\xA9", "\xE2\x82\xC0" "a\xC3 | "},
    {"\xE2\x82\x7F" "a\xC3\xA9", "\xE2\x82\x7F" "a\xC3 | "}};
// clang-format on

TEST(IntegerRead, TakesTheNumberAndLeavesTheRest) {
    for (const auto& [input, expected] : INTEGERS) {
        EXPECT_EQ(expected, integerRead(input)) << testing::PrintToString(input);
    }
}

TEST(WordRead, KeepsWhatFitsAndLeavesTheSeparator) {
    for (const auto& [input, expected] : WORDS) {
        EXPECT_EQ(expected, wordRead(input)) << testing::PrintToString(input);
    }
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
    EXPECT_EQ("10 | ", taken(in, std::to_string(beam::readInteger(in))));
    EXPECT_EQ("0 failed | ", taken(in, std::to_string(beam::readInteger(in))));
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

// A unit word longer than its room: cut at a character only when the bytes
// kept are UTF-8 up to the one cut off; Latin-1 and broken UTF-8 keep them all.
std::string forceUnitRead(const std::string& input) {
    std::istringstream in(input);
    return std::string(std::string_view(beam::readUnitWord<beam::FORCE_UNIT_CAPACITY>(in)));
}

std::string a(std::size_t count) {
    return std::string(count, 'a');
}

// clang-format off
const Rows FORCE_UNITS = {
    {std::string(25, '\xE9'), std::string(19, '\xE9')},
    {"¿¿¿¿¿¿¿¿¿¿", "¿¿¿¿¿¿¿¿¿"},  // 20 bytes: the tenth is cut off whole
    {a(18) + "\xC3\xA9" "bc", a(18)},
    {a(17) + "\xC3\x28" "xyz", a(17) + "\xC3\x28"},
    {a(16) + "\xF0\x9D\x84\x9E" "x", a(16)},
    // An overlong form, a surrogate: not UTF-8, so the lone C3 at the end stays.
    {a(5) + "\xC0\xAF" + a(11) + "\xC3\xA9" "x", a(5) + "\xC0\xAF" + a(11) + "\xC3"},
    {a(5) + "\xED\xA0\x80" + a(10) + "\xC3\xA9" "x", a(5) + "\xED\xA0\x80" + a(10) + "\xC3"}};
// clang-format on

TEST(WordRead, ALongUnitIsCutBetweenCharactersOnlyInUtf8) {
    for (const auto& [input, expected] : FORCE_UNITS) {
        EXPECT_EQ(expected, forceUnitRead(input)) << testing::PrintToString(input);
    }
    std::istringstream in(std::string(25, '\xE9'));
    EXPECT_EQ(std::string(11, '\xE9'),
              std::string_view(beam::readUnitWord<beam::LENGTH_UNIT_CAPACITY>(in)));
}

TEST(WordRead, AMegabyteWordKeepsItsStartAndLeavesTheNextAnswer) {
    std::istringstream in(std::string(1 << 20, 'u') + " m");
    EXPECT_EQ(std::string(19, 'u'), std::string_view(beam::readUnitWord<19>(in)));
    EXPECT_EQ("m", std::string_view(beam::readUnitWord<11>(in)));
}

// Answers files as Windows saves them, handed over a byte at a time, as a slow
// pipe may: each row the input, then the words read from it, each ending "|".
struct ByteAtATime : std::streambuf {
    explicit ByteAtATime(std::string all) : bytes(std::move(all)) {}
    int_type underflow() override {
        if (next == bytes.size()) {
            return traits_type::eof();
        }
        setg(&bytes[next], &bytes[next], &bytes[next] + 1);
        return traits_type::to_int_type(bytes[next++]);
    }
    std::string bytes;
    std::size_t next = 0;
};

std::string markedWords(const std::string& input) {
    ByteAtATime bytes(input);
    console::MarkedInputBuffer marked(bytes);
    std::istream in(&marked);
    std::string words;
    for (std::array<char, 8> storage{};;) {
        const std::size_t kept = beam::readWord(in, storage);
        if (in.fail()) {
            return words;
        }
        words += std::string(storage.data(), kept) + "|";
    }
}

// clang-format off
const Rows MARKED = {
    // No mark, no change: a mark later on, or a mark's beginning, is data.
    {"10 kN", "10|kN|"}, {"", ""}, {"\xEF\xBB", "\xEF\xBB|"}, {"\xFEx", "\xFEx|"},
    {"m \xEF\xBB\xBF" "a", "m|\xEF\xBB\xBF" "a|"}, {"\xFF", "\xFF|"},
    // UTF-8 as Notepad saves it, with its mark and CR LF line ends.
    {"\xEF\xBB\xBF" "10\r\n100\r\nkN\r\n", "10|100|kN|"}, {"\xEF\xBB\xBF", ""},
    // UTF-16 as Windows PowerShell 5 redirects it: ASCII as ASCII, the rest as UTF-8.
    {"\xFF\xFE" "1\0" "0\0\r\0\n\0\x1C\x04"s, "10|\xD0\x9C|"},
    {"\xFE\xFF" "\0" "1\0" "0\0 \xD8\x3D\xDE\x00"s, "10|\xF0\x9F\x98\x80|"},
    // A surrogate without its pair, a byte left over: U+FFFD each.
    {"\xFF\xFE" "\x00\xD8" "a\0"s, "\xEF\xBF\xBD" "a|"},
    {"\xFF\xFE" "\x00\xDC" "a"s, "\xEF\xBF\xBD\xEF\xBF\xBD|"},
    {"\xFF\xFE" "a\0\x3D\xD8"s, "a\xEF\xBF\xBD|"}};
// clang-format on

TEST(MarkedInput, IsReadAsTheTextItHolds) {
    for (const auto& [input, expected] : MARKED) {
        EXPECT_EQ(expected, markedWords(input)) << testing::PrintToString(input);
    }
}

}  // namespace
