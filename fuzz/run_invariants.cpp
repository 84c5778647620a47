#include "fuzz/run_invariants.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "app/one_pass.hpp"
#include "beam/input_dialogue.hpp"
#include "beam/introduction_screen.hpp"
#include "beam/report_line.hpp"

namespace fuzz {
namespace {

// For each horizontal case, a text that only that case writes. Unit words hold
// no whitespace, so none of these can be made up from typed answers.
constexpr std::string_view CASE_MARKS[] = {
    " <--, Acting Towards The Left Side Of The Beam\n",
    " -->, Acting Towards The Right Side OF The Beam \n",
    " Next Equation And Topic(s) To Be Resolved Later...............  \n",
    ", And , Bx = 0.00 ",
};

constexpr std::string_view ZERO_LENGTH_NOTE =
    " By And Ay Cannot Be Found, The Length Of The Beam Is 0";

std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    return lines;
}

std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// A number as the report writes it, counted in halves: "-3.5" is -7. Nothing
// when the text is not such a number or its count does not fit 64 bits.
std::optional<std::int64_t> halvesOf(std::string_view text) {
    const bool half = text.ends_with(".5");
    const std::string_view whole = half ? text.substr(0, text.size() - 2) : text;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(whole.data(), whole.data() + whole.size(), value);
    std::int64_t halves = 0;
    if (whole.empty() || whole.starts_with('+') || error != std::errc{} ||
        end != whole.data() + whole.size() || __builtin_mul_overflow(value, 2, &halves)) {
        return std::nullopt;
    }
    if (half) {
        halves += whole.starts_with('-') ? -1 : 1;
    }
    return halves;
}

// The number a line holds between `start` and `end`, when that is all it holds.
std::optional<std::int64_t> numberBetween(std::string_view line, std::string_view start,
                                          std::string_view end) {
    if (line.size() < start.size() + end.size() || !line.starts_with(start) ||
        !line.ends_with(end)) {
        return std::nullopt;
    }
    return halvesOf(line.substr(start.size(), line.size() - start.size() - end.size()));
}

// The number on the first line that reads `start`, a number, then `end`.
std::optional<std::int64_t> firstNumber(const std::vector<std::string_view>& lines,
                                        std::string_view start, std::string_view end = "") {
    const auto line =
        std::find_if(lines.begin(), lines.end(), [start, end](std::string_view candidate) {
            return numberBetween(candidate, start, end).has_value();
        });
    return line == lines.end() ? std::nullopt : numberBetween(*line, start, end);
}

// The numbers on the first line that reads `start`, a number, `middle`, a
// number, then `end`.
std::optional<std::pair<std::int64_t, std::int64_t>> firstTwoNumbers(
    const std::vector<std::string_view>& lines, std::string_view start, std::string_view middle,
    std::string_view end) {
    for (const std::string_view line : lines) {
        const std::size_t at = line.find(middle, start.size());
        if (at == std::string_view::npos) {
            continue;
        }
        const auto first = numberBetween(line.substr(0, at), start, "");
        const auto second = numberBetween(line.substr(at + middle.size()), "", end);
        if (first && second) {
            return std::pair{*first, *second};
        }
    }
    return std::nullopt;
}

// Each equation of the report, checked with the numbers it shows. Numbers are
// compared in halves, where every product of them stays within 64 bits.
std::optional<std::string_view> brokenInReport(std::string_view report) {
    const std::size_t cases =
        std::accumulate(std::begin(CASE_MARKS), std::end(CASE_MARKS), std::size_t{0},
                        [report](std::size_t sum, std::string_view mark) {
                            return sum + occurrences(report, mark);
                        });
    if (cases != 1) {
        return "exactly one horizontal case is written";
    }
    const std::string dashRule = std::string(beam::DASH_RULE) + "\n";
    if (!report.ends_with(dashRule + dashRule + std::string(app::CLOSING_MESSAGE) + "\n")) {
        return "the report ends with two dash rules and the closing message";
    }
    const std::vector<std::string_view> lines = linesOf(report);
    const auto force = firstNumber(lines, "Ay + By = ", " Eq-1");
    const auto midpoint = firstTwoNumbers(
        lines, " ==> ", " / 2 = ", " = The Midpoint(Acting Point Of The Vertical Force)");
    const auto moment = firstTwoNumbers(lines, "", " + ", " x By = 0");
    if (!force || !midpoint || !moment) {
        return "Eq-1, the midpoint and the moment equation are written";
    }
    const auto [lengthHalves, midpointHalves] = *midpoint;
    const auto [negatedMoment, momentLength] = *moment;
    std::int64_t twiceMidpoint = 0;
    if (__builtin_mul_overflow(midpointHalves, 2, &twiceMidpoint) ||
        twiceMidpoint != lengthHalves || momentLength != lengthHalves) {
        return "the force acts at half the length";
    }
    const std::int64_t length = lengthHalves / 2;
    if (length == 0) {
        return std::find(lines.begin(), lines.end(), ZERO_LENGTH_NOTE) != lines.end()
                   ? std::nullopt
                   : std::optional<std::string_view>("a zero length is reported, not divided by");
    }
    const auto By = firstNumber(lines, " By = ");
    const auto Ay = firstNumber(lines, " Ay = ");
    if (!By || !Ay) {
        return "By and Ay are written";
    }
    if (*Ay + *By != *force) {
        return "Ay + By equals the force";
    }
    std::int64_t lengthTimesBy = 0;
    if (__builtin_mul_overflow(length, *By, &lengthTimesBy) || negatedMoment + lengthTimesBy != 0) {
        return "the moment equation holds for By";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> brokenInvariant(std::string_view output) {
    const std::string_view screen = beam::INTRODUCTION_SCREEN;
    if (!output.starts_with(screen)) {
        return "the run opens with the introduction screen";
    }
    std::size_t at = screen.size();
    for (const std::string_view prompt : beam::PROMPTS) {
        if (output.substr(at, prompt.size()) != prompt) {
            return "the six prompts come in order";
        }
        at += prompt.size();
    }
    return brokenInReport(output.substr(at));
}

}  // namespace fuzz
