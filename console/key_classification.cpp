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

constexpr char ESC = '\x1b';
constexpr std::size_t LONGEST_SEQUENCE = 33;  // bytes after ESC [ or ESC O

constexpr std::uint16_t byteValue(char byte) {
    return static_cast<unsigned char>(byte);
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

// A UTF-8 character is whole with as many bytes as its first one says, or at
// a byte that cannot continue it.
bool isWholeCharacter(std::string_view bytes) {
    const std::uint16_t lead = byteValue(bytes.front());
    const std::size_t size = within(lead, 0xC2, 0xDF)   ? 2
                             : within(lead, 0xE0, 0xEF) ? 3
                             : within(lead, 0xF0, 0xF4) ? 4
                                                        : 1;
    return bytes.size() >= size ||
           (bytes.size() > 1 && !within(byteValue(bytes.back()), 0x80, 0xBF));
}

// The bytes of a sequence after its ESC [ or ESC O: those from `first` to
// `last` go on, any other is its final byte.
bool isWholeSequence(std::string_view body, std::uint16_t first, std::uint16_t last) {
    return !body.empty() &&
           (!within(byteValue(body.back()), first, last) || body.size() >= LONGEST_SEQUENCE);
}

// What follows an Esc; `afterAlt` once an Esc has been taken as Alt.
bool isWholeEscape(std::string_view rest, bool afterAlt) {
    if (rest.empty()) {
        return false;
    }
    switch (rest.front()) {
        case '[':  // the Linux console's F1 to F5 are ESC [ [ and one letter
            return rest.starts_with("[[") ? rest.size() == 3
                                          : isWholeSequence(rest.substr(1), 0x20, 0x3F);
        case 'O':
            return isWholeSequence(rest.substr(1), 0x30, 0x3F);
        case ESC:  // Alt with a key that sends its own Esc
            if (!afterAlt) {
                return isWholeEscape(rest.substr(1), true);
            }
            [[fallthrough]];
        default:
            return isWholeCharacter(rest);
    }
}

}  // namespace

bool isWholeKey(std::string_view bytes) {
    if (bytes.empty()) {
        return false;
    }
    return bytes.front() == ESC ? isWholeEscape(bytes.substr(1), false) : isWholeCharacter(bytes);
}

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
