// The questions shown on the terminal too, when standard output goes where the
// user does not look.
#pragma once

#include <array>
#include <streambuf>

namespace console {

// A stream buffer that passes everything on to `output` and also shows it on
// the terminal, each time it is flushed: so the user who types the answers
// sees the introduction screen and each question even with standard output
// on a file. What reaches `output` is exactly what was written.
class ScreenEcho : public std::streambuf {
  public:
    explicit ScreenEcho(std::streambuf& output) : output_(output) {
        setp(held_.data(), held_.data() + held_.size());
    }

    // Whether the dialogue needs it: the answers are typed at a terminal and
    // standard output shows nothing there.
    static bool needed();

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    void passOn();

    std::streambuf& output_;
    std::array<char, 1024> held_{};
};

}  // namespace console
