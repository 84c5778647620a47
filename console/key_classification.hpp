// Which key presses end the closing pause on a Windows console.
#pragma once

#include <cstdint>

namespace console {

// One console key event, as much of it as the decision needs.
struct KeyPress {
    bool keyDown = false;
    std::uint16_t virtualKey = 0;
    char character = 0;  // 0 when the key yields no character
    bool altHeld = false;
};

// A key-down that yields a character ends the wait. Without a character, the
// function, cursor and editing keys end it (with any modifier), and so do Alt
// combinations with letter, digit and punctuation keys. Modifier and lock
// keys pressed alone, and every key release, do not.
bool endsKeyWait(const KeyPress& key);

}  // namespace console
