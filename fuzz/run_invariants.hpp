// What the output of every whole pass must hold, whatever the answers were.
#pragma once

#include <optional>
#include <string_view>

namespace fuzz {

// The first invariant the output breaks, described; nothing when all hold:
// the screen and the six prompts in order, exactly one horizontal case, two
// dash rules and the closing message at the end, the force at half the
// length, and, unless the length is 0, reactions Ay and By that add up to the
// force and satisfy the moment equation as written.
std::optional<std::string_view> brokenInvariant(std::string_view output);

}  // namespace fuzz
