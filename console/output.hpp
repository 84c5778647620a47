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
