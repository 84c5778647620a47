// The whole pass in memory: what each flush brings to the screen. What the
// pass writes for given answers is in the expected files of golden/.
#include "app/one_pass.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "beam/input_dialogue.hpp"
#include "beam/introduction_screen.hpp"

namespace {

// An output buffer that records what each flush delivered.
class FlushRecorder : public std::stringbuf {
  public:
    std::vector<std::string> flushes;

  protected:
    int sync() override {
        flushes.push_back(str());
        str("");
        return 0;
    }
};

// The screen comes with the first prompt in one flush; every later prompt and
// every report line is a flush of its own, the closing message last, and
// nothing is left unflushed.
TEST(OnePass, FlushesOncePerPromptAndOncePerLine) {
    std::istringstream in("10 100 5 2 kN m");
    FlushRecorder recorder;
    std::ostream out(&recorder);
    app::runOnePass(in, out, out);

    ASSERT_EQ(38U, recorder.flushes.size());  // 6 prompts, 31 report lines, the message
    EXPECT_EQ(std::string(beam::INTRODUCTION_SCREEN) + std::string(beam::LENGTH_PROMPT),
              recorder.flushes[0]);
    for (std::size_t i = 1; i < beam::PROMPTS.size(); ++i) {
        EXPECT_EQ(beam::PROMPTS[i], recorder.flushes[i]);
    }
    for (std::size_t i = beam::PROMPTS.size(); i < recorder.flushes.size(); ++i) {
        EXPECT_EQ(recorder.flushes[i].size() - 1, recorder.flushes[i].find('\n')) << i;
    }
    EXPECT_EQ("Press Any Key To Continue\n", recorder.flushes.back());
    EXPECT_EQ("", recorder.str());
}

}  // namespace
