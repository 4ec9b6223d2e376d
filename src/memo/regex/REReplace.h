#pragma once

#include "memo/CharStream.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::memo {

// Expands the replacement text of a regular-expression replace:
// - "%%" gives "%"; "%n" (n = 1..255) gives the text between recorded
//   positions n - 1 and n; "%" before anything else gives that character;
// - "\\" "\n" (CR) "\r" (LF) "\t" "\s" (space) "\b" (8) "\f" (12),
//   "\x" with one or two hex digits, "\" with one to three octal digits
//   (a value above 255 ends the expansion there), "\" before anything else
//   gives that character; escape letters are read without regard to case.
// The text is read from `text`, whose position is left unchanged.
std::string expandReplacement(std::string_view replacement, const std::array<std::int64_t, 256>& positions,
                              TCharStream& text);

} // namespace tessaly::memo
