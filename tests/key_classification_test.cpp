#include "console/key_classification.hpp"

#include <gtest/gtest.h>

#include "case_name.hpp"

namespace {

struct KeyCase {
    const char* name;
    console::KeyPress key;
    bool ends;
    friend void PrintTo(const KeyCase& c, std::ostream* out) { *out << c.name; }
};

constexpr bool DOWN = true;
constexpr bool UP = false;
constexpr bool ALT = true;
constexpr bool NO_ALT = false;

class KeyWaitRule : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyWaitRule, DecidesWhetherTheKeyEndsTheWait) {
    EXPECT_EQ(console::endsKeyWait(GetParam().key), GetParam().ends);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyWaitRule,
    testing::Values(KeyCase{"Letter", {DOWN, 0x41, 'a', NO_ALT}, true},
                    KeyCase{"Enter", {DOWN, 0x0D, '\r', NO_ALT}, true},
                    KeyCase{"CtrlC", {DOWN, 0x43, '\x03', NO_ALT}, true},
                    KeyCase{"Escape", {DOWN, 0x1B, '\x1b', NO_ALT}, true},
                    KeyCase{"LetterReleased", {UP, 0x41, 'a', NO_ALT}, false},
                    KeyCase{"EnterReleased", {UP, 0x0D, '\r', NO_ALT}, false},
                    KeyCase{"F1", {DOWN, 0x70, 0, NO_ALT}, true},
                    KeyCase{"F24", {DOWN, 0x87, 0, NO_ALT}, true},
                    KeyCase{"AltF4", {DOWN, 0x73, 0, ALT}, true},
                    KeyCase{"PageUp", {DOWN, 0x21, 0, NO_ALT}, true},
                    KeyCase{"Home", {DOWN, 0x24, 0, NO_ALT}, true},
                    KeyCase{"LeftArrow", {DOWN, 0x25, 0, NO_ALT}, true},
                    KeyCase{"DownArrow", {DOWN, 0x28, 0, NO_ALT}, true},
                    KeyCase{"Insert", {DOWN, 0x2D, 0, NO_ALT}, true},
                    KeyCase{"Delete", {DOWN, 0x2E, 0, NO_ALT}, true},
                    KeyCase{"ArrowReleased", {UP, 0x26, 0, NO_ALT}, false},
                    KeyCase{"AltLetter", {DOWN, 0x58, 0, ALT}, true},
                    KeyCase{"AltDigit", {DOWN, 0x35, 0, ALT}, true},
                    KeyCase{"AltComma", {DOWN, 0xBC, 0, ALT}, true},
                    KeyCase{"AltBracket", {DOWN, 0xDB, 0, ALT}, true},
                    KeyCase{"Shift", {DOWN, 0x10, 0, NO_ALT}, false},
                    KeyCase{"Ctrl", {DOWN, 0x11, 0, NO_ALT}, false},
                    KeyCase{"AltAlone", {DOWN, 0x12, 0, ALT}, false},
                    KeyCase{"LeftShift", {DOWN, 0xA0, 0, NO_ALT}, false},
                    KeyCase{"RightAlt", {DOWN, 0xA5, 0, ALT}, false},
                    KeyCase{"CapsLock", {DOWN, 0x14, 0, NO_ALT}, false},
                    KeyCase{"NumLock", {DOWN, 0x90, 0, NO_ALT}, false},
                    KeyCase{"ScrollLock", {DOWN, 0x91, 0, NO_ALT}, false},
                    KeyCase{"LetterWithoutCharacterOrAlt", {DOWN, 0x41, 0, NO_ALT}, false},
                    // Each range at its first and last code, and one beyond.
                    KeyCase{"F1Minus1", {DOWN, 0x6F, 0, NO_ALT}, false},
                    KeyCase{"F24Plus1", {DOWN, 0x88, 0, NO_ALT}, false},
                    KeyCase{"PageUpMinus1", {DOWN, 0x20, 0, NO_ALT}, false},
                    KeyCase{"DownArrowPlus1", {DOWN, 0x29, 0, NO_ALT}, false},
                    KeyCase{"InsertMinus1", {DOWN, 0x2C, 0, NO_ALT}, false},
                    KeyCase{"DeletePlus1", {DOWN, 0x2F, 0, NO_ALT}, false},
                    KeyCase{"AltDigit0", {DOWN, 0x30, 0, ALT}, true},
                    KeyCase{"AltDigit9", {DOWN, 0x39, 0, ALT}, true},
                    KeyCase{"AltDigit9Plus1", {DOWN, 0x3A, 0, ALT}, false},
                    KeyCase{"AltLetterA", {DOWN, 0x41, 0, ALT}, true},
                    KeyCase{"AltLetterAMinus1", {DOWN, 0x40, 0, ALT}, false},
                    KeyCase{"AltLetterZ", {DOWN, 0x5A, 0, ALT}, true},
                    KeyCase{"AltLetterZPlus1", {DOWN, 0x5B, 0, ALT}, false},
                    KeyCase{"AltPunctuationFirst", {DOWN, 0xBA, 0, ALT}, true},
                    KeyCase{"AltPunctuationFirstMinus1", {DOWN, 0xB9, 0, ALT}, false},
                    KeyCase{"AltPunctuationLast", {DOWN, 0xC0, 0, ALT}, true},
                    KeyCase{"AltPunctuationLastPlus1", {DOWN, 0xC1, 0, ALT}, false},
                    KeyCase{"AltBracketsFirstMinus1", {DOWN, 0xDA, 0, ALT}, false},
                    KeyCase{"AltBracketsLast", {DOWN, 0xDF, 0, ALT}, true},
                    KeyCase{"AltBracketsLastPlus1", {DOWN, 0xE0, 0, ALT}, false},
                    KeyCase{"AltAngleBracket", {DOWN, 0xE2, 0, ALT}, true},
                    KeyCase{"AltAngleBracketMinus1", {DOWN, 0xE1, 0, ALT}, false},
                    KeyCase{"AltAngleBracketPlus1", {DOWN, 0xE3, 0, ALT}, false}),
    testing_support::CaseName{});

}  // namespace
