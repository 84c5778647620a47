// Standard output as the report is written to it.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace console {

// Writes all of `data` to standard output: a write that is interrupted goes
// on, and so does one that finds a non-blocking descriptor full (a terminal
// whose output is suspended with Ctrl+S), once there is room. False when the
// output fails any other way: a closed pipe, a full disk, a file at its limit.
bool writeStandardOutput(const char* data, std::size_t size);

// Makes a failed write to standard output (a reader that closed the pipe, a
// file at its size limit) an error the write returns rather than a signal that
// ends the program.
void ignoreWriteErrors();

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
        const auto size = static_cast<std::size_t>(pptr() - pbase());
        failed_ = failed_ || (size > 0 && !writeStandardOutput(pbase(), size));
        setp(chunk_.data(), chunk_.data() + chunk_.size());
        return failed_ ? -1 : 0;
    }

  private:
    std::array<char, 4096> chunk_{};
    bool failed_ = false;
};

}  // namespace console
