// The closing pause under WASI: the host waits for the key. A page waits for
// a key at its terminal; a host with no console (node) returns at once.
#include "console/key_wait.hpp"

extern "C" __attribute__((import_module("beam"), import_name("wait_for_key"))) void
waitForHostKey();

namespace console {

void waitForKeyPress(std::string_view /*closingMessage*/) {
    waitForHostKey();
}

}  // namespace console
