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
    for (std::int64_t r = 0; r < s.recordCount(); ++r) {
        std::string_view t = s.recordText(r);
        if (!t.empty() && t.back() == '\r')
            t.remove_suffix(1);
        const int cols = m.displayColumn(r, static_cast<int>(t.size()));
        if (cols > width)
            return ::testing::AssertionFailure() << "record " << r << " is " << cols << " columns wide";
        const bool cont = (s.meta(r).bookmarks & kContinuationBit) != 0;
        if (cont && r > 0 && !s.recordText(r - 1).empty() && s.recordText(r - 1).back() == '\r')
            return ::testing::AssertionFailure() << "record " << r << " continues a line that ended";
        if (!cont && r > 0 && (s.recordText(r - 1).empty() || s.recordText(r - 1).back() != '\r'))
            return ::testing::AssertionFailure() << "record " << r << " starts a line but the one before did not end";
    }
    return ::testing::AssertionSuccess();
}

std::vector<std::size_t> lengths(const TSyntaxMemo& m)
{
    std::vector<std::size_t> out;
    for (std::int64_t r = 0; r < m.store().recordCount(); ++r)
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
    EXPECT_EQ(m.caretRecord(), 0) << "shown at the end of the first piece";
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
        }
        const auto before = lengths(m);
        m.reflow();
        ASSERT_EQ(lengths(m), before) << "reflowing again changes nothing";
        while (m.canUndo())
            m.undo();
        ASSERT_EQ(storeText(m), "");
        ASSERT_TRUE(storeConsistent(m));
    }
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
