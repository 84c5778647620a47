#include "beam/report_line.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace {

std::string written(std::int64_t halves) {
    std::ostringstream out;
    beam::writePiece(out, beam::Halves{halves});
    return out.str();
}

// Beyond what 32-bit answers make, up to the widest counts.
TEST(Halves, AreWrittenAsAWholeNumberOrWithPointFive) {
    EXPECT_EQ("0", written(0));
    EXPECT_EQ("0.5", written(1));
    EXPECT_EQ("-0.5", written(-1));
    EXPECT_EQ("50", written(100));
    EXPECT_EQ("-3", written(-6));
    EXPECT_EQ("-3.5", written(-7));
    EXPECT_EQ("2305843007066210304.5", written(4611686014132420609));
    EXPECT_EQ("-4611686018427387904", written(std::numeric_limits<std::int64_t>::min()));
    EXPECT_EQ("4611686018427387903.5", written(std::numeric_limits<std::int64_t>::max()));
}

}  // namespace
