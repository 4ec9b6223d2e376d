#pragma once

#include <cstddef>
#include <string_view>

namespace tessaly::memo {

// The two sets of letter escapes in use. Both read "\x" with one or two hex
// digits and "\" with one to three octal digits the same way.
enum class TEscapeLetters {
    // Patterns and replacement texts: "\n" CR (13, the stored line end), "\r"
    // LF (10), "\t" tab, "\s" space, "\b" backspace (8), "\f" form feed (12),
    // read without regard to case.
    pattern,
    // Language definition scripts: "\b" 8, "\e" 27, "\n" 13, "\r" 10, "\s"
    // space, "\t" tab, lower case only.
    definition,
};

// One backslash escape, read from the character after the backslash: a
// letter escape of the set, "\x" with one or two hex digits, "\" with one to
// three octal digits (the value may pass 255: callers decide what that
// means), "\" before any other character that character.
struct TREEscape {
    int value = 0;
    std::size_t next = 0;    // index after the escape
    bool hexMissing = false; // "\x" without a hex digit (value is 'x' or 'X')
    bool octal = false;
};

// `at` is the index of the character after the backslash; it must exist.
TREEscape readEscape(std::string_view text, std::size_t at, TEscapeLetters letters = TEscapeLetters::pattern);

} // namespace tessaly::memo
