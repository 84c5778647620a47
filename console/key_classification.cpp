#include "console/key_classification.hpp"

#include <algorithm>
#include <array>

namespace console {
namespace {

// Windows virtual-key codes, as ranges from the first to the last.
struct KeyRange {
    std::uint16_t first;
    std::uint16_t last;
};

// F1 to F24; Page Up, Page Down, End, Home and the arrows; Insert and Delete.
constexpr std::array EXTENDED_KEYS = {KeyRange{0x70, 0x87}, KeyRange{0x21, 0x28},
                                      KeyRange{0x2D, 0x2E}};
// Digits, letters, ; = , - . / `, [ \ ] ' and, on ISO keyboards, < >.
constexpr std::array TYPING_KEYS = {KeyRange{0x30, 0x39}, KeyRange{0x41, 0x5A},
                                    KeyRange{0xBA, 0xC0}, KeyRange{0xDB, 0xDF},
                                    KeyRange{0xE2, 0xE2}};

constexpr bool within(std::uint16_t key, std::uint16_t first, std::uint16_t last) {
    return key >= first && key <= last;
}

template <std::size_t Count>
constexpr bool isAmong(std::uint16_t key, const std::array<KeyRange, Count>& ranges) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [key](KeyRange range) { return within(key, range.first, range.last); });
}

constexpr char ESC = '\x1b';
constexpr std::size_t LONGEST_SEQUENCE = 33;  // bytes after ESC [ or ESC O

constexpr std::uint16_t byteValue(char byte) {
    return static_cast<unsigned char>(byte);
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
    return key.keyDown && (key.character != 0 || isAmong(key.virtualKey, EXTENDED_KEYS) ||
                           (key.altHeld && isAmong(key.virtualKey, TYPING_KEYS)));
}

}  // namespace console
