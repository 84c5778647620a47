#include "fuzz/run_invariants.hpp"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include "app/one_pass.hpp"
#include "beam/introduction_screen.hpp"
#include "console/output.hpp"

namespace fuzz {
namespace {

constexpr std::string_view PROMPTS[] = {
    "Enter Value 1 For The Length OF The Figure(Shape) Above = ",
    "Enter Value 2 For The Acting Vertical Force At Point C Of The Figure Above = ",
    "Enter Value 3 For The Horizonatl Force At Point A If Available = ",
    "Enter Value 4 For The Horizonatl Force At Point B If Available = ",
    " Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward = ",
    " Enter The Unit For The Length = ",
};

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

// A whole decimal integer of at most 18 digits, or nothing.
std::optional<std::int64_t> integerOf(std::string_view text) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 18) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return negative ? -value : value;
}

// The number after a line's fixed start, up to `stop`, or to the line's end
// when `stop` is empty.
std::optional<std::int64_t> numberAfter(std::string_view line, std::string_view start,
                                        std::string_view stop) {
    if (!line.starts_with(start)) {
        return std::nullopt;
    }
    const std::string_view rest = line.substr(start.size());
    return integerOf(stop.empty() ? rest : rest.substr(0, rest.find(stop)));
}

std::optional<std::string_view> brokenInReport(std::string_view report) {
    const std::size_t cases =
        std::accumulate(std::begin(CASE_MARKS), std::end(CASE_MARKS), std::size_t{0},
                        [report](std::size_t sum, std::string_view mark) {
                            return sum + occurrences(report, mark);
                        });
    if (cases != 1) {
        return "exactly one horizontal case is written";
    }
    const std::string dashRule = std::string(console::DASH_RULE) + "\n";
    if (!report.ends_with(dashRule + dashRule + std::string(app::CLOSING_MESSAGE) + "\n")) {
        return "the report ends with two dash rules and the closing message";
    }
    const std::vector<std::string_view> lines = linesOf(report);
    if (lines.size() < 16) {
        return "the vertical section is written";
    }
    const auto force = numberAfter(lines[0], "Ay + By = ", " Eq-1");
    const auto length = numberAfter(lines[5], " ==> ", " / 2 = ");
    if (!force || !length) {
        return "lines 1 and 6 hold the force and the length";
    }
    if (*length == 0) {
        return lines[11] == ZERO_LENGTH_NOTE
                   ? std::nullopt
                   : std::optional<std::string_view>("a zero length is reported, not divided by");
    }
    const auto By = numberAfter(lines[11], " By = ", "");
    const auto Ay = numberAfter(lines[15], " Ay = ", "");
    if (!By || !Ay) {
        return "lines 12 and 16 hold By and Ay";
    }
    if (*Ay + *By != *force) {
        return "Ay + By equals the force";
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
    for (const std::string_view prompt : PROMPTS) {
        if (output.substr(at, prompt.size()) != prompt) {
            return "the six prompts come in order";
        }
        at += prompt.size();
    }
    return brokenInReport(output.substr(at));
}

}  // namespace fuzz
