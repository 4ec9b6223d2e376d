#include "parser/compress/CompressorException.h"
#include "parser/compress/Lzhuf.h"
#include "parser/compress/LzhufPosition.h"
#include "parser/compress/LzhufTree.h"

#include "CompressorTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace tessaly::parser;

namespace {

const char* const kVectors[] = {"empty", "ten_bytes", "text_5000", "text_70k", "random_20k"};

struct Vector {
    std::string plain;
    std::string stream; // the .hzl file without its 8-byte header
    std::uint32_t length = 0;
};

Vector loadVector(const std::string& name)
{
    Vector v;
    v.plain = testdata::readFile(testdata::sharedPath("testdata/lzhuf/" + name + ".in"));
    const std::string hzl = testdata::readFile(testdata::sharedPath("testdata/lzhuf/" + name + ".hzl"));
    EXPECT_GE(hzl.size(), 8u) << name;
    EXPECT_EQ(hzl.substr(0, 4), "!HZL");
    for (int i = 3; i >= 0; --i)
        v.length = (v.length << 8) | static_cast<unsigned char>(hzl[4 + i]);
    v.stream = hzl.substr(8);
    return v;
}

// A stream written symbol by symbol with the coder's own building blocks, to
// reach cases a real encoder never produces.
class StreamBuilder {
public:
    void literal(unsigned char c) { tree_.encode(c, bits_); }
    void match(unsigned length, unsigned position)
    {
        tree_.encode(255 - lzhuf::kThreshold + length, bits_);
        lzhuf::encodePosition(position, bits_);
    }
    std::string finish()
    {
        bits_.flush();
        return out_;
    }

private:
    std::string out_;
    lzhuf::BitWriter bits_{out_};
    lzhuf::Tree tree_;
};

void expectFailure(const std::string& stream, std::size_t length, const char* message)
{
    try {
        lzhufDecode(stream, length);
        FAIL() << "decoded a broken stream";
    } catch (const ECompressorException& e) {
        EXPECT_STREQ(e.what(), message);
    }
}

} // namespace

TEST(Lzhuf, DecodesEveryVectorAndEncodesItByteForByte)
{
    for (const char* name : kVectors) {
        const Vector v = loadVector(name);
        ASSERT_EQ(v.length, v.plain.size()) << name;
        EXPECT_EQ(lzhufDecode(v.stream, v.length), v.plain) << name;
        EXPECT_EQ(lzhufEncode(v.plain), v.stream) << name;
    }
}

TEST(Lzhuf, RoundTripsDataOfManySizesAndShapes)
{
    const std::string corpus = testdata::corpusBytes(150000);
    std::vector<std::string> inputs = {
        "a", "ab", "abc", std::string(61, ' '), std::string(5000, 'z'), corpus,
        // A long single-symbol input drives the adaptive code to its deepest
        // trees and through several rebuilds.
        std::string(40000, '\0') + testdata::randomBytes(40000, 3, 2),
    };
    for (unsigned seed = 0; seed < 24; ++seed) {
        const std::size_t size = (std::size_t(seed) * seed * 131) % 9000;
        inputs.push_back(testdata::randomBytes(size, seed, seed % 2 ? 256 : 4));
    }
    for (const std::string& in : inputs) {
        const std::string stream = lzhufEncode(in);
        ASSERT_EQ(lzhufDecode(stream, in.size()), in) << "input of " << in.size() << " bytes";
    }
}

TEST(Lzhuf, MatchesMayReachIntoTheInitialWindow)
{
    // The window starts as spaces at positions 0..4035 before the first byte
    // (at 4036); a decoder accepts every position, up to 4095.
    StreamBuilder b;
    b.literal('x');
    b.match(5, 4036); // 4037 back from the second byte: window position 0
    b.match(3, 4095);
    const std::string out = lzhufDecode(b.finish(), 9);
    EXPECT_EQ(out.substr(0, 6), "x     ");
    EXPECT_EQ(out.size(), 9u);
}

TEST(Lzhuf, ReportsTruncatedStreamsAndOverlongMatches)
{
    const Vector v = loadVector("text_5000");
    expectFailure(v.stream.substr(0, v.stream.size() - 40), v.length, compressor_messages::kReadLzhuf);
    expectFailure("", 1, compressor_messages::kReadLzhuf);
    // A length field promising far more than the stream holds fails as soon
    // as the bits run out, without allocating the promised size.
    expectFailure(v.stream, 0xFFFFFFFFu, compressor_messages::kReadLzhuf);

    StreamBuilder b;
    b.literal('a');
    b.match(10, 0);
    expectFailure(b.finish(), 5, compressor_messages::kLzhufSizeMismatch);
}

TEST(Lzhuf, CodesLongerThanSixteenBitsSurvive)
{
    // Symbol weights growing like Fibonacci numbers above the 314 initial
    // leaves build a tree deeper than 16 levels before the first rebuild.
    std::vector<unsigned> symbols;
    unsigned long a = 300, b = 320, total = 314;
    for (unsigned k = 0; total + a <= 32700; ++k) {
        symbols.insert(symbols.end(), a, 300 + k);
        total += a;
        const unsigned long c = a + b;
        a = b;
        b = c;
    }
    symbols.push_back(0);
    symbols.push_back(255);

    std::string stream;
    lzhuf::BitWriter out(stream);
    lzhuf::Tree encoder;
    unsigned deepest = 0;
    for (unsigned s : symbols) {
        deepest = std::max(deepest, encoder.codeLength(s));
        encoder.encode(s, out);
    }
    out.flush();
    EXPECT_GT(deepest, 16u);

    lzhuf::BitReader in(stream);
    lzhuf::Tree decoder;
    for (std::size_t i = 0; i < symbols.size(); ++i)
        ASSERT_EQ(decoder.decode(in), symbols[i]) << "symbol " << i;
    EXPECT_FALSE(in.overrun());
}
