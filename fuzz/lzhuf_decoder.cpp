// Fuzzes the LZHUF decoder: the first four bytes are the stated length, the
// rest the bit stream (outputs above 64 KiB are skipped). Whatever decodes must round-trip through the encoder.
#include "parser/compress/CompressorException.h"
#include "parser/compress/Lzhuf.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace tessaly::parser;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const std::size_t length = data[0] | (data[1] << 8) | (std::size_t(data[2]) << 16) |
        (std::size_t(data[3]) << 24);
    // Longer outputs only slow the search down.
    if (length > (1u << 16))
        return 0;
    const std::string_view stream(reinterpret_cast<const char*>(data + 4), size - 4);
    try {
        const std::string out = lzhufDecode(stream, length);
        if (out.size() != length)
            std::abort();
        // Re-encoding is the slow half; keep it to outputs of useful size.
        if (out.size() <= 16384 && lzhufDecode(lzhufEncode(out), out.size()) != out)
            std::abort();
    } catch (const ECompressorException&) {
    }
    return 0;
}
