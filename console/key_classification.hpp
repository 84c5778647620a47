// What counts as one key at the closing pause: on a Windows console, which
// key events end it; on a terminal, when the bytes read make one whole key.
#pragma once

#include <cstdint>
#include <string_view>

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

// Whether `bytes`, read so far at a terminal, make one whole key: a UTF-8
// character (ended early by a byte that cannot continue it), an escape
// sequence (ESC [ or ESC O, its parameters, then its final byte; at most 33
// bytes after ESC [ are read), or Esc before either of those (Alt with a key).
// A key that is not yet whole is ended by the wait for its next byte running
// out, as a lone Esc is.
bool isWholeKey(std::string_view bytes);

}  // namespace console
