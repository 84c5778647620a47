// Preloaded into the program, this makes every wait fail at once, with an
// error other than an interruption, as a wait on a broken system might. The
// types are left out: only the names matter to the dynamic linker.
#include <cerrno>

extern "C" int pselect(int, void*, void*, void*, const void*, const void*) {
    errno = ENOMEM;
    return -1;
}

extern "C" int select(int, void*, void*, void*, void*) {
    errno = ENOMEM;
    return -1;
}
