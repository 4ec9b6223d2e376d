// Incremental re-highlighting against a full re-highlight of the same text,
// with a small parser whose strings run across lines.
#include "MemoTestUtil.h"

#include <cctype>
#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

// Words 1, digits 3, quotes 4, text inside a string 2, anything else 0.
// Strings span lines, so only runs of 0, 1 and 3 are safe restart points.
class QuoteParser : public THighlighter {
public:
    void resumeAt(std::uint8_t before) override
    {
        inString_ = false;
        resumedAt.push_back(before);
    }
    std::uint8_t nextToken(TSyntaxMemo&, TCharStream& s, std::int64_t& length) override
    {
        ++calls;
        const std::int64_t p0 = s.position();
        const unsigned char c = s.current();
        std::uint8_t value = 0;
        if (c == '"') {
            s.advance();
            inString_ = !inString_;
            value = 4;
        } else if (inString_) {
            s.advance();
            value = 2;
        } else if (std::isalpha(c)) {
            while (!s.atEnd() && std::isalpha(s.current()))
                s.advance();
            value = 1;
        } else if (std::isdigit(c)) {
            while (!s.atEnd() && std::isdigit(s.current()))
                s.advance();
            value = 3;
        } else {
            s.advance();
        }
        length = s.position() - p0;
        return value;
    }
    bool isAnchor(std::uint8_t t) const override { return t == 0 || t == 1 || t == 3; }

    int calls = 0;
    std::vector<std::uint8_t> resumedAt;

private:
    bool inString_ = false;
};

std::vector<std::string> tokenValues(const TSyntaxMemo& m)
{
    std::vector<std::string> out;
    for (TRecordIndex r(0); r < m.store().recordCount(); ++r)
        out.emplace_back(m.store().recordTokens(r));
    return out;
}

TEST(Highlight, IncrementalMatchesAFullRescan)
{
    std::mt19937 rng(3);
    QuoteParser p;
    TSyntaxMemo m;
    m.setParser(1, &p);
    m.setActiveParser(1);
    static const char* pieces[] = {"abc", " ", "\"", "42", "\r\n", "x\"y", "\r\n\r\n", "."};
    for (int step = 0; step < 400; ++step) {
        const std::int64_t len = m.textLength();
        const std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
        const std::int64_t b = std::min<std::int64_t>(len, a + static_cast<std::int64_t>(rng() % 6));
        std::string ins;
        for (int k = static_cast<int>(rng() % 4); k > 0; --k)
            ins += pieces[rng() % 8];
        m.setSelection(a, b);
        if (rng() % 5 == 0 && m.canUndo())
            m.undo();
        else
            m.setSelText(ins);
        // A fresh editor loaded with the same text and highlighted in full.
        {
            const auto got = tokenValues(m);
            std::vector<std::string> want;
            {
                QuoteParser q;
                TSyntaxMemo fresh;
                fresh.setParser(1, &q);
                fresh.setActiveParser(1);
                std::istringstream in(m.text());
                fresh.loadFromStream(in);
                ASSERT_EQ(records(fresh), records(m));
                want = tokenValues(fresh);
            }
            ASSERT_EQ(got, want) << "step " << step;
        }
        ASSERT_EQ(m.highlightDriver().check(), "") << "step " << step;
    }
}

// Loads lines copies of a line of words, digits and a string with p active.
void loadLines(TSyntaxMemo& m, QuoteParser& p, int lines)
{
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "word 12 \"str\" more\r\n";
    std::istringstream in(text);
    m.loadFromStream(in);
}

TEST(Highlight, ASmallEditRescansOnlyNearby)
{
    QuoteParser p;
    TSyntaxMemo m;
    loadLines(m, p, 2000);
    EXPECT_FALSE(m.store().recordTokens(TRecordIndex(1999)).empty()) << "loading highlights everything";
    p.calls = 0;
    m.setSelStart(m.store().recordStart(TRecordIndex(1000)).value() + 2);
    m.typeChar('z');
    EXPECT_LT(p.calls, 40);
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(1000)).substr(0, 6), std::string("\1\1\1\1\1\0", 6));

    // Opening a string changes every line after it.
    p.calls = 0;
    m.setSelStart(m.store().recordStart(TRecordIndex(10)).value());
    m.typeChar('"');
    EXPECT_GT(p.calls, 1000);
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(1999)).substr(0, 4), std::string("\2\2\2\2"));
}

// Dots and line ends are plain text in and out of strings, so only the
// state tells the lines apart.
class DotsParser : public QuoteParser {
public:
    std::uint8_t nextToken(TSyntaxMemo& m, TCharStream& s, std::int64_t& length) override
    {
        if (s.current() == '.' || s.current() == '\r') {
            s.advance();
            length = 1;
            return 0;
        }
        const std::uint8_t v = QuoteParser::nextToken(m, s, length);
        inString = v == 4 ? !inString : inString;
        return v;
    }
    void resumeAt(std::uint8_t before) override
    {
        QuoteParser::resumeAt(before);
        inString = false;
    }
    std::uint32_t stateSignature() const override { return inString ? 1 : 0; }
    bool isAnchor(std::uint8_t t) const override { return t == 1; }
    bool inString = false;
};

TEST(Highlight, EqualValuesDoNotStopTheScanWhileTheStateDiffers)
{
    DotsParser p;
    TSyntaxMemo m;
    m.setParser(1, &p);
    m.setActiveParser(1);
    m.setSelText("\"\r\n....\r\n....\r\na");
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(3)), std::string("\2", 1));
    m.setSelection(0, 1);
    m.setSelText("");
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(2)), std::string(5, '\0'));
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(3)), std::string("\1", 1)) << "the line after the unchanged ones";
}

TEST(Highlight, SwitchingParsersRescansEverything)
{
    QuoteParser p;
    TSyntaxMemo m;
    m.setSelText("abc \"d\"\r\nx");
    EXPECT_TRUE(m.store().recordTokens(TRecordIndex(0)).empty()) << "no parser, no values";
    m.setParser(2, &p);
    m.setActiveParser(2);
    m.notify();
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(0)), std::string("\1\1\1\0\4\2\4\0", 8));
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(1)), std::string("\1", 1));
    m.setActiveParser(0);
    m.setActiveParser(2);
    m.notify();
    EXPECT_EQ(m.store().recordTokens(TRecordIndex(1)), std::string("\1", 1));
}

// Where the background pass stands follows the text: an edit before it
// moves it by the edit's extent, a deletion across it leaves it where the
// deletion began, an edit after it does not move it, emptying the text ends
// the pass. Checked against an offset kept by hand.
TEST(Highlight, ThePassFollowsEditsInFrontOfIt)
{
    QuoteParser p;
    TSyntaxMemo m;
    m.setBackgroundHighlight(1000);
    loadLines(m, p, 400);
    ASSERT_TRUE(m.highlightPending());
    std::int64_t want = m.highlightedTo();
    ASSERT_GT(want, 100);
    EXPECT_EQ(m.highlightDriver().check(), "");

    m.setSelStart(10);
    m.setSelText("abc");
    want += 3;
    EXPECT_EQ(m.highlightedTo(), want) << "an insertion before the pass";

    m.setSelection(20, 26);
    m.setSelText("");
    want -= 6;
    EXPECT_EQ(m.highlightedTo(), want) << "a deletion before the pass";

    m.setSelection(want + 50, want + 60);
    m.setSelText("q");
    EXPECT_EQ(m.highlightedTo(), want) << "an edit after the pass";

    m.setSelection(want - 5, want + 5);
    m.setSelText("");
    EXPECT_EQ(m.highlightedTo(), want - 5) << "a deletion across the pass";
    EXPECT_EQ(m.highlightDriver().check(), "");

    m.selectAll();
    m.setSelText("");
    EXPECT_FALSE(m.highlightPending()) << "emptying the text ends the pass";
    EXPECT_EQ(m.highlightedTo(), 0);
    EXPECT_EQ(m.highlightDriver().check(), "");
}

} // namespace
} // namespace tessaly::memo::test
