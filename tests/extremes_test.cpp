// Every combination of the 32-bit extremes for the four entered numbers,
// through the whole pass: each derived value is written exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "app/one_pass.hpp"
#include "report_lines.hpp"

namespace {

__extension__ typedef __int128 Wide;  // wide enough for every product exactly

constexpr std::int32_t EXTREMES[] = {std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()};

std::string decimal(Wide value) {
    if (value == 0) {
        return "0";
    }
    const bool negative = value < 0;
    std::string digits;
    for (Wide rest = negative ? -value : value; rest > 0; rest /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(rest % 10)));
    }
    return negative ? "-" + digits : digits;
}

std::string lineOf(const std::vector<std::string>& lines, const std::string& start) {
    for (const std::string& line : lines) {
        if (line.starts_with(start)) {
            return line;
        }
    }
    return "";
}

TEST(Extremes, EveryCombinationIsWrittenExactly) {
    for (const std::int32_t length : EXTREMES) {
        for (const std::int32_t force : EXTREMES) {
            for (const std::int32_t atA : EXTREMES) {
                for (const std::int32_t atB : EXTREMES) {
                    std::istringstream in(std::to_string(length) + " " + std::to_string(force) +
                                          " " + std::to_string(atA) + " " + std::to_string(atB) +
                                          " kN m");
                    std::ostringstream out;
                    app::runOnePass(in, out);
                    const auto lines = testing_support::splitLines(out.str());

                    // Computed here in 128 bits, with C++'s truncating division.
                    const Wide midpoint = Wide{length} / 2;
                    const Wide moment = midpoint * force;
                    const Wide By = moment / length;
                    const Wide Ay = Wide{force} - By;
                    const Wide net = Wide{atA} - atB;
                    SCOPED_TRACE(in.str());
                    EXPECT_NE(
                        lineOf(lines, "(+/-)Ax + (+/-)Bx = " + decimal(Wide{atA} + atB) + " Eq-2"),
                        "");
                    EXPECT_EQ(lineOf(lines, decimal(-moment) + " + "),
                              decimal(-moment) + " + " + decimal(length) + " x By = 0");
                    EXPECT_EQ(lineOf(lines, decimal(length) + " By = "),
                              decimal(length) + " By = " + decimal(moment));
                    EXPECT_EQ(lineOf(lines, " Ay = " + decimal(force) + " - "),
                              " Ay = " + decimal(force) + " - " + decimal(By));
                    EXPECT_EQ(lineOf(lines, " Ay = " + decimal(Ay) + " kN"),
                              " Ay = " + decimal(Ay) + " kN");
                    EXPECT_EQ(lineOf(lines, " Ax - Bx = " + decimal(net) + " "),
                              " Ax - Bx = " + decimal(net) + " kN");
                }
            }
        }
    }
}

}  // namespace
