// The checker that judges whole runs (the fuzzer's, and the hostile runs'):
// a sound report passes, and each report broken in one place is rejected.
#include "fuzz/run_invariants.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/one_pass.hpp"
#include "beam/report_line.hpp"

namespace {

// Whether the checker rejects the run of `answers` once the first `sound`
// in it is replaced with `broken`; the sound run must pass.
bool rejects(const std::string& answers, const std::string& sound, const std::string& broken) {
    std::istringstream in(answers);
    std::ostringstream out;
    app::runOnePass(in, out, out);
    std::string report = out.str();
    EXPECT_EQ(std::nullopt, fuzz::brokenInvariant(report));
    const std::size_t at = report.find(sound);
    EXPECT_NE(std::string::npos, at) << sound;
    return at != std::string::npos &&
           fuzz::brokenInvariant(report.replace(at, sound.size(), broken)).has_value();
}

const std::string EXAMPLE = "10 100 0 0 kN m";
const std::string DASH_RULE = std::string(beam::DASH_RULE) + "\n";
const std::string CLOSING = std::string(app::CLOSING_MESSAGE) + "\n";

TEST(Checker, RejectsAReportBrokenInOnePlace) {
    EXPECT_TRUE(rejects(EXAMPLE, " By = 50\n", " By = 51\n"));
    EXPECT_TRUE(rejects("7 9 0 0 kN m", " Ay = 4.5\n", " Ay = 5.5\n"));
    EXPECT_TRUE(rejects(EXAMPLE, "-500 + 10 x By = 0", "-501 + 10 x By = 0"));
    EXPECT_TRUE(rejects("7 9 0 0 kN m", " ==> 7 / 2 = 3.5 ", " ==> 7 / 2 = 3 "));
    EXPECT_TRUE(rejects(EXAMPLE, DASH_RULE + CLOSING, CLOSING));
    EXPECT_TRUE(
        rejects("10 100 0 4 kN m", CLOSING, " Ax = 0.00 kN, And , Bx = 0.00 kN\n" + CLOSING));
    EXPECT_TRUE(rejects("10 100 0 4 kN m",
                        " Bx = 4 kN <--, Acting Towards The Left Side Of The Beam\n", ""));
    EXPECT_TRUE(rejects(EXAMPLE, CLOSING, ""));
    EXPECT_TRUE(rejects(EXAMPLE, " Enter The Unit For The Length = ", ""));
    EXPECT_TRUE(rejects("0 100 0 0 kN m", " By And Ay Cannot Be Found, The Length Of The Beam Is 0",
                        " By = 0"));
}

}  // namespace
