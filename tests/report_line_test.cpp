#include "beam/report_line.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "case_name.hpp"

namespace {

struct HalvesCase {
    const char* name;
    std::int64_t halves;
    std::string written;
    friend void PrintTo(const HalvesCase& c, std::ostream* out) { *out << c.name; }
};

class HalvesWritten : public testing::TestWithParam<HalvesCase> {};

TEST_P(HalvesWritten, AsAWholeNumberOrWithPointFive) {
    std::ostringstream out;
    beam::writePiece(out, beam::Halves{GetParam().halves});
    EXPECT_EQ(out.str(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HalvesWritten,
    testing::Values(
        HalvesCase{"Zero", 0, "0"}, HalvesCase{"Half", 1, "0.5"},
        HalvesCase{"MinusHalf", -1, "-0.5"}, HalvesCase{"Whole", 100, "50"},
        HalvesCase{"NegativeWhole", -6, "-3"}, HalvesCase{"NegativeHalf", -7, "-3.5"},
        HalvesCase{"LargeHalf", 4611686014132420609, "2305843007066210304.5"},
        HalvesCase{"Smallest", std::numeric_limits<std::int64_t>::min(), "-4611686018427387904"},
        HalvesCase{"Largest", std::numeric_limits<std::int64_t>::max(), "4611686018427387903.5"}),
    testing_support::CaseName{});

}  // namespace
