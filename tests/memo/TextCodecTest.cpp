// The file codec: every file the editor accepts comes back byte for byte,
// checked against plain models of the encodings and line breaks.
#include "memo/MemoErrors.h"
#include "memo/TextCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaly::memo::test {
namespace {

std::string roundTrip(std::string_view bytes)
{
    const TDecodedText d = decodeText(bytes);
    return encodeText(d.text, d.format);
}

// The store's form of a text with one kind of line break: one CR per break.
std::string breaksToCr(std::string s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
            ++i;
        out += s[i] == '\n' ? '\r' : s[i];
    }
    return out;
}

TEST(TextCodecTest, EachLineBreakStyleIsFoundAndWrittenBack)
{
    struct Case {
        const char* bytes;
        TLineEnd style;
    };
    for (const Case& c : {Case{"a\r\nb\r\n\r\nc", TLineEnd::crlf}, Case{"a\nb\n\nc\n", TLineEnd::lf},
                          Case{"a\rb\r\rc", TLineEnd::cr}, Case{"no breaks", TLineEnd::crlf}, Case{"", TLineEnd::crlf}}) {
        const TDecodedText d = decodeText(c.bytes);
        EXPECT_EQ(d.format.lineEnd, c.style) << c.bytes;
        EXPECT_FALSE(d.format.mixedLineEnds) << c.bytes;
        EXPECT_EQ(d.text, breaksToCr(c.bytes)) << c.bytes;
        EXPECT_EQ(encodeText(d.text, d.format), c.bytes);
    }
}

TEST(TextCodecTest, MixedBreaksKeepTheMostFrequentStyle)
{
    // Two LF, one CR LF, one CR: LF wins and every break is written as LF.
    const std::string bytes = "a\nb\r\nc\rd\ne";
    const TDecodedText d = decodeText(bytes);
    EXPECT_EQ(d.format.lineEnd, TLineEnd::lf);
    EXPECT_TRUE(d.format.mixedLineEnds);
    EXPECT_EQ(d.text, "a\rb\rc\rd\re");
    EXPECT_EQ(encodeText(d.text, d.format), "a\nb\nc\nd\ne");
    // LF followed by CR is two breaks, not one: nothing is swallowed.
    EXPECT_EQ(decodeText("x\n\ry\nz\n").text, "x\r\ry\rz\r");
    EXPECT_EQ(roundTrip("x\n\ry\nz\n"), "x\n\ny\nz\n");
}

TEST(TextCodecTest, EncodingsAreFoundByMarkAndContent)
{
    struct Case {
        std::string bytes;
        TEncoding encoding;
        std::string text;
    };
    const std::vector<Case> cases{
        {"plain ascii", TEncoding::utf8, "plain ascii"},
        {"caf\xC3\xA9", TEncoding::utf8, "caf\xC3\xA9"},
        {"\xEF\xBB\xBF<p>\xE2\x82\xAC</p>", TEncoding::utf8Bom, "<p>\xE2\x82\xAC</p>"},
        {std::string("\xFF\xFE" "a\0\r\0\n\0\xAC\x20", 10), TEncoding::utf16LE, "a\r\xE2\x82\xAC"},
        {std::string("\xFE\xFF\0a\0\n\xD8\x3D\xDE\x00", 10), TEncoding::utf16BE, "a\r\xF0\x9F\x98\x80"},
        // Not valid UTF-8: Latin-1 / Windows-1252 bytes.
        {"caf\xE9 \x80 \x81", TEncoding::windows1252, "caf\xC3\xA9 \xE2\x82\xAC \xC2\x81"},
    };
    for (const Case& c : cases) {
        const TDecodedText d = decodeText(c.bytes);
        EXPECT_EQ(d.format.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(d.text, c.text) << c.bytes;
        EXPECT_EQ(encodeText(d.text, d.format), c.bytes) << "round trip of " << encodingName(c.encoding);
    }
}

TEST(TextCodecTest, EveryByteValueSurvivesAsWindows1252)
{
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            bytes += static_cast<char>(b);
    const TDecodedText d = decodeText(bytes);
    EXPECT_EQ(d.format.encoding, TEncoding::windows1252);
    EXPECT_TRUE(d.format.controlPictures);
    EXPECT_EQ(encodeText(d.text, d.format), bytes);
    // The same bytes forced to UTF-8 keep the invalid ones as they are.
    const TDecodedText raw = decodeText(bytes, TEncoding::utf8);
    EXPECT_EQ(encodeText(raw.text, raw.format), bytes);
}

TEST(TextCodecTest, ControlCharactersShowAsPicturesAndComeBack)
{
    const std::string bytes = "page\x0C" "break\x1B[0m";
    const TDecodedText d = decodeText(bytes);
    EXPECT_EQ(d.text, "page\xE2\x90\x8C" "break\xE2\x90\x9B[0m");
    EXPECT_EQ(encodeText(d.text, d.format), bytes);
    // A picture typed into a document that had no controls stays a picture.
    const TDecodedText plain = decodeText("x");
    EXPECT_EQ(encodeText("\xE2\x90\x8C", plain.format), "\xE2\x90\x8C");
    // Controls beside real pictures could not be told apart at save.
    EXPECT_THROW(decodeText("\x0C \xE2\x90\x8C"), ETextDecode);
}

TEST(TextCodecTest, BinaryAndBrokenFilesAreRefused)
{
    EXPECT_THROW(decodeText(std::string("ELF\0\x01\x02", 6)), ETextDecode);
    EXPECT_THROW(decodeText(std::string("\xFF\xFE" "a\0\0\0", 6)), ETextDecode) << "a UTF-16 NUL";
    // An odd UTF-16 body is not detected as UTF-16 (its NULs refuse it) and
    // cannot be forced to it.
    EXPECT_THROW(decodeText(std::string("\xFF\xFE" "a\0b", 5)), ETextDecode);
    EXPECT_THROW(decodeText("\xFF\xFE" "abc", TEncoding::utf16LE), ETextDecode);
}

TEST(TextCodecTest, LoneSurrogatesOfUtf16ComeBack)
{
    const std::string bytes("\xFF\xFE" "\x00\xD8" "x\0" "\x00\xDC", 8);
    const TDecodedText d = decodeText(bytes);
    EXPECT_EQ(d.format.encoding, TEncoding::utf16LE);
    EXPECT_EQ(encodeText(d.text, d.format), bytes);
}

// A UTF-8 file may hold a high and a low surrogate as two separate
// three-byte sequences. Written as UTF-16 they would become one pair and read
// back as a different character, so that save is refused; UTF-8 keeps them.
TEST(TextCodecTest, SeparateSurrogatesThatWouldPairStopAUtf16Save)
{
    const std::string bytes = "\xED\x9B\xBF\xED\xA0\xBF\xED\xB9\xB7";
    const TDecodedText d = decodeText(bytes, TEncoding::utf8);
    TTextFormat f = d.format;
    for (const TEncoding e : {TEncoding::utf16LE, TEncoding::utf16BE}) {
        f.encoding = e;
        try {
            encodeText(d.text, f);
            ADD_FAILURE();
        } catch (const ETextEncode& why) {
            EXPECT_NE(std::string(why.what()).find("U+D83F"), std::string::npos) << why.what();
        }
    }
    f.encoding = TEncoding::utf8;
    EXPECT_EQ(encodeText(d.text, f), bytes);
    // Reversed, or apart, they cannot pair and go out as they are.
    f.encoding = TEncoding::utf16LE;
    for (const std::string apart : {"\xED\xB9\xB7\xED\xA0\xBF", "\xED\xA0\xBFx\xED\xB9\xB7"}) {
        const std::string written = encodeText(decodeText(apart, TEncoding::utf8).text, f);
        EXPECT_EQ(decodeText(written, TEncoding::utf16LE).text, apart);
    }
}

TEST(TextCodecTest, CharactersAnEncodingCannotHoldStopTheSave)
{
    TTextFormat f;
    f.encoding = TEncoding::windows1252;
    try {
        encodeText("ok\r\xE4\xB8\xAD", f);
        ADD_FAILURE();
    } catch (const ETextEncode& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("line 2"), std::string::npos) << what;
        EXPECT_NE(what.find("U+4E2D"), std::string::npos) << what;
    }
    f.encoding = TEncoding::utf16BE;
    EXPECT_THROW(encodeText("bad \xFF byte", f), ETextEncode);
    f.encoding = TEncoding::utf8;
    EXPECT_EQ(encodeText("bad \xFF byte", f), "bad \xFF byte");
}

TEST(TextCodecTest, ConvertingBetweenEncodingsKeepsTheText)
{
    const std::string text = "<p>caf\xC3\xA9 \xE2\x82\xAC\r\xF0\x9F\x98\x80</p>";
    for (const TEncoding e : {TEncoding::utf8, TEncoding::utf8Bom, TEncoding::utf16LE, TEncoding::utf16BE}) {
        for (const TLineEnd le : {TLineEnd::crlf, TLineEnd::lf, TLineEnd::cr}) {
            TTextFormat f;
            f.encoding = e;
            f.lineEnd = le;
            const std::string bytes = encodeText(text, f);
            const TDecodedText back = decodeText(bytes);
            EXPECT_EQ(back.text, text) << encodingName(e) << " " << lineEndName(le);
            EXPECT_EQ(back.format.encoding, e);
            EXPECT_EQ(back.format.lineEnd, le);
        }
    }
}

// Random files of any bytes but NUL, with one style of line break: open and
// save gives the same bytes, whatever the encoding is found to be.
TEST(TextCodecTest, RandomFilesComeBackByteForByte)
{
    std::mt19937 rng(17);
    const std::vector<std::string> breaks{"\r\n", "\n", "\r"};
    for (int round = 0; round < 400; ++round) {
        const std::string& brk = breaks[static_cast<std::size_t>(round) % breaks.size()];
        const bool ascii = round % 4 == 0;
        std::string bytes;
        const int n = static_cast<int>(rng() % 200);
        for (int i = 0; i < n; ++i) {
            const unsigned pick = rng() % 10;
            if (pick == 0) {
                bytes += brk;
            } else if (pick == 1 && !ascii) {
                bytes += "\xC3\xA9\xE2\x82\xAC"; // valid UTF-8
            } else {
                auto b = static_cast<unsigned char>(1 + rng() % (ascii ? 126 : 255));
                if (b == '\r' || b == '\n')
                    b = 'x';
                bytes += static_cast<char>(b);
            }
        }
        ASSERT_EQ(roundTrip(bytes), bytes) << "round " << round;
    }
}

} // namespace
} // namespace tessaly::memo::test
