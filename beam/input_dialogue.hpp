// The six questions that fill a BeamProblem.
#pragma once

#include <array>
#include <istream>
#include <ostream>
#include <string_view>

#include "beam/beam_problem.hpp"

namespace beam {

// The questions, in the order they are asked. Like every text the program
// writes, they are its fixed text, odd spellings ("OF", "Horizonatl") and
// spaces included: users and the outputs they have saved know them as they
// are.
inline constexpr std::string_view LENGTH_PROMPT =
    "Enter Value 1 For The Length OF The Figure(Shape) Above = ";
inline constexpr std::string_view VERTICAL_FORCE_PROMPT =
    "Enter Value 2 For The Acting Vertical Force At Point C Of The Figure Above = ";
inline constexpr std::string_view FORCE_AT_A_PROMPT =
    "Enter Value 3 For The Horizonatl Force At Point A If Available = ";
inline constexpr std::string_view FORCE_AT_B_PROMPT =
    "Enter Value 4 For The Horizonatl Force At Point B If Available = ";
inline constexpr std::string_view FORCE_UNIT_PROMPT =
    " Enter The Unit For The Weight(Acting Force, Mass) Vertically Downward = ";
inline constexpr std::string_view LENGTH_UNIT_PROMPT = " Enter The Unit For The Length = ";

inline constexpr std::array PROMPTS = {LENGTH_PROMPT,     VERTICAL_FORCE_PROMPT,
                                       FORCE_AT_A_PROMPT, FORCE_AT_B_PROMPT,
                                       FORCE_UNIT_PROMPT, LENGTH_UNIT_PROMPT};

// Writes each prompt, brings it to the screen, then reads its answer. Every
// question is asked even after a failed read.
BeamProblem askBeamProblem(std::istream& in, std::ostream& out);

}  // namespace beam
