#include "beam/introduction_screen.hpp"

#include <gtest/gtest.h>

#include <string>

#include "report_lines.hpp"

namespace {

// Line number (from 1), its whole length, and how many spaces end it.
struct LineShape {
    std::size_t number;
    std::size_t length;
    std::size_t trailingSpaces;
};

TEST(IntroductionScreen, KeepsEveryLineLengthAndTrailingSpace) {
    const auto lines = testing_support::splitLines(std::string(beam::INTRODUCTION_SCREEN));
    ASSERT_EQ(lines.size(), 17U);
    ASSERT_EQ(beam::INTRODUCTION_SCREEN.back(), '\n');
    const LineShape shapes[] = {{1, 38, 0},   {2, 65, 0},   {3, 0, 0},   {4, 0, 0},   {9, 0, 0},
                                {10, 55, 25}, {11, 55, 25}, {12, 56, 0}, {13, 56, 0}, {14, 58, 2},
                                {15, 58, 2},  {16, 56, 0},  {17, 0, 0}};
    for (const LineShape& shape : shapes) {
        const std::string& line = lines.at(shape.number - 1);
        EXPECT_EQ(line.size(), shape.length) << "line " << shape.number;
        const std::size_t lastText = line.find_last_not_of(' ');
        const std::size_t trailing =
            lastText == std::string::npos ? line.size() : line.size() - lastText - 1;
        EXPECT_EQ(trailing, shape.trailingSpaces) << "line " << shape.number;
    }
}

}  // namespace
