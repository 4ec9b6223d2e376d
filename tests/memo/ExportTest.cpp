#include "MemoTestUtil.h"

#include "memo/StyledExport.h"

#include <cctype>
#include <sstream>

namespace tessaly::memo::test {
namespace {

// Letters are value 1 (bold red on white, own colours), everything else 0.
class WordsParser : public THighlighter {
public:
    void resumeAt(std::uint8_t) override {}
    std::uint8_t nextToken(TSyntaxMemo&, TCharStream& s, std::int64_t& length) override
    {
        const std::int64_t p0 = s.position();
        const bool letter = std::isalpha(s.current());
        if (letter)
            while (!s.atEnd() && std::isalpha(s.current()))
                s.advance();
        else
            s.advance();
        length = s.position() - p0;
        return letter ? 1 : 0;
    }
    bool isAnchor(std::uint8_t) const override { return true; }
    TTokenStyle tokenStyle(std::uint8_t v) const override
    {
        TTokenStyle s;
        if (v == 1) {
            s.bold = true;
            s.foreground = TColor::fromRgb(0xFF, 0, 0);
            s.ownColours = true;
        }
        return s;
    }
    std::string fontName() const override { return "Mono"; }
    int fontSize() const override { return 12; }
};

TEST(Export, RtfOfASelectionWithALineBreakAndSpecialCharacters)
{
    TSyntaxMemo m;
    m.setSelText("x{y\r\nz\\'");
    const std::string rtf = writeRtf(m, 1, m.textLength());
    EXPECT_EQ(rtf.rfind("{\\rtf1 \\deff1{\\fonttbl {\\f1 \\fnil Courier New;}}\r\n{\\colortbl\\red0\\green0\\blue0;"
                        "\\red255\\green255\\blue255;}\r\n{\\f1\\fs20\\cf0\\cb1 ",
                        0),
              0u)
        << rtf;
    EXPECT_NE(rtf.find("\\{y\\line \r\nz\\\\\\'27\r\n}}"), std::string::npos) << rtf;
    EXPECT_EQ(rtf.find("\\cf1"), std::string::npos) << "no parser: default colours only";
}

TEST(Export, RtfRunsTakeTheirStyles)
{
    WordsParser p;
    TSyntaxMemo m;
    m.setParser(1, &p);
    m.setActiveParser(1);
    m.setSelText("ab 1");
    const std::string rtf = writeRtf(m, 0, m.textLength());
    EXPECT_NE(rtf.find("{\\f1 \\fnil Mono;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs24"), std::string::npos);
    EXPECT_NE(rtf.find("\\b1 \\cf2 ab\\b0 \\cf0  1\r\n}}"), std::string::npos) << rtf;
}

TEST(Export, HtmlEscapesAndStyles)
{
    WordsParser p;
    TSyntaxMemo m;
    m.setSelText("a<b\t\"&");
    std::ostringstream plain;
    writeHtml(m, plain, "today");
    EXPECT_NE(plain.str().find("<PRE><FONT FACE=\"Courier New\">\r\na&lt;b&nbsp;&quot;&\r\n</PRE></FONT></BODY></HTML>\r\n"),
              std::string::npos)
        << plain.str();
    EXPECT_NE(plain.str().find("<META NAME=\"Date\" CONTENT=\"today\">"), std::string::npos);
    EXPECT_NE(plain.str().find("<BODY TEXT=\"#000000\" BGCOLOR=\"#ffffff\">"), std::string::npos);
    EXPECT_NE(plain.str().find("Tessaly"), std::string::npos);

    m.setParser(1, &p);
    m.setActiveParser(1);
    std::ostringstream styled;
    writeHtml(m, styled, "today");
    // The colour changes first, then the font styles.
    EXPECT_NE(styled.str().find("</FONT><FONT COLOR=\"#ff0000\"><B>a</FONT><FONT COLOR=\"#000000\"></B>&lt;"
                                "</FONT><FONT COLOR=\"#ff0000\"><B>b</FONT><FONT COLOR=\"#000000\"></B>&nbsp;"),
              std::string::npos)
        << styled.str();
}

TEST(Export, Utf8SequencesAreOneCharacterAndStrayBytesStayBytes)
{
    TSyntaxMemo m;
    m.setSelText("\xC3\xB6\xE9\xF0\x9F\x98\x80");
    EXPECT_NE(writeRtf(m, 0, m.textLength()).find("\\u246?\\'e9\\u-10179?\\u-8704?"), std::string::npos);
    std::ostringstream html;
    writeHtml(m, html, "");
    EXPECT_NE(html.str().find("&#246;&#233;&#128512;"), std::string::npos) << html.str();
}

TEST(Export, SaveFormatsAndClipboardUseTheWriters)
{
    TSyntaxMemo m;
    TMemoryClipboard clip;
    m.setClipboard(&clip);
    m.setSelText("a{b");
    m.selectAll();
    m.copyToClipboard();
    EXPECT_NE(clip.rtf().find("a\\{b"), std::string::npos);
    m.setSaveFormat(TSaveFormat::sfRTF);
    std::ostringstream rtf;
    m.saveToStream(rtf);
    EXPECT_EQ(rtf.str(), writeRtf(m, 0, m.textLength()));
    m.setSaveFormat(TSaveFormat::sfHTML);
    std::ostringstream html;
    m.saveToStream(html);
    EXPECT_EQ(html.str().rfind("<HTML><HEAD>\r\n", 0), 0u);
}

} // namespace
} // namespace tessaly::memo::test
