#include "MemoTestUtil.h"

#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

using Opt = TSyntaxMemoOption;

void load(TSyntaxMemo& m, const std::string& bytes)
{
    std::istringstream in(bytes);
    m.loadFromStream(in);
}

// The logical lines of the store (pieces joined) and a check that every
// piece fits the width.
::testing::AssertionResult piecesFit(const TSyntaxMemo& m, int width)
{
    const TTextStore& s = m.store();
    for (std::int64_t r = 0; r < s.recordCount().value(); ++r) {
        std::string_view t = s.recordText(TRecordIndex(r));
        if (!t.empty() && t.back() == '\r')
            t.remove_suffix(1);
        const int cols = m.displayColumn(TRecordIndex(r), static_cast<int>(t.size()));
        if (cols > width)
            return ::testing::AssertionFailure() << "record " << r << " is " << cols << " columns wide";
        const bool cont = (s.meta(TRecordIndex(r)).bookmarks & kContinuationBit) != 0;
        if (cont && r > 0 && !s.recordText(TRecordIndex(r - 1)).empty()
            && s.recordText(TRecordIndex(r - 1)).back() == '\r')
            return ::testing::AssertionFailure() << "record " << r << " continues a line that ended";
        if (!cont && r > 0
            && (s.recordText(TRecordIndex(r - 1)).empty() || s.recordText(TRecordIndex(r - 1)).back() != '\r'))
            return ::testing::AssertionFailure() << "record " << r << " starts a line but the one before did not end";
    }
    return ::testing::AssertionSuccess();
}

std::vector<std::size_t> lengths(const TSyntaxMemo& m)
{
    std::vector<std::size_t> out;
    for (TRecordIndex r(0); r < m.store().recordCount(); ++r)
        out.push_back(m.store().recordText(r).size());
    return out;
}

TEST(WordWrap, CutsAfterTheLastBlankThatFits)
{
    TSyntaxMemo m;
    m.setWrapAtColumn(10);
    load(m, "alpha beta gamma delta\r\nshort\r\nabcdefghijklmnopqrstuvwxyz");
    m.setOptions({Opt::smoWordWrap});
    EXPECT_EQ(records(m), (std::vector<std::string>{"alpha ", "beta ", "gamma ", "delta\r", "short\r", "abcdefghij",
                                                    "klmnopqrst", "uvwxyz"}));
    EXPECT_TRUE(storeConsistent(m));
    EXPECT_EQ(m.lines().count(), 8) << "line numbers count displayed lines";
    // Typing moves words between pieces.
    m.setSelStart(0);
    typeText(m, "an ");
    EXPECT_EQ(records(m)[0], "an alpha ");
    m.setOptions({});
    EXPECT_EQ(records(m), (std::vector<std::string>{"an alpha beta gamma delta\r", "short\r", "abcdefghijklmnopqrstuvwxyz"}));
}

TEST(WordWrap, LineEndStaysOnTheWrappedPiece)
{
    TSyntaxMemo m;
    m.setWrapAtColumn(10);
    m.setOptions({TSyntaxMemoOption::smoWordWrap});
    m.setSelText("alpha beta gamma");
    m.setSelStart(2);
    m.executeCommand(3); // line end
    EXPECT_EQ(m.caret(), 6) << "after the blank the piece ends with";
    EXPECT_EQ(m.caretRecord(), TRecordIndex(0)) << "shown at the end of the first piece";
    ASSERT_EQ(records(m), (std::vector<std::string>{"alpha ", "beta gamma"}));
    m.executeCommand(5); // down
    m.executeCommand(3);
    EXPECT_EQ(m.caret(), 16) << "the last piece ends at the end of the line";
}

TEST(WordWrap, OverrideCharactersKeepALineWhole)
{
    TSyntaxMemo m;
    m.setWrapAtColumn(8);
    m.setWrapOverride(">|");
    load(m, ">keep this line whole\r\nbut wrap this one");
    m.setOptions({Opt::smoWordWrap, Opt::smoWrapOverride});
    EXPECT_EQ(records(m), (std::vector<std::string>{">keep this line whole\r", "but ", "wrap ", "this one"}));
    m.setOptions({Opt::smoWordWrap});
    EXPECT_EQ(records(m).size(), 7u);
}

TEST(WordWrap, UTF8SequencesAndTabsAreNotSplit)
{
    TSyntaxMemo m;
    m.setTabDefault(4);
    m.setWrapAtColumn(5);
    m.setOptions({Opt::smoWordWrap});
    m.setSelText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\r\nab\tcd\tef");
    EXPECT_EQ(records(m), (std::vector<std::string>{"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "\xC3\xA9\xC3\xA9\r",
                                                    "ab\t", "cd\t", "ef"}));
    EXPECT_TRUE(piecesFit(m, 5));
}

TEST(WordWrap, BookmarksStayOnTheFirstPiece)
{
    TSyntaxMemo m;
    load(m, "one two three four five six\r\nnext");
    m.setBookmark(4, 2, 1);
    m.setBookmark(5, 1, 1);
    m.setWrapAtColumn(8);
    m.setOptions({Opt::smoWordWrap});
    EXPECT_EQ(m.bookmarkLine(5), 1);
    EXPECT_EQ(m.bookmarkLine(4), static_cast<std::int64_t>(records(m).size()));
    m.setOptions({});
    EXPECT_EQ(m.bookmarkLine(4), 2);
}

// Random edits with wrap on against a plain string; the pieces must always
// fit, reflowing again must change nothing, and undo must restore the text.
TEST(WordWrap, RandomEditsKeepTheRecordRules)
{
    std::mt19937 rng(5);
    for (int round = 0; round < 12; ++round) {
        TSyntaxMemo m;
        const int width = 6 + static_cast<int>(rng() % 10);
        m.setWrapAtColumn(width);
        m.setTabDefault(4);
        m.setOptions({Opt::smoWordWrap});
        std::string model;
        for (int step = 0; step < 60; ++step) {
            const std::int64_t len = static_cast<std::int64_t>(model.size());
            std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
            std::int64_t b = std::min(len, a + static_cast<std::int64_t>(rng() % 8));
            std::string ins;
            const int n = static_cast<int>(rng() % 14);
            for (int i = 0; i < n; ++i)
                ins += "ab c\t\rxyz  -"[rng() % 12];
            m.setSelection(a, b);
            if (ins.size() == 1 && ins[0] != '\t' && rng() % 2 == 0) {
                m.setSelStart(a);
                b = a;
                m.typeChar(static_cast<unsigned char>(ins[0]));
            } else {
                m.setSelText(ins);
            }
            model.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), ins);
            ASSERT_EQ(storeText(m), model) << "round " << round << " step " << step;
            ASSERT_TRUE(storeConsistent(m));
            ASSERT_TRUE(piecesFit(m, width)) << "round " << round << " step " << step;
            ASSERT_EQ(m.wordWrap().check(m.wrapRule()), "") << "round " << round << " step " << step;
        }
        const auto before = lengths(m);
        m.reflow();
        ASSERT_EQ(lengths(m), before) << "reflowing again changes nothing";
        while (m.canUndo()) {
            m.undo();
            ASSERT_EQ(m.wordWrap().check(m.wrapRule()), "") << "round " << round << " after an undo";
        }
        ASSERT_EQ(storeText(m), "");
        ASSERT_TRUE(storeConsistent(m));
    }
}

// Greedy wrapping of one line of single-column characters without tabs: a
// piece takes at most width characters, and when the line goes on it ends
// after the last blank among them, if any; the last piece takes the CR.
std::vector<std::size_t> modelPieces(const std::string& line, std::size_t width)
{
    const std::size_t body = !line.empty() && line.back() == '\r' ? line.size() - 1 : line.size();
    std::vector<std::size_t> out;
    std::size_t p = 0;
    while (p < body) {
        std::size_t take = std::min(width, body - p);
        if (p + take < body) {
            const std::size_t blank = line.substr(p, take).find_last_of(' ');
            if (blank != std::string::npos)
                take = blank + 1;
        }
        p += take;
        out.push_back(p < body ? take : take + (line.size() - body));
    }
    if (out.empty())
        out.push_back(line.size());
    return out;
}

TEST(WordWrap, PiecesFollowAGreedyModel)
{
    TTextStore store;
    TTabStops tabs;
    TWordWrap wrap(store, tabs);
    std::mt19937 rng(3);
    for (int round = 0; round < 4000; ++round) {
        std::string line(rng() % 30, ' ');
        for (char& c : line)
            c = "ab  x"[rng() % 5];
        if (rng() % 2)
            line += '\r';
        const auto width = static_cast<int>(1 + rng() % 9);
        const TWordWrap::TRule rule{true, false, width};
        ASSERT_EQ(wrap.pieces(line, rule), modelPieces(line, static_cast<std::size_t>(width)))
            << '"' << line << "\" at " << width;
        // Without word wrap a line that fits a record stays whole.
        ASSERT_EQ(wrap.pieces(line, TWordWrap::TRule{false, false, width}), std::vector<std::size_t>{line.size()});
    }
    wrap.setOverrideChars(">");
    EXPECT_EQ(wrap.pieces(">a b c d", {true, true, 2}), std::vector<std::size_t>{8}) << "an override line stays whole";
    EXPECT_EQ(wrap.pieces(">a b c d", {true, false, 2}), modelPieces(">a b c d", 2));
    EXPECT_EQ(wrap.width(80), 80);
    EXPECT_TRUE(wrap.setAtColumn(-3) == false && wrap.atColumn() == 0) << "a negative column counts as 0";
    EXPECT_TRUE(wrap.setAtColumn(5000));
    EXPECT_EQ(wrap.width(80), kMaxRecordLength);
}

TEST(WordWrap, OverlongLinesAreCutWithoutWrap)
{
    TSyntaxMemo m;
    load(m, std::string(5000, 'q') + "\r\nz");
    m.setOptions({Opt::smoWordWrap});
    m.setOptions({});
    const auto r = records(m);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0].size() + r[1].size() + r[2].size(), 5001u);
    EXPECT_TRUE(storeConsistent(m));
}

} // namespace
} // namespace tessaly::memo::test
