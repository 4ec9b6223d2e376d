#include "parser/compress/CompressorStreams.h"

#include "parser/compress/BlockCodec.h"
#include "parser/compress/CompressorException.h"
#include "parser/compress/Lzhuf.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

namespace tessaly::parser::container {

namespace {

using Method = TCompressor::Method;
namespace msg = compressor_messages;

void write(Channel& io, const char* data, std::size_t size)
{
    io.out.write(data, static_cast<std::streamsize>(size));
    if (!io.out)
        throw ECompressorException(io.writeError);
}

void writeLittleEndian(Channel& io, std::uint32_t value, unsigned bytes)
{
    std::array<char, 4> b{};
    for (unsigned i = 0; i < bytes; ++i)
        b[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    write(io, b.data(), bytes);
}

// Reads exactly `size` bytes into `buf`, or throws `error`.
void readExactly(std::istream& in, char* buf, std::size_t size, const std::string& error)
{
    if (size == 0)
        return;
    in.read(buf, static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(in.gcount()) != size)
        throw ECompressorException(error);
}

std::uint32_t readLittleEndian(std::istream& in, unsigned bytes, const std::string& error)
{
    std::array<char, 4> b{};
    readExactly(in, b.data(), bytes, error);
    std::uint32_t value = 0;
    for (unsigned i = bytes; i-- > 0;)
        value = (value << 8) | static_cast<unsigned char>(b[i]);
    return value;
}

std::uint64_t remainingSize(std::istream& in)
{
    const auto start = in.tellg();
    if (start == std::istream::pos_type(-1) || !in.seekg(0, std::ios::end))
        throw ECompressorException(msg::kInputSize);
    const auto end = in.tellg();
    if (end == std::istream::pos_type(-1) || !in.seekg(start) || end < start)
        throw ECompressorException(msg::kInputSize);
    return static_cast<std::uint64_t>(end - start);
}

void compressBlocks(Channel& io, std::uint64_t size)
{
    std::string piece(kBlockPieceSize, '\0');
    for (;;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(size, kBlockPieceSize));
        readExactly(io.in, piece.data(), n, io.readError);
        size -= n;
        const std::string body = encodeBlock(std::string_view(piece).substr(0, n));
        writeLittleEndian(io, static_cast<std::uint32_t>(body.size()), 2);
        write(io, body.data(), body.size());
        if (n < kBlockPieceSize)
            return;
    }
}

void decompressBlocks(Channel& io, std::uint32_t length)
{
    const std::string error = msg::kReadBlock;
    std::string body;
    std::string piece;
    piece.reserve(kBlockPieceSize);
    std::uint64_t total = 0;
    for (;;) {
        const std::uint32_t blockLength = readLittleEndian(io.in, 2, error);
        body.resize(blockLength);
        readExactly(io.in, body.data(), blockLength, error);
        piece.clear();
        const std::size_t n = decodeBlock(body, piece);
        total += n;
        if (total > length)
            throw ECompressorException(msg::kBlockSizeMismatch);
        write(io, piece.data(), n);
        if (n < kBlockPieceSize)
            break;
    }
    if (total != length)
        throw ECompressorException(msg::kBlockSizeMismatch);
}

std::string readRest(std::istream& in, const std::string& error)
{
    std::string rest;
    std::array<char, 65536> chunk;
    while (in) {
        in.read(chunk.data(), chunk.size());
        rest.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw ECompressorException(error);
    return rest;
}

} // namespace

void compress(Channel& io, Method method)
{
    const std::uint64_t size = remainingSize(io.in);
    if (size > UINT32_MAX)
        throw ECompressorException(msg::kInputSize);
    write(io, method == Method::lzhuf ? kLzhufMagic : kBlockMagic, 4);
    writeLittleEndian(io, static_cast<std::uint32_t>(size), 4);
    if (method != Method::lzhuf) {
        compressBlocks(io, size);
        return;
    }
    std::string data(static_cast<std::size_t>(size), '\0');
    readExactly(io.in, data.data(), data.size(), io.readError);
    const std::string stream = lzhufEncode(data);
    write(io, stream.data(), stream.size());
}

void decompress(Channel& io)
{
    std::array<char, 4> magic{};
    io.in.read(magic.data(), magic.size());
    const bool block = io.in.gcount() == 4 && std::memcmp(magic.data(), kBlockMagic, 4) == 0;
    const bool lzhuf = io.in.gcount() == 4 && std::memcmp(magic.data(), kLzhufMagic, 4) == 0;
    if (!block && !lzhuf)
        throw ECompressorException(msg::kNoHeader);
    const std::uint32_t length = readLittleEndian(io.in, 4, io.readError);
    if (block) {
        decompressBlocks(io, length);
        return;
    }
    const std::string data = lzhufDecode(readRest(io.in, msg::kReadLzhuf), length);
    write(io, data.data(), data.size());
}

} // namespace tessaly::parser::container
