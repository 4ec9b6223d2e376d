#pragma once

#include <cstddef>
#include <string_view>

namespace tessaly::memo {

// One backslash escape of a pattern or a replacement text, read from the
// character after the backslash: "\n" CR (13, the stored line end), "\r"
// LF (10), "\t" tab, "\s" space, "\b" backspace (8), "\f" form feed (12),
// "\x" with one or two hex digits, "\" with one to three octal digits (the
// value may pass 255: callers decide what that means), "\" before any
// other character that character. Letters are read without regard to case.
struct TREEscape {
    int value = 0;
    std::size_t next = 0;    // index after the escape
    bool hexMissing = false; // "\x" without a hex digit (value is 'x' or 'X')
    bool octal = false;
};

// `at` is the index of the character after the backslash; it must exist.
TREEscape readEscape(std::string_view text, std::size_t at);

} // namespace tessaly::memo
