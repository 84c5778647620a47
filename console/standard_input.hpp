// Standard input as the answers are read from it.
#pragma once

#include <array>
#include <cstddef>
#include <streambuf>

namespace console {

// Reads what standard input holds, at most `size` bytes, and waits for it when
// the input is slow, even on a descriptor left non-blocking. Returns 0 at the
// end of the input and on any error reading it: closed, a directory, a
// terminal that hung up.
std::size_t readStandardInput(char* data, std::size_t size);

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

}  // namespace console
