#include "console/key_classification.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace {

using console::isWholeKey;

// A Windows key-down event, without a character unless given one.
bool ends(int virtualKey, char character = 0, bool altHeld = false) {
    return console::endsKeyWait({true, static_cast<std::uint16_t>(virtualKey), character, altHeld});
}

// Each range of codes at its first and last code, and one beyond.
TEST(WindowsKeyRule, KeysThatEndTheWait) {
    for (const char character : {'a', '\r', '\x03', '\x1b'}) {
        EXPECT_TRUE(ends(0x41, character)) << int{character};
    }
    // Function keys, then Page Up to the arrows, Insert and Delete.
    for (const int key : {0x70, 0x87, 0x21, 0x24, 0x25, 0x28, 0x2D, 0x2E}) {
        EXPECT_TRUE(ends(key)) << key;
    }
    // With Alt: F4, digits, letters, punctuation, brackets, ISO's angle bracket.
    for (const int key :
         {0x73, 0x30, 0x35, 0x39, 0x41, 0x58, 0x5A, 0xBA, 0xBC, 0xC0, 0xDB, 0xDF, 0xE2}) {
        EXPECT_TRUE(ends(key, 0, true)) << key;
    }
}

TEST(WindowsKeyRule, KeysThatDoNot) {
    EXPECT_FALSE(console::endsKeyWait({false, 0x41, 'a', false}));
    EXPECT_FALSE(console::endsKeyWait({false, 0x0D, '\r', false}));
    EXPECT_FALSE(console::endsKeyWait({false, 0x26, 0, false}));
    // A letter without character or Alt; Shift, Ctrl, Caps Lock, Num Lock,
    // Scroll Lock; the codes just outside the ranges.
    for (const int key :
         {0x41, 0x10, 0x11, 0xA0, 0x14, 0x90, 0x91, 0x6F, 0x88, 0x20, 0x29, 0x2C, 0x2F}) {
        EXPECT_FALSE(ends(key)) << key;
    }
    // Alt alone, right Alt, and the codes just outside the Alt ranges.
    for (const int key : {0x12, 0xA5, 0x3A, 0x40, 0x5B, 0xB9, 0xC1, 0xDA, 0xE0, 0xE1, 0xE3}) {
        EXPECT_FALSE(ends(key, 0, true)) << key;
    }
}

void expectWhole(bool whole, std::initializer_list<std::string_view> keys) {
    for (const std::string_view key : keys) {
        EXPECT_EQ(whole, isWholeKey(key)) << testing::PrintToString(std::string(key));
    }
}

// A character: as many bytes as its first byte says (each size at the edges
// of its range), or a byte that cannot continue it.
TEST(TerminalKeyRule, Characters) {
    expectWhole(true, {"a", "\r", "\x03", "\x7F", "\xC1", "\xF5", "\xC3\xA9", "\xDF\x80",
                       "\xE2\x82\xAC", "\xEF\xBF\xBF", "\xF0\x9F\x98\x80", "\xF4\x8F\xBF\xBF",
                       "\xE2\x82z", "\xC3\x7F", "\xC3\xC0"});
    expectWhole(false, {"", "\xC2", "\xC3", "\xDF", "\xE0\xA0", "\xE2\x80", "\xE2\xBF", "\xEF\xBF",
                        "\xF0\x90\x80", "\xF0\x9F\x98", "\xF4\x8F\xBF"});
}

// CSI: parameter and intermediate bytes 0x20 to 0x3F, then a final byte; SS3:
// digits and separators 0x30 to 0x3F, then a final byte.
TEST(TerminalKeyRule, EscapeSequences) {
    expectWhole(true,
                {"\x1b[A", "\x1b[1;5C", "\x1b[15~", "\x1b[3~", "\x1b[\x1f", "\x1b[@", "\x1b[[A",
                 "\x1bOP", "\x1bOB", "\x1bO1;2P", "\x1bO?P", "\x1bO/", "\x1bO ", "\x1bO@"});
    expectWhole(false, {"\x1b", "\x1b[", "\x1b[1;5", "\x1b[ ", "\x1b[?", "\x1b[[", "\x1bO",
                        "\x1bO1;2", "\x1bO0", "\x1bO?"});
    // Cut off after 33 bytes past ESC [ or ESC O.
    EXPECT_FALSE(isWholeKey("\x1b[" + std::string(32, '1')));
    EXPECT_TRUE(isWholeKey("\x1b[" + std::string(33, '1')));
    EXPECT_FALSE(isWholeKey("\x1bO" + std::string(32, '1')));
    EXPECT_TRUE(isWholeKey("\x1bO" + std::string(33, '1')));
}

TEST(TerminalKeyRule, EscBeforeAKeyIsAlt) {
    expectWhole(true, {"\x1b"
                       "a",
                       "\x1b\xC3\xA9", "\x1b\x1b[A", "\x1b\x1b\x1b"});
    expectWhole(false, {"\x1b\xC3", "\x1b\x1b", "\x1b\x1b["});
}

}  // namespace
