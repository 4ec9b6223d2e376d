#include "parser/compress/BlockCodec.h"
#include "parser/compress/CompressorException.h"

#include "CompressorTestData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

using namespace tessaly::parser;

namespace {

// One item of a coded block, and a writer laying items out as the format
// describes: a control word (high byte first, one bit per item from the top)
// in front of each group of 16 items.
struct Item {
    enum Kind { literal, copy, run } kind;
    unsigned a = 0; // literal byte, copy distance, or run count
    unsigned b = 0; // copy length, or run byte
};

std::string codedBlock(const std::vector<Item>& items)
{
    std::string out(1, char(kBlockCoded));
    for (std::size_t group = 0; group < items.size(); group += 16) {
        unsigned control = 0;
        std::string data;
        for (std::size_t i = group; i < items.size() && i < group + 16; ++i) {
            const Item& it = items[i];
            const unsigned bit = it.kind == Item::literal ? 0 : 1;
            control |= bit << (15 - (i - group));
            if (it.kind == Item::literal) {
                data += char(it.a);
            } else if (it.kind == Item::copy) {
                data += char(it.a >> 4);
                data += char(((it.a & 15) << 4) | (it.b - 3));
            } else {
                const unsigned extra = it.a - 16;
                data += '\0';
                data += char(extra >> 8);
                data += char(extra & 0xFF);
                data += char(it.b);
            }
        }
        out += char(control >> 8);
        out += char(control & 0xFF);
        out += data;
    }
    return out;
}

// The block encoder written out plainly from its description, as a model for
// the real one.
std::string referenceEncode(const std::string& piece)
{
    const std::size_t n = piece.size();
    std::vector<std::uint16_t> table(4096, 0xFFFF);
    std::vector<Item> items;
    std::size_t pos = 0;
    auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(piece[i]); };
    while (pos < n) {
        std::size_t count = 1;
        while (pos + count < n && count < 4095 && piece[pos + count] == piece[pos])
            ++count;
        if (count >= 16) {
            items.push_back({Item::run, unsigned(count), byteAt(pos)});
            pos += count;
            continue;
        }
        if (pos + 3 <= n) {
            const std::uint32_t h =
                ((((((std::uint32_t(byteAt(pos)) * 16) ^ byteAt(pos + 1)) * 16) ^ byteAt(pos + 2)) * 40543u) >> 4) & 0xFFF;
            const std::size_t cand = table[h];
            table[h] = std::uint16_t(pos);
            if (cand != 0xFFFF && pos - cand <= 4095) {
                std::size_t len = 0;
                while (len < 18 && pos + len < n && piece[cand + len] == piece[pos + len])
                    ++len;
                if (len >= 3) {
                    items.push_back({Item::copy, unsigned(pos - cand), unsigned(len)});
                    pos += len;
                    continue;
                }
            }
        }
        items.push_back({Item::literal, byteAt(pos), 0});
        ++pos;
    }
    std::string coded = codedBlock(items);
    if (coded.size() > n)
        return char(kBlockStored) + piece;
    return coded;
}

std::string decode(const std::string& body)
{
    std::string out;
    decodeBlock(body, out);
    return out;
}

void expectCorrupt(const std::string& body)
{
    std::string out;
    try {
        decodeBlock(body, out);
        FAIL() << "decoded a corrupt block";
    } catch (const ECompressorException& e) {
        EXPECT_STREQ(e.what(), compressor_messages::kBlockSizeMismatch);
    }
}

} // namespace

TEST(BlockCodec, DecodesLiteralsCopiesAndRuns)
{
    // An overlapping copy (distance below its length) repeats its bytes.
    EXPECT_EQ(decode(codedBlock({{Item::literal, 'a'}, {Item::copy, 1, 5}})), "aaaaaa");
    EXPECT_EQ(decode(codedBlock({{Item::literal, 'a'}, {Item::literal, 'b'}, {Item::copy, 2, 7}})),
        "ababababa");
    EXPECT_EQ(decode(codedBlock({{Item::literal, 'x'}, {Item::run, 16, 'y'}})), "x" + std::string(16, 'y'));
    EXPECT_EQ(decode(codedBlock({{Item::run, 4111, 0}})), std::string(4111, '\0'));

    // More than 16 items: the second control word sits after the first group.
    std::vector<Item> items;
    std::string expected;
    for (int i = 0; i < 40; ++i) {
        if (i % 3 == 2) {
            items.push_back({Item::copy, 2, 3});
            expected += expected.substr(expected.size() - 2, 2) + expected[expected.size() - 2];
        } else {
            items.push_back({Item::literal, unsigned('a' + i % 26)});
            expected += char('a' + i % 26);
        }
    }
    EXPECT_EQ(decode(codedBlock(items)), expected);

    EXPECT_EQ(decode(std::string(1, char(kBlockStored)) + "plain"), "plain");
    // Bodies shorter than two bytes decode to nothing, whatever their kind.
    EXPECT_EQ(decode(""), "");
    EXPECT_EQ(decode(std::string(1, char(kBlockStored))), "");
    EXPECT_EQ(decode(std::string(1, 'Z')), "");
}

TEST(BlockCodec, EncodesRunsOfSixteenAsOneItemAndShorterRunsAsCopies)
{
    EXPECT_EQ(encodeBlock(std::string(16, 'x')), codedBlock({{Item::run, 16, 'x'}}));
    EXPECT_EQ(encodeBlock(std::string(4095, 'x')), codedBlock({{Item::run, 4095, 'x'}}));
    EXPECT_EQ(encodeBlock(std::string(4096, 'x')),
        codedBlock({{Item::run, 4095, 'x'}, {Item::literal, 'x'}}));
    // Fifteen equal bytes: a literal, then a copy of the remaining 14 from
    // one byte back.
    EXPECT_EQ(encodeBlock(std::string(15, 'x')), codedBlock({{Item::literal, 'x'}, {Item::copy, 1, 14}}));
}

TEST(BlockCodec, StoresPiecesThatDoNotShrink)
{
    EXPECT_EQ(encodeBlock(""), std::string(1, char(kBlockStored)));
    EXPECT_EQ(encodeBlock("ab"), std::string(1, char(kBlockStored)) + "ab");
    for (std::size_t size : {1u, 100u, 4096u, 32768u}) {
        const std::string piece = testdata::randomBytes(size, unsigned(size));
        const std::string body = encodeBlock(piece);
        EXPECT_EQ(body.size(), size + 1);
        EXPECT_EQ(static_cast<unsigned char>(body[0]), kBlockStored);
        EXPECT_EQ(decode(body), piece);
    }
}

TEST(BlockCodec, EncoderMatchesTheModelAndRoundTrips)
{
    std::vector<std::string> pieces;
    const std::string corpus = testdata::corpusBytes(4 * kBlockPieceSize);
    for (std::size_t at = 0; at + kBlockPieceSize <= corpus.size(); at += kBlockPieceSize)
        pieces.push_back(corpus.substr(at, kBlockPieceSize));
    for (unsigned seed = 1; seed <= 30; ++seed) {
        const std::size_t size = (seed * 7919u) % kBlockPieceSize;
        pieces.push_back(testdata::randomBytes(size, seed, 2 + seed % 7));
    }
    // Runs beside copies, and far apart repeats (beyond the 4095-byte reach).
    std::string mixed;
    for (int i = 0; mixed.size() < kBlockPieceSize - 100; ++i)
        mixed += std::string(i % 40, char('a' + i % 3)) + "<td class=\"x\">" + std::to_string(i * 37);
    pieces.push_back(mixed);

    for (const std::string& piece : pieces) {
        const std::string body = encodeBlock(piece);
        ASSERT_EQ(body, referenceEncode(piece)) << "piece of " << piece.size() << " bytes";
        ASSERT_EQ(decode(body), piece);
    }
}

TEST(BlockCodec, RejectsMalformedBlocks)
{
    expectCorrupt(std::string("\x01xyz", 4)); // unknown kind
    // A copy reaching before the start of the piece.
    expectCorrupt(codedBlock({{Item::literal, 'a'}, {Item::copy, 2, 3}}));
    expectCorrupt(codedBlock({{Item::copy, 1, 3}}));
    // Items cut off by the end of the body.
    const std::string copyBlock = codedBlock({{Item::literal, 'a'}, {Item::copy, 1, 3}});
    expectCorrupt(copyBlock.substr(0, copyBlock.size() - 1));
    const std::string runBlock = codedBlock({{Item::run, 20, 'r'}});
    for (std::size_t cut = 1; cut < 4; ++cut)
        expectCorrupt(runBlock.substr(0, runBlock.size() - cut));
    expectCorrupt(std::string("\x40\x00", 2)); // half a control word
    // A piece growing beyond its 32768 bytes, by a run, a copy or a literal.
    std::vector<Item> items(8, {Item::run, 4096, 'r'});
    EXPECT_EQ(decode(codedBlock(items)).size(), kBlockPieceSize);
    items.push_back({Item::run, 16, 'r'});
    expectCorrupt(codedBlock(items));
    items.back() = {Item::copy, 1, 3};
    expectCorrupt(codedBlock(items));
    items.back() = {Item::literal, 'r'};
    expectCorrupt(codedBlock(items));
    expectCorrupt(char(kBlockStored) + std::string(kBlockPieceSize + 1, 's'));
}
