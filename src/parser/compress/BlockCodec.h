#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessaly::parser {

// The block method cuts its input into pieces of kBlockPieceSize bytes and
// turns each piece into one block. A block body starts with a kind byte:
// kBlockStored (the piece follows verbatim) or kBlockCoded (16-bit control
// words, high byte first, each announcing 16 items: bit 0 a literal byte,
// bit 1 a two-byte back copy of 3..18 bytes or a four-byte run of 16..4111
// equal bytes).
inline constexpr std::size_t kBlockPieceSize = 32768;
inline constexpr unsigned char kBlockStored = 128;
inline constexpr unsigned char kBlockCoded = 64;

// Encodes one piece of at most kBlockPieceSize bytes into a block body. A
// piece whose coded form would be longer than itself is stored instead, so
// the body is never longer than piece.size() + 1 bytes.
std::string encodeBlock(std::string_view piece);

// Decodes one block body and appends the piece to `out`; returns the number
// of bytes appended (at most kBlockPieceSize). A body shorter than 2 bytes
// decodes to nothing. Throws ECompressorException on an unknown kind, an
// item cut off by the end of the body, a copy reaching before the start of
// the piece, or a piece growing beyond kBlockPieceSize.
std::size_t decodeBlock(std::string_view body, std::string& out);

} // namespace tessaly::parser
