#include "parser/compress/Compressor.h"
#include "parser/compress/CompressorException.h"

#include "CompressorTestData.h"

#include <unistd.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

using namespace tessaly::parser;
namespace msg = compressor_messages;
using Method = TCompressor::Method;

namespace {

constexpr std::size_t kPiece = 32768;

std::uint32_t le(const std::string& s, std::size_t at, unsigned bytes)
{
    std::uint32_t v = 0;
    for (unsigned i = bytes; i-- > 0;)
        v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

std::string le32(std::uint32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += char((v >> (8 * i)) & 0xFF);
    return s;
}

// The block lengths of a block container, walked from its header.
std::vector<std::size_t> blockLengths(const std::string& container)
{
    std::vector<std::size_t> lengths;
    for (std::size_t at = 8; at + 2 <= container.size();) {
        lengths.push_back(le(container, at, 2));
        at += 2 + lengths.back();
    }
    return lengths;
}

template <typename F>
void expectMessage(F&& f, const std::string& message)
{
    try {
        f();
        FAIL() << "no exception, expected: " << message;
    } catch (const ECompressorException& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}

// A read-only stream that cannot seek, like a pipe.
class PipeBuf : public std::streambuf {
public:
    explicit PipeBuf(std::string data) : data_(std::move(data))
    {
        setg(data_.data(), data_.data(), data_.data() + data_.size());
    }

private:
    std::string data_;
};

// An output stream that fails after `room` bytes, like a full disk.
class FullBuf : public std::streambuf {
public:
    explicit FullBuf(std::size_t room) : room_(room) {}

protected:
    int_type overflow(int_type c) override
    {
        if (room_ == 0)
            return traits_type::eof();
        --room_;
        return traits_type::not_eof(c);
    }

private:
    std::size_t room_;
};

class TempDir {
public:
    TempDir()
    {
        path_ = std::filesystem::temp_directory_path() /
            ("tessaly-compressor-" + std::to_string(::getpid()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void writeFile(const std::string& path, const std::string& data)
{
    std::ofstream(path, std::ios::binary) << data;
}

} // namespace

TEST(Compressor, ContainersRoundTripThroughBothMethods)
{
    const std::string corpus = testdata::corpusBytes(3 * kPiece + 500);
    for (std::size_t size : {std::size_t(0), std::size_t(1), kPiece - 1, kPiece, kPiece + 1, 2 * kPiece,
             3 * kPiece + 500}) {
        const std::string text = corpus.size() >= size ? corpus.substr(0, size) : testdata::randomBytes(size, 1, 8);
        const std::string noise = testdata::randomBytes(size, unsigned(size));
        for (const std::string* data : {&text, &noise}) {
            for (Method m : {Method::block, Method::lzhuf}) {
                const std::string c = TCompressor::compressBytes(*data, m);
                ASSERT_GE(c.size(), 8u);
                EXPECT_EQ(c.substr(0, 4), m == Method::block ? "WRZL" : "!HZL");
                EXPECT_EQ(le(c, 4, 4), data->size());
                std::size_t consumed = 0;
                ASSERT_EQ(TCompressor::decompressBytes(c, &consumed), *data) << size;
                EXPECT_EQ(consumed, c.size());
            }
        }
    }
}

TEST(Compressor, BlockContainerEndsWithTheFirstShortBlock)
{
    // One block per 32768-byte piece; an exact multiple ends with a block for
    // the empty piece, which is a lone stored kind byte.
    const std::string noise = testdata::randomBytes(2 * kPiece, 5);
    const std::string c = TCompressor::compressBytes(noise, Method::block);
    EXPECT_EQ(blockLengths(c), (std::vector<std::size_t>{kPiece + 1, kPiece + 1, 1}));
    EXPECT_EQ(static_cast<unsigned char>(c.back()), 128);
    EXPECT_EQ(blockLengths(TCompressor::compressBytes("", Method::block)), std::vector<std::size_t>{1});
    EXPECT_EQ(blockLengths(TCompressor::compressBytes(noise.substr(0, kPiece + 7), Method::block)),
        (std::vector<std::size_t>{kPiece + 1, 8}));

    // Whatever follows the container is left alone.
    std::size_t consumed = 0;
    EXPECT_EQ(TCompressor::decompressBytes(c + "trailing bytes", &consumed), noise);
    EXPECT_EQ(consumed, c.size());
}

TEST(Compressor, SamplingPicksTheMethod)
{
    const std::string text = testdata::corpusBytes(300000);
    if (text.size() < 300000)
        GTEST_SKIP() << "corpus missing";
    // Up to 98303 bytes always go to LZHUF.
    EXPECT_EQ(TCompressor::adviseMethod(std::string(98303, 'a')), Method::lzhuf);
    EXPECT_EQ(TCompressor::adviseMethod(std::string(98304, 'a')), Method::block);
    EXPECT_EQ(TCompressor::adviseMethod(testdata::randomBytes(300000, 9)), Method::lzhuf);

    // The samples are the pieces at 32768 * floor(size / 3 / 32768) and at
    // 32768 * floor(2 * size / 3 / 32768): only they decide.
    const std::size_t size = 200000; // samples at 65536 and 131072
    std::string mixed = testdata::randomBytes(size, 11);
    std::fill_n(mixed.begin() + 65536, kPiece, 'q');
    std::fill_n(mixed.begin() + 131072, kPiece, 'q');
    EXPECT_EQ(TCompressor::adviseMethod(mixed), Method::block);
    mixed[131072 + 5000] = 'z';
    EXPECT_EQ(TCompressor::adviseMethod(mixed), Method::block);
    mixed.replace(131072, kPiece, testdata::randomBytes(kPiece, 12));
    // Half the sampled bytes do not compress at all: above 40 %.
    EXPECT_EQ(TCompressor::adviseMethod(mixed), Method::lzhuf);
    EXPECT_EQ(TCompressor::adviseMethod(mixed, 60), Method::block);

    // The stream form gives the same answer and leaves the position alone.
    std::istringstream in("prefix" + mixed);
    in.seekg(6);
    EXPECT_EQ(TCompressor::adviseMethod(in), Method::lzhuf);
    EXPECT_EQ(in.tellg(), 6);

    // compress() with sampling writes the method it picked.
    for (const std::string* data : {&text, static_cast<const std::string*>(&mixed)}) {
        std::istringstream src(*data);
        std::ostringstream dst;
        TCompressor c;
        c.setMethod(Method::sample);
        c.setInputStream(&src);
        c.setOutputStream(&dst);
        c.compress();
        const std::string out = dst.str();
        EXPECT_EQ(out.substr(0, 4), TCompressor::adviseMethod(*data) == Method::block ? "WRZL" : "!HZL");
        EXPECT_EQ(TCompressor::decompressBytes(out), *data);
    }
}

TEST(Compressor, RejectsBrokenContainers)
{
    const std::string data = testdata::corpusBytes(50000).empty() ? testdata::randomBytes(50000, 2, 5)
                                                                  : testdata::corpusBytes(50000);
    const std::string block = TCompressor::compressBytes(data, Method::block);
    const std::string lzhuf = TCompressor::compressBytes(data, Method::lzhuf);
    auto decompress = [](std::string c) { return [c] { TCompressor::decompressBytes(c); }; };

    expectMessage(decompress(""), msg::kNoHeader);
    expectMessage(decompress("WRZ"), msg::kNoHeader);
    expectMessage(decompress("ABCD" + block.substr(4)), msg::kNoHeader);
    expectMessage(decompress("WRZL\x01\x02"), msg::kReadStream);

    // Cut inside a block or before a block length.
    expectMessage(decompress(block.substr(0, block.size() - 1)), msg::kReadBlock);
    expectMessage(decompress(block.substr(0, 9)), msg::kReadBlock);
    expectMessage(decompress(block.substr(0, 8)), msg::kReadBlock);
    // Stated lengths that disagree with the blocks.
    expectMessage(decompress("WRZL" + le32(data.size() + 1) + block.substr(8)), msg::kBlockSizeMismatch);
    expectMessage(decompress("WRZL" + le32(data.size() - 1) + block.substr(8)), msg::kBlockSizeMismatch);
    expectMessage(decompress("WRZL" + le32(0xFFFFFFFF) + block.substr(8)), msg::kBlockSizeMismatch);

    expectMessage(decompress(lzhuf.substr(0, lzhuf.size() / 2)), msg::kReadLzhuf);
    expectMessage(decompress("!HZL" + le32(0xFFFFFFFF) + lzhuf.substr(8)), msg::kReadLzhuf);
}

TEST(Compressor, ReportsStreamFailures)
{
    TCompressor c;
    expectMessage([&] { c.compress(); }, msg::kInitInputStream);
    std::istringstream in("some text");
    c.setInputStream(&in);
    expectMessage([&] { c.decompress(); }, msg::kInitOutputStream);

    PipeBuf pipe("cannot seek");
    std::istream pipeIn(&pipe);
    std::ostringstream out;
    c.setInputStream(&pipeIn);
    c.setOutputStream(&out);
    expectMessage([&] { c.compress(); }, msg::kInputSize);
    c.setMethod(Method::sample);
    expectMessage([&] { c.compress(); }, msg::kAdviseSize);

    const std::string data = testdata::randomBytes(100000, 4, 16);
    for (Method m : {Method::block, Method::lzhuf}) {
        std::istringstream src(data);
        FullBuf full(1000);
        std::ostream dst(&full);
        c.setMethod(m);
        c.setInputStream(&src);
        c.setOutputStream(&dst);
        expectMessage([&] { c.compress(); }, msg::kWriteStream);
    }
}

TEST(Compressor, FilesAreRemovedWhenARunFails)
{
    TempDir dir;
    const std::string plain = dir.file("plain.txt");
    const std::string packed = dir.file("plain.wrzl");
    const std::string back = dir.file("back.txt");
    const std::string data = testdata::randomBytes(70000, 6, 20);
    writeFile(plain, data);

    TCompressor c;
    c.setInputFile(plain);
    c.setOutputFile(packed);
    c.compress();
    c.setInputFile(packed);
    c.setOutputFile(back);
    c.decompress();
    EXPECT_EQ(testdata::readFile(back), data);

    // A corrupt container: the half-written output goes away.
    const std::string packedData = testdata::readFile(packed);
    writeFile(packed, packedData.substr(0, packedData.size() - 10));
    expectMessage([&] { c.decompress(); }, msg::kReadBlock);
    EXPECT_FALSE(std::filesystem::exists(back));

    c.setInputFile(dir.file("missing"));
    expectMessage([&] { c.decompress(); }, msg::kOpenInputFile + dir.file("missing"));
    c.setInputFile(plain);
    c.setOutputFile(dir.file("no/such/folder/out"));
    expectMessage([&] { c.compress(); }, msg::kOpenOutputFile + dir.file("no/such/folder/out"));
    // Compressing a file onto itself would truncate it before reading.
    c.setOutputFile(plain);
    expectMessage([&] { c.compress(); }, msg::kOpenOutputFile + plain);
    EXPECT_EQ(testdata::readFile(plain), data);
}
