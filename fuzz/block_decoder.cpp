// Fuzzes the block decoder, one block body and whole containers. Whatever
// decodes must re-encode to a block that decodes to the same bytes.
#include "parser/compress/BlockCodec.h"
#include "parser/compress/Compressor.h"
#include "parser/compress/CompressorException.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tessaly::parser;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    try {
        if (data[0] & 1) {
            std::string out;
            const std::size_t n = decodeBlock(input, out);
            if (n != out.size() || n > kBlockPieceSize)
                std::abort();
            std::string again;
            decodeBlock(encodeBlock(out), again);
            if (again != out)
                std::abort();
        } else {
            const std::string out = TCompressor::decompressBytes("WRZL" + std::string(input));
            if (TCompressor::decompressBytes(TCompressor::compressBytes(out, TCompressor::Method::block)) != out)
                std::abort();
        }
    } catch (const ECompressorException&) {
    }
    return 0;
}
