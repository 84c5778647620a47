// Standard input as the text it holds, however Windows saved it: Notepad and
// many editors begin a UTF-8 file with a byte order mark, and Windows
// PowerShell 5 writes `echo 10 > answers.txt` as UTF-16 with its mark. A mark
// at the very start says how the rest is written; without one, the input is
// read as it is, byte for byte. A mark anywhere else is data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>

namespace console {

enum class InputEncoding { Unmarked, Utf8, Utf16LittleEndian, Utf16BigEndian };

struct ByteOrderMark {
    InputEncoding encoding;
    std::size_t size;  // bytes, to be skipped
};

// What the input's first bytes `start` say: the mark they begin with, none,
// or nothing yet (std::nullopt) while they are the beginning of a mark and
// more input may follow (`ended` false).
std::optional<ByteOrderMark> byteOrderMark(std::string_view start, bool ended);

// UTF-16 to UTF-8, a piece of input at a time: a character split between
// pieces is kept until its end comes. A surrogate without its pair, and a
// byte left over at the end, are each U+FFFD, the replacement character.
class Utf16Decoder {
  public:
    explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}

    // Appends the UTF-8 of `bytes` to `text`; at the end of the input
    // (`ended`), what is left over too.
    void decode(std::string_view bytes, bool ended, std::string& text);

  private:
    void unit(std::uint16_t value, std::string& text);

    bool bigEndian_;
    std::optional<unsigned char> oddByte_;
    std::optional<std::uint16_t> highSurrogate_;
};

// A stream buffer over `source` that skips a UTF-8 mark at its start and
// reads UTF-16 as UTF-8. It takes from `source` only what it holds at once,
// so that an answer is read as soon as it is typed or sent.
class MarkedInputBuffer : public std::streambuf {
  public:
    explicit MarkedInputBuffer(std::streambuf& source) : source_(source) {}

  protected:
    int_type underflow() override;

  private:
    // The next bytes `source` holds, empty at its end.
    std::string_view take();

    std::streambuf& source_;
    std::array<char, 4096> chunk_{};
    std::optional<ByteOrderMark> mark_;
    std::string start_;  // the first bytes, until they say which mark they are
    std::optional<Utf16Decoder> utf16_;
    std::string text_;  // what is handed out
};

}  // namespace console
