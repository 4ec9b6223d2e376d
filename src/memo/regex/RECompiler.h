#pragma once

#include "memo/regex/REError.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tessaly::memo {

// Result of compiling a pattern: the node program (see REProgram.h) or an
// error with the 1-based position of the pattern character where it was
// found (pattern length + 1 when the pattern ended too early).
struct TRECompiled {
    std::vector<std::uint8_t> program;
    int groups = 0;
    TREError error = TREError::NoError;
    int errorPosition = 0;
};

// Compiles in two passes: the first only measures the program, so that a
// pattern whose program would pass the byte limit fails before anything is
// written; the second writes it.
TRECompiled compileRegex(std::string_view pattern);

} // namespace tessaly::memo
