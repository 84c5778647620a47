// Standard input and output as the answers are read and the report written.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>
#include <string_view>

namespace console {

// Reads what standard input holds, at most `size` bytes, and waits for it when
// the input is slow, even on a descriptor left non-blocking. Returns 0 at the
// end of the input and on any error reading it: closed, a directory, a
// terminal that hung up.
std::size_t readStandardInput(char* data, std::size_t size);

// Writes all of `data` to standard output, waiting for room when a
// non-blocking descriptor is full (a terminal suspended with Ctrl+S). False
// when the output fails any other way: a closed pipe, a full disk, a file at
// its size limit.
bool writeStandardOutput(const char* data, std::size_t size);

// Makes a failed write to standard output an error the write returns rather
// than a signal that ends the program.
void ignoreWriteErrors();

// A stream buffer over standard input that never throws: a read error is the
// end of the input, which fails the read that meets it.
class StandardInputBuffer : public std::streambuf {
  protected:
    int_type underflow() override {
        const std::size_t count = readStandardInput(chunk_.data(), chunk_.size());
        if (count == 0) {
            return traits_type::eof();
        }
        setg(chunk_.data(), chunk_.data(), chunk_.data() + count);
        return traits_type::to_int_type(chunk_.front());
    }

  private:
    std::array<char, 4096> chunk_{};
};

// A stream buffer over standard output that writes only when flushed or full.
// Once a write fails, the rest of the output is dropped, silently.
class StandardOutputBuffer : public std::streambuf {
  public:
    StandardOutputBuffer() { setp(chunk_.data(), chunk_.data() + chunk_.size()); }

  protected:
    int_type overflow(int_type c) override {
        sync();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            sputc(traits_type::to_char_type(c));
        }
        return traits_type::not_eof(c);
    }

    int sync() override {
        const std::string_view text = pending();
        failed_ = failed_ || (!text.empty() && !writeStandardOutput(text.data(), text.size()));
        setp(chunk_.data(), chunk_.data() + chunk_.size());
        return failed_ ? -1 : 0;
    }

    // What was written since the last flush.
    std::string_view pending() const {
        return {pbase(), static_cast<std::size_t>(pptr() - pbase())};
    }

  private:
    std::array<char, 4096> chunk_{};
    bool failed_ = false;
};

}  // namespace console
