#include "app/one_pass.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "beam/introduction_screen.hpp"
#include "flush_recorder.hpp"

namespace {

// The screen comes with the first prompt in one flush; every later prompt and
// every report line is a flush of its own, the closing message last.
TEST(OnePass, FlushesOncePerPromptAndOncePerLine) {
    std::istringstream in("10 100 5 2 kN m");
    testing_support::FlushRecorder recorder;
    std::ostream out(&recorder);
    app::runOnePass(in, out);

    const std::string firstPrompt = "Enter Value 1 For The Length OF The Figure(Shape) Above = ";
    constexpr std::size_t PROMPTS = 6;
    ASSERT_EQ(recorder.flushes.size(), 38U);  // 6 prompts, 31 report lines, the message
    EXPECT_EQ(recorder.flushes.front(), std::string(beam::INTRODUCTION_SCREEN) + firstPrompt);
    for (std::size_t i = PROMPTS; i < recorder.flushes.size(); ++i) {
        const std::string& line = recorder.flushes[i];
        EXPECT_EQ(line.find('\n'), line.size() - 1) << "flush " << i << ": " << line;
    }
    EXPECT_EQ(recorder.flushes.back(), "Press Any Key To Continue\n");
    EXPECT_EQ(recorder.shown(), recorder.str());
}

}  // namespace
