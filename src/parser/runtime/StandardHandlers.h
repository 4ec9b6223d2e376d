#pragma once

#include "memo/CharStream.h"

#include <cstdint>

namespace tessaly::parser {

// The built-in scanning handlers a definition names by number: 0..2 and the
// standard ones 10..20 (__STD_IDENTIFIER and friends). Each starts at the
// stream's position; on a match it leaves the stream after the matched text,
// adds its length to count and returns true; otherwise it leaves the stream
// where it was and returns false.
bool runStandardHandler(int number, memo::TCharStream& s, std::int64_t& count);

} // namespace tessaly::parser
