// Feeds arbitrary bytes as the answers to one whole pass, in memory, and stops
// at the first run whose output breaks an invariant.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/one_pass.hpp"
#include "fuzz/run_invariants.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    app::runOnePass(in, out);
    if (const auto broken = fuzz::brokenInvariant(out.str())) {
        static_cast<void>(std::fprintf(stderr, "invariant broken: %.*s\n",
                                       static_cast<int>(broken->size()), broken->data()));
        std::abort();
    }
    return 0;
}
