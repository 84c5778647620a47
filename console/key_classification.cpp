#include "console/key_classification.hpp"

namespace console {
namespace {

// Windows virtual-key codes.
constexpr std::uint16_t VK_PAGE_UP = 0x21;  // then Page Down, End, Home, the four arrows
constexpr std::uint16_t VK_DOWN_ARROW = 0x28;
constexpr std::uint16_t VK_INSERT_KEY = 0x2D;
constexpr std::uint16_t VK_DELETE_KEY = 0x2E;
constexpr std::uint16_t VK_DIGIT_0 = 0x30;
constexpr std::uint16_t VK_DIGIT_9 = 0x39;
constexpr std::uint16_t VK_LETTER_A = 0x41;
constexpr std::uint16_t VK_LETTER_Z = 0x5A;
constexpr std::uint16_t VK_FUNCTION_1 = 0x70;
constexpr std::uint16_t VK_FUNCTION_24 = 0x87;
constexpr std::uint16_t VK_PUNCTUATION_FIRST = 0xBA;  // ; = , - . / `
constexpr std::uint16_t VK_PUNCTUATION_LAST = 0xC0;
constexpr std::uint16_t VK_BRACKETS_FIRST = 0xDB;  // [ \ ] '
constexpr std::uint16_t VK_BRACKETS_LAST = 0xDF;
constexpr std::uint16_t VK_ANGLE_BRACKET = 0xE2;  // < > on ISO keyboards

constexpr bool within(std::uint16_t key, std::uint16_t first, std::uint16_t last) {
    return key >= first && key <= last;
}

constexpr bool isFunctionKey(std::uint16_t key) {
    return within(key, VK_FUNCTION_1, VK_FUNCTION_24);
}

constexpr bool isCursorOrEditingKey(std::uint16_t key) {
    return within(key, VK_PAGE_UP, VK_DOWN_ARROW) || key == VK_INSERT_KEY || key == VK_DELETE_KEY;
}

constexpr bool isTypingKey(std::uint16_t key) {
    return within(key, VK_DIGIT_0, VK_DIGIT_9) || within(key, VK_LETTER_A, VK_LETTER_Z) ||
           within(key, VK_PUNCTUATION_FIRST, VK_PUNCTUATION_LAST) ||
           within(key, VK_BRACKETS_FIRST, VK_BRACKETS_LAST) || key == VK_ANGLE_BRACKET;
}

}  // namespace

bool endsKeyWait(const KeyPress& key) {
    if (!key.keyDown) {
        return false;
    }
    if (key.character != 0) {
        return true;
    }
    return isFunctionKey(key.virtualKey) || isCursorOrEditingKey(key.virtualKey) ||
           (key.altHeld && isTypingKey(key.virtualKey));
}

}  // namespace console
