#include "console/key_classification.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using console::isWholeKey;

// A Windows key-down event, with or without Alt held.
bool ends(std::uint16_t virtualKey, char character = 0, bool altHeld = false) {
    return console::endsKeyWait({true, virtualKey, character, altHeld});
}

bool endsWithAlt(std::uint16_t virtualKey) {
    return ends(virtualKey, 0, true);
}

TEST(WindowsKeyRule, KeysThatYieldACharacterEndTheWait) {
    EXPECT_TRUE(ends(0x41, 'a'));
    EXPECT_TRUE(ends(0x0D, '\r'));
    EXPECT_TRUE(ends(0x43, '\x03'));  // Ctrl+C
    EXPECT_TRUE(ends(0x1B, '\x1b'));
    EXPECT_FALSE(ends(0x41));  // a letter with neither character nor Alt
}

TEST(WindowsKeyRule, KeyReleasesNeverEndIt) {
    EXPECT_FALSE(console::endsKeyWait({false, 0x41, 'a', false}));
    EXPECT_FALSE(console::endsKeyWait({false, 0x0D, '\r', false}));
    EXPECT_FALSE(console::endsKeyWait({false, 0x26, 0, false}));
}

// Each range at its first and last code, and one beyond.
TEST(WindowsKeyRule, FunctionCursorAndEditingKeysEndIt) {
    EXPECT_TRUE(ends(0x70));  // F1
    EXPECT_TRUE(ends(0x87));  // F24
    EXPECT_TRUE(endsWithAlt(0x73));
    EXPECT_FALSE(ends(0x6F));
    EXPECT_FALSE(ends(0x88));
    EXPECT_TRUE(ends(0x21));  // Page Up
    EXPECT_TRUE(ends(0x24));  // Home
    EXPECT_TRUE(ends(0x25));  // Left
    EXPECT_TRUE(ends(0x28));  // Down
    EXPECT_FALSE(ends(0x20));
    EXPECT_FALSE(ends(0x29));
    EXPECT_TRUE(ends(0x2D));  // Insert
    EXPECT_TRUE(ends(0x2E));  // Delete
    EXPECT_FALSE(ends(0x2C));
    EXPECT_FALSE(ends(0x2F));
}

TEST(WindowsKeyRule, AltWithLetterDigitAndPunctuationKeysEndsIt) {
    EXPECT_TRUE(endsWithAlt(0x30));
    EXPECT_TRUE(endsWithAlt(0x35));
    EXPECT_TRUE(endsWithAlt(0x39));
    EXPECT_FALSE(endsWithAlt(0x3A));
    EXPECT_FALSE(endsWithAlt(0x40));
    EXPECT_TRUE(endsWithAlt(0x41));
    EXPECT_TRUE(endsWithAlt(0x58));
    EXPECT_TRUE(endsWithAlt(0x5A));
    EXPECT_FALSE(endsWithAlt(0x5B));
    EXPECT_FALSE(endsWithAlt(0xB9));
    EXPECT_TRUE(endsWithAlt(0xBA));
    EXPECT_TRUE(endsWithAlt(0xBC));
    EXPECT_TRUE(endsWithAlt(0xC0));
    EXPECT_FALSE(endsWithAlt(0xC1));
    EXPECT_FALSE(endsWithAlt(0xDA));
    EXPECT_TRUE(endsWithAlt(0xDB));
    EXPECT_TRUE(endsWithAlt(0xDF));
    EXPECT_FALSE(endsWithAlt(0xE0));
    EXPECT_FALSE(endsWithAlt(0xE1));
    EXPECT_TRUE(endsWithAlt(0xE2));
    EXPECT_FALSE(endsWithAlt(0xE3));
}

TEST(WindowsKeyRule, ModifierAndLockKeysAloneDoNot) {
    EXPECT_FALSE(ends(0x10));  // Shift
    EXPECT_FALSE(ends(0x11));  // Ctrl
    EXPECT_FALSE(endsWithAlt(0x12));
    EXPECT_FALSE(ends(0xA0));  // left Shift
    EXPECT_FALSE(endsWithAlt(0xA5));
    EXPECT_FALSE(ends(0x14));  // Caps Lock
    EXPECT_FALSE(ends(0x90));  // Num Lock
    EXPECT_FALSE(ends(0x91));  // Scroll Lock
}

TEST(TerminalKeyRule, ACharacterIsWholeWithItsLastByte) {
    EXPECT_FALSE(isWholeKey(""));
    EXPECT_TRUE(isWholeKey("a"));
    EXPECT_TRUE(isWholeKey("\r"));
    EXPECT_TRUE(isWholeKey("\x03"));
    EXPECT_FALSE(isWholeKey("\xC3"));
    EXPECT_TRUE(isWholeKey("\xC3\xA9"));
    EXPECT_FALSE(isWholeKey("\xE2\x82"));
    EXPECT_TRUE(isWholeKey("\xE2\x82\xAC"));
    EXPECT_FALSE(isWholeKey("\xF0\x9F\x98"));
    EXPECT_TRUE(isWholeKey("\xF0\x9F\x98\x80"));
    // A byte that cannot continue the character ends it.
    EXPECT_TRUE(isWholeKey("\xE2\x82z"));
    EXPECT_TRUE(isWholeKey("\xC3\x7F"));
    EXPECT_TRUE(isWholeKey("\xC3\xC0"));
    EXPECT_FALSE(isWholeKey("\xE2\x80"));
    EXPECT_FALSE(isWholeKey("\xE2\xBF"));
}

// The first byte of each size at the edges of its range.
TEST(TerminalKeyRule, TheFirstByteSaysHowManyFollow) {
    EXPECT_TRUE(isWholeKey("\x7F"));
    EXPECT_TRUE(isWholeKey("\xC1"));
    EXPECT_FALSE(isWholeKey("\xC2"));
    EXPECT_FALSE(isWholeKey("\xDF"));
    EXPECT_TRUE(isWholeKey("\xDF\x80"));
    EXPECT_FALSE(isWholeKey("\xE0\xA0"));
    EXPECT_FALSE(isWholeKey("\xEF\xBF"));
    EXPECT_TRUE(isWholeKey("\xEF\xBF\xBF"));
    EXPECT_FALSE(isWholeKey("\xF0\x90\x80"));
    EXPECT_FALSE(isWholeKey("\xF4\x8F\xBF"));
    EXPECT_TRUE(isWholeKey("\xF4\x8F\xBF\xBF"));
    EXPECT_TRUE(isWholeKey("\xF5"));
}

TEST(TerminalKeyRule, AnEscapeSequenceIsWholeWithItsFinalByte) {
    EXPECT_FALSE(isWholeKey("\x1b"));
    EXPECT_FALSE(isWholeKey("\x1b["));
    EXPECT_TRUE(isWholeKey("\x1b[A"));
    EXPECT_FALSE(isWholeKey("\x1b[1;5"));
    EXPECT_TRUE(isWholeKey("\x1b[1;5C"));
    EXPECT_TRUE(isWholeKey("\x1b[15~"));
    EXPECT_TRUE(isWholeKey("\x1b[3~"));
    EXPECT_FALSE(isWholeKey("\x1b[ "));  // 0x20, the first intermediate byte
    EXPECT_FALSE(isWholeKey("\x1b[?"));  // 0x3F, the last parameter byte
    EXPECT_TRUE(isWholeKey("\x1b[\x1f"));
    EXPECT_TRUE(isWholeKey("\x1b[@"));
    EXPECT_FALSE(isWholeKey("\x1b[["));  // the Linux console's F1: ESC [ [ A
    EXPECT_TRUE(isWholeKey("\x1b[[A"));
    EXPECT_FALSE(isWholeKey("\x1bO"));
    EXPECT_TRUE(isWholeKey("\x1bOP"));
    EXPECT_TRUE(isWholeKey("\x1bOB"));
    EXPECT_FALSE(isWholeKey("\x1bO1;2"));
    EXPECT_TRUE(isWholeKey("\x1bO1;2P"));
    EXPECT_FALSE(isWholeKey("\x1bO0"));
    EXPECT_FALSE(isWholeKey("\x1bO?"));
    EXPECT_TRUE(isWholeKey("\x1bO/"));
    EXPECT_TRUE(isWholeKey("\x1bO "));
}

TEST(TerminalKeyRule, AnOverlongSequenceIsCutAfter33Bytes) {
    EXPECT_FALSE(isWholeKey("\x1b[" + std::string(32, '1')));
    EXPECT_TRUE(isWholeKey("\x1b[" + std::string(33, '1')));
    EXPECT_FALSE(isWholeKey("\x1bO" + std::string(32, '1')));
    EXPECT_TRUE(isWholeKey("\x1bO" + std::string(33, '1')));
}

TEST(TerminalKeyRule, EscBeforeAKeyIsAlt) {
    EXPECT_TRUE(
        isWholeKey("\x1b"
                   "a"));
    EXPECT_FALSE(isWholeKey("\x1b\xC3"));
    EXPECT_TRUE(isWholeKey("\x1b\xC3\xA9"));
    EXPECT_FALSE(isWholeKey("\x1b\x1b"));
    EXPECT_FALSE(isWholeKey("\x1b\x1b["));
    EXPECT_TRUE(isWholeKey("\x1b\x1b[A"));
    EXPECT_TRUE(isWholeKey("\x1b\x1b\x1b"));
}

}  // namespace
