// Feeds arbitrary bytes as the answers to one whole pass, in memory, read as
// the program reads a file (a byte order mark says how), and stops at the
// first run whose output breaks an invariant.
//
// The last two bytes of an input say how reading it fails: the last one how
// (0 not at all, 1 a read error, 2 an exception, as a file's buffer throws; it
// is taken modulo 3), the one before it after how many bytes of the answers.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ios>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>

#include "app/one_pass.hpp"
#include "console/input_encoding.hpp"
#include "fuzz/run_invariants.hpp"

namespace {

enum class Failure { None, Error, Exception };

// Hands out the answers a byte at a time, then fails as chosen.
class FailingBuffer : public std::streambuf {
  public:
    FailingBuffer(std::string answers, std::size_t failAt, Failure failure)
        : answers_(std::move(answers)), failAt_(failAt), failure_(failure) {}

  protected:
    int_type underflow() override {
        if (failure_ != Failure::None && next_ >= failAt_) {
            if (failure_ == Failure::Exception) {
                throw std::ios_base::failure("basic_filebuf::underflow error reading the file");
            }
            return traits_type::eof();
        }
        if (next_ >= answers_.size()) {
            return traits_type::eof();
        }
        char* byte = answers_.data() + next_++;
        setg(byte, byte, byte + 1);
        return traits_type::to_int_type(*byte);
    }

  private:
    std::string answers_;
    std::size_t next_ = 0;
    std::size_t failAt_;
    Failure failure_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Failure failure = Failure::None;
    std::size_t failAt = 0;
    if (bytes.size() >= 2) {
        failure = static_cast<Failure>(data[size - 1] % 3);
        failAt = data[size - 2];
        bytes.remove_suffix(2);
    }
    FailingBuffer answers(std::string(bytes), failAt, failure);
    console::MarkedInputBuffer marked(answers);
    std::istream in(&marked);
    std::ostringstream out;
    app::runOnePass(in, out, out);
    if (const auto broken = fuzz::brokenInvariant(out.str())) {
        static_cast<void>(std::fprintf(stderr, "invariant broken: %.*s\n",
                                       static_cast<int>(broken->size()), broken->data()));
        std::abort();
    }
    return 0;
}
