// Helpers for reading back what a section wrote.
#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

#include "beam/beam_problem.hpp"

namespace testing_support {

// The output split at each newline; the text after the last newline, if any,
// is the final element.
inline std::vector<std::string> splitLines(const std::string& output) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = output.find('\n'); end != std::string::npos;
         end = output.find('\n', start)) {
        lines.push_back(output.substr(start, end - start));
        start = end + 1;
    }
    if (start < output.size()) {
        lines.push_back(output.substr(start));
    }
    return lines;
}

template <std::size_t Capacity>
beam::UnitWord<Capacity> unitWord(const std::string& text) {
    beam::UnitWord<Capacity> word;
    word.size = text.copy(word.characters.data(), Capacity);
    return word;
}

inline beam::BeamProblem makeProblem(std::int32_t length, std::int32_t verticalForce,
                                     std::int32_t forceAtA, std::int32_t forceAtB,
                                     const std::string& forceUnit = "kN",
                                     const std::string& lengthUnit = "m") {
    beam::BeamProblem problem;
    problem.length = length;
    problem.verticalForce = verticalForce;
    problem.forceAtA = forceAtA;
    problem.forceAtB = forceAtB;
    problem.forceUnit = unitWord<beam::FORCE_UNIT_CAPACITY>(forceUnit);
    problem.lengthUnit = unitWord<beam::LENGTH_UNIT_CAPACITY>(lengthUnit);
    return problem;
}

}  // namespace testing_support
