// Output primitives every section of the report writes through.
//
// A report line is a sequence of pieces (texts, integers, unit words) joined
// with nothing between them and closed by one line end, which flushes.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace console {

// A line holding a single space, used between groups of report lines.
inline constexpr std::string_view SPACER_LINE = " ";

// Fifty-eight hyphens and one space.
inline constexpr std::string_view DASH_RULE =
    "---------------------------------------------------------- ";
static_assert(DASH_RULE.size() == 59);

// Writes exactly these characters, with no fill to any width.
void writeText(std::ostream& out, std::string_view text);

// Plain decimal: a leading '-' for negative values, no '+', no grouping.
void writeInteger(std::ostream& out, std::int64_t value);

// A whole number or a whole number and a half, held exactly as its count of
// halves: 7 halves is 3.5, -1 half is -0.5.
struct Halves {
    std::int64_t count = 0;
};

constexpr Halves operator-(Halves value) {
    return {-value.count};
}

// The whole part as an integer is written, then ".5" for a half: 3.5, -0.5, 4.
void writeHalves(std::ostream& out, Halves value);

// A unit word exactly as the user typed it, byte for byte.
void writeUnit(std::ostream& out, std::string_view unit);

// Makes a failed write to standard output (a reader that closed the pipe, a
// full disk) an ignored error rather than the end of the program.
void ignoreWriteErrors();

// The platform's line end, then a flush.
void endLine(std::ostream& out);

inline void writePiece(std::ostream& out, std::string_view text) {
    writeText(out, text);
}
inline void writePiece(std::ostream& out, std::int64_t value) {
    writeInteger(out, value);
}
inline void writePiece(std::ostream& out, Halves value) {
    writeHalves(out, value);
}

// Writes the pieces in order, then ends the line. Pieces are texts, integers,
// or any type with a writePiece overload of its own (found by argument lookup).
template <typename... Pieces>
void writeLine(std::ostream& out, const Pieces&... pieces) {
    (writePiece(out, pieces), ...);
    endLine(out);
}

inline void writeSpacerLine(std::ostream& out) {
    writeLine(out, SPACER_LINE);
}
inline void writeDashRule(std::ostream& out) {
    writeLine(out, DASH_RULE);
}
inline void writeEmptyLine(std::ostream& out) {
    endLine(out);
}

}  // namespace console
