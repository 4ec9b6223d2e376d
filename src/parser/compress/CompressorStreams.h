#pragma once

#include "parser/compress/Compressor.h"

#include <iosfwd>
#include <string>

namespace tessaly::parser::container {

inline constexpr char kBlockMagic[4] = {'W', 'R', 'Z', 'L'};
inline constexpr char kLzhufMagic[4] = {'!', 'H', 'Z', 'L'};

// A source and a destination with the messages their failures raise (stream
// or file variants, chosen by the caller).
struct Channel {
    std::istream& in;
    std::ostream& out;
    std::string readError;
    std::string writeError;
};

// Writes a container for the bytes from in's position to its end. `method`
// is lzhuf or block (the caller resolves sampling).
void compress(Channel& io, TCompressor::Method method);

// Reads one container from in and writes the bytes it holds.
void decompress(Channel& io);

} // namespace tessaly::parser::container
