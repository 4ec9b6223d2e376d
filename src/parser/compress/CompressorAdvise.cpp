// The sampling decision between the block method and LZHUF.
#include "parser/compress/Compressor.h"

#include "parser/compress/BlockCodec.h"
#include "parser/compress/CompressorException.h"

#include <istream>
#include <new>

namespace tessaly::parser {

namespace {

namespace msg = compressor_messages;

// Inputs up to this size always go to LZHUF: too small for two samples to
// say much, and LZHUF's better ratio costs little time on them.
constexpr std::uint64_t kLargestLzhufInput = 3 * kBlockPieceSize - 1; // 98303

// Samples start at one third and two thirds of the input, rounded down to a
// multiple of the piece size.
std::uint64_t sampleStart(std::uint64_t size, unsigned third)
{
    return size * third / 3 / kBlockPieceSize * kBlockPieceSize;
}

TCompressor::Method decide(std::string_view first, std::string_view second, int threshold)
{
    const std::uint64_t coded = encodeBlock(first).size() + encodeBlock(second).size();
    const std::uint64_t sampled = first.size() + second.size();
    const bool blockWins = threshold > 0 && coded * 100 < std::uint64_t(threshold) * sampled;
    return blockWins ? TCompressor::Method::block : TCompressor::Method::lzhuf;
}

} // namespace

TCompressor::Method TCompressor::adviseMethod(std::string_view data, int threshold)
{
    if (data.size() <= kLargestLzhufInput)
        return Method::lzhuf;
    return decide(data.substr(sampleStart(data.size(), 1), kBlockPieceSize),
        data.substr(sampleStart(data.size(), 2), kBlockPieceSize), threshold);
}

TCompressor::Method TCompressor::adviseMethod(std::istream& in, int threshold)
{
    const auto start = in.tellg();
    if (start == std::istream::pos_type(-1) || !in.seekg(0, std::ios::end))
        throw ECompressorException(msg::kAdviseSize);
    const auto end = in.tellg();
    if (end == std::istream::pos_type(-1) || end < start)
        throw ECompressorException(msg::kAdviseSize);
    const auto size = static_cast<std::uint64_t>(end - start);
    if (size <= kLargestLzhufInput) {
        if (!in.seekg(start))
            throw ECompressorException(msg::kAdviseSize);
        return Method::lzhuf;
    }

    std::string samples[2];
    try {
        for (unsigned i = 0; i < 2; ++i) {
            samples[i].resize(kBlockPieceSize);
            in.seekg(start + std::streamoff(sampleStart(size, i + 1)));
            in.read(samples[i].data(), std::streamsize(kBlockPieceSize));
            if (!in || in.gcount() != std::streamsize(kBlockPieceSize))
                throw ECompressorException(msg::kAdviseRead);
        }
    } catch (const std::bad_alloc&) {
        throw ECompressorException(msg::kAdviseMemory);
    }
    if (!in.seekg(start))
        throw ECompressorException(msg::kAdviseRead);
    return decide(samples[0], samples[1], threshold);
}

} // namespace tessaly::parser
