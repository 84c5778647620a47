#include "beam/report_line.hpp"

namespace beam {

void writePiece(std::ostream& out, std::string_view text) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writePiece(std::ostream& out, std::int64_t value) {
    out << value;
}

void writePiece(std::ostream& out, Halves value) {
    // Unsigned, so that even the most negative count has a magnitude.
    const auto count = static_cast<std::uint64_t>(value.count);
    const std::uint64_t magnitude = value.count < 0 ? 0 - count : count;
    out << (value.count < 0 ? "-" : "") << magnitude / 2 << (magnitude % 2 != 0 ? ".5" : "");
}

}  // namespace beam
