// Decoding a file in pieces gives exactly what decoding it whole gives: the
// same text, format and refusal, wherever the pieces end.
#include "MemoTestUtil.h"

#include "memo/MemoErrors.h"
#include "memo/TextCodec.h"
#include "memo/TextDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <unistd.h>
#include <utility>

namespace tessaly::memo::test {
namespace {

// What a decode came to: the text and format, or the refusal's message.
struct Outcome {
    std::string text;
    std::optional<TTextFormat> format;
    std::string error;
    bool operator==(const Outcome&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o)
{
    if (!o.format)
        return os << "refused: " << o.error;
    return os << "encoding " << encodingName(o.format->encoding) << ", " << lineEndName(o.format->lineEnd)
              << (o.format->mixedLineEnds ? " mixed" : "") << (o.format->controlPictures ? " pictures" : "")
              << ", text of " << o.text.size() << " bytes";
}

Outcome whole(std::string_view bytes, std::optional<TEncoding> forced)
{
    Outcome o;
    try {
        TDecodedText d = decodeText(bytes, forced);
        o.text = std::move(d.text);
        o.format = d.format;
    } catch (const ETextDecode& e) {
        o.error = e.what();
    }
    return o;
}

// Feeds bytes as a reader would: pieces of the sizes next() gives, the
// bytes a feed leaves over leading the next piece, and a fresh start from
// the first byte when the decoder asks for one.
Outcome inPieces(std::string_view bytes, std::optional<TEncoding> forced, const std::function<std::size_t()>& next)
{
    Outcome o;
    try {
        TTextDecoder decoder(forced);
        std::string buffer;
        std::size_t read = 0;
        int starts = 0;
        while (true) {
            const std::size_t n = std::min(next(), bytes.size() - read);
            buffer.append(bytes.substr(read, n));
            read += n;
            const bool last = read == bytes.size();
            const std::size_t used = decoder.feed(buffer, last, o.text);
            if (decoder.startAgain()) {
                EXPECT_LT(++starts, 2) << "one fresh start is enough";
                o.text.clear();
                buffer.clear();
                read = 0;
                continue;
            }
            EXPECT_LE(used, buffer.size());
            EXPECT_LE(buffer.size() - used, 3u) << "at most a character is held back";
            buffer.erase(0, used);
            if (last) {
                EXPECT_TRUE(buffer.empty());
                break;
            }
        }
        o.format = decoder.format();
    } catch (const ETextDecode& e) {
        o.text.clear();
        o.error = e.what();
    }
    return o;
}

// Every way to cut the bytes in two, and pieces of one byte.
void expectSameAtEverySplit(const std::string& bytes, std::optional<TEncoding> forced, const std::string& what)
{
    const Outcome model = whole(bytes, forced);
    for (std::size_t at = 0; at <= bytes.size(); ++at) {
        bool firstPiece = true;
        const Outcome got = inPieces(bytes, forced, [&] {
            const std::size_t n = firstPiece ? at : bytes.size();
            firstPiece = false;
            return n;
        });
        ASSERT_EQ(got, model) << what << ", split at " << at;
    }
    ASSERT_EQ(inPieces(bytes, forced, [] { return std::size_t{1}; }), model) << what << ", one byte at a time";
}

std::string utf16(std::u16string_view units, bool bigEndian, bool mark = true)
{
    std::string out = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char16_t u : units) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

TEST(TextDecoderTest, PiecesEndingInsideCharactersAndBreaksChangeNothing)
{
    const std::vector<std::pair<std::string, std::string>> files{
        {"a\r\nb\nc\rd\r\n\r\r\n", "line breaks of every kind"},
        {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\r\n\xE4\xB8\xAD", "UTF-8 of two to four bytes"},
        {"\xEF\xBB\xBF" "x\r\ny", "UTF-8 with its mark"},
        {"\xEF\xBB", "half a mark"},
        {"tab\there\x01" "bell\x0C\r\n", "controls shown as pictures"},
        {"\xE2\x90\x81 picture\n\xE2\x90", "pictures and a cut one"},
        {"\x01 and \xE2\x90\x81", "controls beside pictures"},
        {"plain then caf\xE9\r\n\x93q\x94", "Windows-1252 found late"},
        {"ab\xE2\x82", "UTF-8 cut short at the end"},
        {std::string("text\0more", 9), "a NUL byte"},
        {"", "nothing"},
    };
    for (const auto& [bytes, what] : files)
        expectSameAtEverySplit(bytes, std::nullopt, what);
}

TEST(TextDecoderTest, Utf16PairsBreaksAndOddBytesAcrossPieces)
{
    for (const bool big : {false, true}) {
        const std::string name = big ? "UTF-16 BE" : "UTF-16 LE";
        const std::string text = utf16(u"a\r\nb\nc\r\u20AC\U0001F600\u2401\r\n", big);
        expectSameAtEverySplit(text, std::nullopt, name);
        expectSameAtEverySplit(utf16(u"lone \xD800 x \xDC00\xD83D", big), std::nullopt, name + " lone surrogates");
        expectSameAtEverySplit(utf16(u"\x0001 with \u2401", big), std::nullopt, name + " control and picture");
        expectSameAtEverySplit(utf16(std::u16string(u"nul\0here", 8), big), std::nullopt, name + " NUL");
        // An odd byte count: not UTF-16 after all unless it is forced.
        expectSameAtEverySplit(text + "z", std::nullopt, name + " odd");
        const TEncoding e = big ? TEncoding::utf16BE : TEncoding::utf16LE;
        expectSameAtEverySplit(text + "z", e, name + " forced, odd");
        expectSameAtEverySplit(utf16(std::u16string(u"nul\0", 4), big) + "z", e, name + " forced, odd with NUL");
        expectSameAtEverySplit(utf16(u"no mark", big, false), e, name + " forced without its mark");
    }
}

TEST(TextDecoderTest, ForcedEncodingsAcrossPieces)
{
    const std::string bytes = "\xEF\xBB\xBF" "caf\xC3\xA9\r\n\xFF\xE2\x90\x81\r";
    for (const TEncoding e : {TEncoding::utf8, TEncoding::utf8Bom, TEncoding::windows1252, TEncoding::utf16LE,
                              TEncoding::utf16BE})
        expectSameAtEverySplit(bytes, e, encodingName(e));
}

// Random files, pieces of random sizes.
TEST(TextDecoderTest, RandomFilesInRandomPieces)
{
    std::mt19937 rng(29);
    const std::vector<std::string> atoms{"\r\n", "\n", "\r", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
                                         "\xE2\x90\x81", "\x01", "\t", "\xFF\xFE", "\xD8", "<p>", "a", "b"};
    const std::vector<std::optional<TEncoding>> forcings{std::nullopt,         std::nullopt,
                                                         TEncoding::utf8,      TEncoding::utf16LE,
                                                         TEncoding::utf16BE,   TEncoding::windows1252};
    for (int round = 0; round < 600; ++round) {
        std::string bytes;
        const int n = static_cast<int>(rng() % 120);
        // Plain text, mostly valid UTF-8, or anything.
        const unsigned kinds = round % 3 == 0 ? 3 : round % 3 == 1 ? 9 : static_cast<unsigned>(atoms.size());
        for (int i = 0; i < n; ++i)
            bytes += atoms[atoms.size() - 1 - rng() % kinds];
        const auto forced = forcings[static_cast<std::size_t>(round) % forcings.size()];
        const Outcome model = whole(bytes, forced);
        const Outcome got = inPieces(bytes, forced, [&] { return static_cast<std::size_t>(rng() % 5); });
        ASSERT_EQ(got, model) << "round " << round;
        // Whole, so that runs of plain bytes and line breaks meet in wide steps.
        ASSERT_EQ(inPieces(bytes, forced, [&] { return bytes.size(); }), model) << "round " << round;
    }
}

// Pieces whose text comes out several times longer than their bytes (high
// Windows-1252 bytes, controls shown as pictures, UTF-16 above U+0800), next
// to long plain runs.
TEST(TextDecoderTest, TextLongerThanItsBytesComesOutWhole)
{
    std::mt19937 rng(41);
    const std::vector<std::string> runs{std::string(3000, '\xE9'), std::string(3000, '\x01'),
                                        std::string(5000, 'p') + "\r\n", "\xE2\x82\xAC"};
    for (int round = 0; round < 6; ++round) {
        std::string bytes;
        while (bytes.size() < 200000)
            bytes += runs[rng() % runs.size()];
        const std::optional<TEncoding> forced
            = round % 3 == 0 ? std::optional(TEncoding::windows1252) : round % 3 == 1 ? std::nullopt : std::optional(TEncoding::utf16LE);
        if (forced == TEncoding::utf16LE)
            bytes = utf16(std::u16string(30000, u'\u4E2D') + u"\t\x01" + std::u16string(30000, u'z'), false);
        const Outcome model = whole(bytes, forced);
        ASSERT_TRUE(model.format) << model.error;
        const std::size_t piece = round < 3 ? bytes.size() : 65536;
        EXPECT_EQ(inPieces(bytes, forced, [&] { return piece; }), model) << "round " << round;
    }
}

// The loader reads big pieces: characters and breaks cut at its piece ends
// come out whole, and a refused big file leaves the document alone.
TEST(TextDecoderTest, BigFilesLoadAsTheirWholeDecode)
{
    namespace fs = std::filesystem;
    const fs::path f = fs::temp_directory_path() / ("tessaly-decoder-test-" + std::to_string(::getpid()) + ".html");
    const std::size_t mib = 1 << 20;
    std::string utf8(3 * mib + 100, 'x');
    std::memcpy(utf8.data() + mib - 1, "\xC3\xA9", 2);              // a character over the first end
    std::memcpy(utf8.data() + 2 * mib - 1, "\r\n", 2);              // a CR LF over the second
    std::memcpy(utf8.data() + 3 * mib - 2, "\xF0\x9F\x98\x80", 4); // four bytes over the third
    const std::string latin = utf8 + "caf\xE9";                     // Windows-1252 at the very end
    const std::string wide = utf16(std::u16string(mib + 7, u'w') + u"\r\n\U0001F600", false);
    for (const std::string* bytes : {&std::as_const(utf8), &latin, &wide}) {
        std::ofstream(f, std::ios::binary) << *bytes;
        TSyntaxMemo m;
        m.loadFromFile(f);
        const Outcome model = whole(*bytes, std::nullopt);
        EXPECT_EQ(storeText(m), model.text);
        EXPECT_EQ(m.textFormat(), *model.format);
        EXPECT_TRUE(storeConsistent(m));
    }
    std::ofstream(f, std::ios::binary) << utf8 << std::string("\0", 1);
    TSyntaxMemo m;
    m.setSelText("keep");
    EXPECT_THROW(m.loadFromFile(f), EFOpenError);
    EXPECT_EQ(storeText(m), "keep");
    fs::remove(f);
}

} // namespace
} // namespace tessaly::memo::test
