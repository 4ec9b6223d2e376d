#pragma once

#include <cstddef>
#include <string_view>

namespace tessaly::parser {

// Reads the escape after a backslash, at text[pos], and moves pos past it:
// \b 8, \e 27, \n 13, \r 10, \s space, \t tab, \x and up to two hexadecimal
// digits, \ and up to three octal digits (the value taken modulo 256); any
// other character stands for itself. pos must be inside text. The engine's
// escape reader (memo/REEscape.h) does the reading, with the letters of
// definition scripts.
int readEscape(std::string_view text, std::size_t& pos);

} // namespace tessaly::parser
