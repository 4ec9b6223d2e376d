#pragma once

#include "parser/compress/LzhufBits.h"

namespace tessaly::parser::lzhuf {

// A match position (distance - 1, 0..4095) is written as its upper 6 bits in
// a fixed prefix code of 3 to 8 bits (short codes for near matches), then its
// lower 6 bits verbatim.
void encodePosition(unsigned position, BitWriter& out);
unsigned decodePosition(BitReader& in);

} // namespace tessaly::parser::lzhuf
