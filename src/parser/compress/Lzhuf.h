#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly::parser {

// LZHUF: LZSS over a 4096-byte ring buffer (look-ahead 60, matches of 3 or
// more) whose literals and match lengths are coded by an adaptive Huffman
// code, and whose match positions by a fixed prefix code. The bit stream has
// no end marker and no length; the caller stores the length beside it.
std::string lzhufEncode(std::string_view data);

// Decodes exactly `length` bytes from `stream`. Throws ECompressorException
// when the stream ends before `length` bytes came out (the read error of the
// method) or when its last match runs past `length` (the size mismatch).
// Output grows as it is decoded, so a length field promising more than the
// stream holds costs no more memory than the stream can produce.
std::string lzhufDecode(std::string_view stream, std::size_t length);

} // namespace tessaly::parser
