#include "beam/report_line.hpp"

#include <array>
#include <charconv>
#include <limits>

namespace beam {

void writePiece(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writePiece(std::ostream& out, std::int64_t value) {
    // Room for every digit of the widest value and its sign.
    std::array<char, std::numeric_limits<std::int64_t>::digits10 + 2> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    writePiece(
        out, std::string_view(digits.data(), static_cast<std::size_t>(result.ptr - digits.data())));
}

void writePiece(std::ostream& out, Halves value) {
    const bool negative = value.count < 0;
    // Unsigned, so that even the most negative count has a magnitude.
    const auto count = static_cast<std::uint64_t>(value.count);
    const std::uint64_t magnitude = negative ? 0 - count : count;
    if (negative) {
        writePiece(out, "-");
    }
    writePiece(out, static_cast<std::int64_t>(magnitude / 2));
    if (magnitude % 2 != 0) {
        writePiece(out, ".5");
    }
}

void endLine(std::ostream& out) {
    out.put('\n');
    out.flush();
}
}  // namespace beam
