// Corrupted and truncated containers must give an ECompressorException or a
// result of exactly the stated length, never a crash (run under a sanitizer
// build to catch reads outside the buffers).
#include "parser/compress/Compressor.h"
#include "parser/compress/CompressorException.h"

#include "CompressorTestData.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tessaly::parser;

namespace {

std::uint32_t statedLength(const std::string& c)
{
    std::uint32_t v = 0;
    for (int i = 7; i >= 4; --i)
        v = (v << 8) | static_cast<unsigned char>(c[i]);
    return v;
}

void corruptAndDecode(const std::string& container, unsigned seed, int rounds)
{
    std::mt19937 rng(seed);
    int failures = 0;
    for (int round = 0; round < rounds; ++round) {
        std::string c = container;
        switch (rng() % 4) {
        case 0: // flip a few bytes after the magic
            for (unsigned k = 1 + rng() % 4; k > 0; --k)
                c[4 + rng() % (c.size() - 4)] ^= static_cast<char>(1 + rng() % 255);
            break;
        case 1: // truncate
            c.resize(4 + rng() % (c.size() - 4));
            break;
        case 2: // a different stated length
            c[4 + rng() % 4] = static_cast<char>(rng());
            break;
        default: // garbage after the header
            c = c.substr(0, 8) + testdata::randomBytes(rng() % 64, rng());
            break;
        }
        try {
            const std::string out = TCompressor::decompressBytes(c);
            ASSERT_EQ(out.size(), statedLength(c));
        } catch (const ECompressorException&) {
            ++failures;
        }
    }
    EXPECT_GT(failures, 0);
}

} // namespace

TEST(CompressorRobustness, CorruptContainersFailCleanly)
{
    std::string data = testdata::corpusBytes(6000);
    if (data.empty())
        data = testdata::randomBytes(6000, 8, 6);
    data += std::string(100, ' ') + data.substr(0, 500);
    corruptAndDecode(TCompressor::compressBytes(data, TCompressor::Method::block), 1, 300);
    corruptAndDecode(TCompressor::compressBytes(data, TCompressor::Method::lzhuf), 2, 300);
}
