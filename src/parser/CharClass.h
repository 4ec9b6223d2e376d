#pragma once

#include "parser/CharGroup.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::parser {

// A malformed character class: the compiler message number (0 for the
// wrong-order range, which has no number) and its text.
class ECharClass : public std::runtime_error {
public:
    ECharClass(int number, const std::string& text) : std::runtime_error(text), number(number) {}
    int number;
};

// Reads the text of a class string as written (escapes not yet resolved)
// into a sequence of character specifiers: "[...]" is a set ("^" first
// negates it, "a-z" is a range, "\" escapes as in strings, so "\]" is a
// bracket), any other character a set of that one character. An empty text
// gives no specifier.
std::vector<TSM_CharGroup> parseCharClass(std::string_view raw);

} // namespace tessaly::parser
