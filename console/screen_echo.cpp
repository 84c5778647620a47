#include "console/screen_echo.hpp"

#include <string_view>

#include "console/terminal.hpp"

namespace console {

bool ScreenEcho::needed() {
    return answersAreTyped() && standardOutputReach() == OutputReach::Nowhere;
}

void ScreenEcho::passOn() {
    const std::string_view text(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    if (text.empty()) {
        return;
    }
    output_.sputn(text.data(), static_cast<std::streamsize>(text.size()));
    showOnTerminal(text);
    setp(held_.data(), held_.data() + held_.size());
}

ScreenEcho::int_type ScreenEcho::overflow(int_type c) {
    passOn();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        sputc(traits_type::to_char_type(c));
    }
    return traits_type::not_eof(c);
}

// A failed write to standard output is ignored, as everywhere else, so that
// the questions still reach the terminal after it.
int ScreenEcho::sync() {
    passOn();
    static_cast<void>(output_.pubsync());
    return 0;
}

}  // namespace console
