// The report's vocabulary: every line of it is written through these.
//
// A report line is a sequence of pieces (texts, integers, numbers in halves)
// joined with nothing between them and closed by one line end, which flushes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace beam {

// A line holding a single space, used between groups of report lines.
inline constexpr std::string_view SPACER_LINE = " ";

// Fifty-eight hyphens and one space.
inline constexpr std::string_view DASH_RULE =
    "---------------------------------------------------------- ";
static_assert(DASH_RULE.size() == 59);

// A whole number or a whole number and a half, held exactly as its count of
// halves: 7 halves is 3.5, -1 half is -0.5.
struct Halves {
    std::int64_t count = 0;
};

constexpr Halves operator-(Halves value) {
    return {-value.count};
}

// Exactly these characters, with no fill to any width.
void writePiece(std::ostream& out, std::string_view text);

// Plain decimal: a leading '-' for negative values, no '+', no grouping.
void writePiece(std::ostream& out, std::int64_t value);

// The whole part, then ".5" for a half: 4, 3.5, -0.5.
void writePiece(std::ostream& out, Halves value);

// The pieces, then the platform's line end, then a flush.
template <typename... Pieces>
void writeLine(std::ostream& out, const Pieces&... pieces) {
    (writePiece(out, pieces), ...);
    out.put('\n');
    out.flush();
}

}  // namespace beam
