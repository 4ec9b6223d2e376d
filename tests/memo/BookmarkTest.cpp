#include "MemoTestUtil.h"

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

void load(TSyntaxMemo& m, const std::string& bytes)
{
    std::istringstream in(bytes);
    m.loadFromStream(in);
}

std::string numberedLines(int n)
{
    std::string s;
    for (int i = 1; i <= n; ++i)
        s += "line" + std::to_string(i) + (i < n ? "\r\n" : "");
    return s;
}

TEST(Bookmark, OneBookmarkPerLineTogglesAndJumps)
{
    TSyntaxMemo m;
    load(m, numberedLines(8));
    std::vector<int> set;
    m.onBookmarkSet = [&](TSyntaxMemo&, int n) { set.push_back(n); };

    m.setBookmark(3, 5, 2);
    m.setBookmark(4, 5, 3);
    EXPECT_EQ(m.bookmarkLine(4), 5);
    EXPECT_EQ(m.bookmarkLine(3), 0) << "a line carries one numbered bookmark";
    EXPECT_EQ(set, (std::vector<int>{3, 4}));
    m.setSelStart(0);
    m.gotoBookmark(3);
    EXPECT_EQ(m.caret(), 0) << "a jump to an unset bookmark does nothing";
    m.gotoBookmark(4);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(4)).value() + 2);

    m.setBookmark(2, 1, 1);
    m.setBookmark(2, 1, 4);
    EXPECT_EQ(m.bookmarkLine(2), 0) << "setting a bookmark on its own line takes it off";
    EXPECT_EQ(set.size(), 3u);

    // From the caret: its line and column.
    m.setSelStart(m.store().recordStart(TRecordIndex(6)).value() + 3);
    m.setBookmark(7, -1, 0);
    EXPECT_EQ(m.bookmarkLine(7), 7);
    EXPECT_EQ(m.bookmarkColumn(7), 4);
    m.setBookmark(7, 2, 0); // moving it to another line
    EXPECT_EQ(m.bookmarkLine(7), 2);
    EXPECT_EQ(m.bookmarkColumn(7), 1);
    // Lines outside the text are taken as the first or last one.
    m.setBookmark(0, 99, 1);
    EXPECT_EQ(m.bookmarkLine(0), 8);
    m.setBookmark(1, -5, 1);
    EXPECT_EQ(m.bookmarkLine(1), 1);
    EXPECT_EQ(m.store().meta(TRecordIndex(0)).bookmarks & 0x3FF, 1u << 1);

    EXPECT_THROW(m.setBookmark(10, 1, 1), ESyntaxMemo);
    EXPECT_THROW(m.gotoBookmark(-1), ESyntaxMemo);
    try {
        m.setBookmark(10, 1, 1);
    } catch (const ESyntaxMemo& e) {
        EXPECT_STREQ(e.what(), "Bookmark index range error");
    }
}

TEST(Bookmark, GotoAtAShorterLineStopsAtItsEnd)
{
    TSyntaxMemo m;
    load(m, "first\r\n" + std::string(50, 'x') + "\r\nlast");
    m.setBookmark(5, 2, 40);
    m.setSelection(m.store().recordStart(TRecordIndex(1)).value() + 10,
                   m.store().recordStart(TRecordIndex(2)).value() - 1);
    m.setSelText({}); // the line keeps 10 characters
    m.setSelStart(0);
    m.gotoBookmark(5);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(1)).value() + 10);
    EXPECT_EQ(m.anchor(), m.caret());
    // On the last line (no line break) the column is cut to its length less one.
    m.setBookmark(6, 3, 30);
    m.gotoBookmark(6);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(2)).value() + 3);
}

TEST(Bookmark, WrappedPiecesShareTheBookmarkOfTheirFirstPiece)
{
    TSyntaxMemo m;
    m.setSelText(std::string(5000, 'w'));
    ASSERT_EQ(m.store().recordCount().value(), 3);
    m.setOptions({TSyntaxMemoOption::smoWordWrap});
    m.setBookmark(1, 3, 1);
    EXPECT_EQ(m.bookmarkLine(1), 1);
    EXPECT_TRUE(m.store().meta(TRecordIndex(2)).bookmarks & kContinuationBit) << "the continuation bit stays";
    m.setBookmark(1, 2, 1);
    EXPECT_EQ(m.bookmarkLine(1), 0) << "any piece of the line toggles it";
}

// Bookmarks and marks stay with the text of their line through edits; the
// model keeps the lines as strings and the number of the marked line.
TEST(Bookmark, TravelsWithItsLineThroughRandomEdits)
{
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 rng(seed);
        TSyntaxMemo m;
        std::vector<std::string> lines;
        for (int i = 0; i < 12; ++i)
            lines.push_back("L" + std::to_string(i));
        std::string all;
        for (std::size_t i = 0; i < lines.size(); ++i)
            all += lines[i] + (i + 1 < lines.size() ? "\r" : "");
        load(m, all);
        int marked = 6; // 0-based, -1 once its line is deleted
        m.setBookmark(3, marked + 1, 1);
        m.setMark(2, lineOf(TRecordIndex(marked)));
        int counter = 100;
        for (int step = 0; step < 40; ++step) {
            const int n = static_cast<int>(lines.size());
            const int op = static_cast<int>(rng() % 4);
            const int i = static_cast<int>(rng() % static_cast<unsigned>(n));
            if (op == 0) { // whole lines in front of line i
                const int k = 1 + static_cast<int>(rng() % 3);
                std::string ins;
                std::vector<std::string> news;
                for (int j = 0; j < k; ++j) {
                    news.push_back("N" + std::to_string(counter++));
                    ins += news.back() + "\r";
                }
                m.setSelStart(m.store().recordStart(TRecordIndex(i)).value());
                m.setSelText(ins);
                lines.insert(lines.begin() + i, news.begin(), news.end());
                if (marked >= i)
                    marked += k;
            } else if (op == 1 && n > 2 && i + 1 < n) { // whole lines i..j-1 with their breaks
                const int j = i + 1 + static_cast<int>(rng() % static_cast<unsigned>(std::min(3, n - 1 - i)));
                m.setSelection(m.store().recordStart(TRecordIndex(i)).value(),
                               m.store().recordStart(TRecordIndex(j)).value());
                m.setSelText({});
                lines.erase(lines.begin() + i, lines.begin() + j);
                if (marked >= i && marked < j)
                    marked = -1;
                else if (marked >= j)
                    marked -= j - i;
            } else if (op == 2) { // a character typed inside line i
                std::string& line = lines[static_cast<std::size_t>(i)];
                const std::size_t col = std::min<std::size_t>(1, line.size());
                m.setSelStart(m.store().recordStart(TRecordIndex(i)).value() + static_cast<std::int64_t>(col));
                m.typeChar('z');
                line.insert(col, "z");
            } else { // Enter typed at the end of line i
                m.setSelStart(m.store().recordStart(TRecordIndex(i)).value()
                              + static_cast<std::int64_t>(lines[static_cast<std::size_t>(i)].size()));
                m.typeChar('\r');
                lines.insert(lines.begin() + i + 1, "");
                if (marked > i)
                    ++marked;
            }
            ASSERT_TRUE(storeConsistent(m));
            ASSERT_EQ(m.store().recordCount().value(), static_cast<std::int64_t>(lines.size())) << "seed " << seed;
            ASSERT_EQ(m.bookmarkLine(3), marked + 1) << "seed " << seed << " step " << step << " op " << op;
            if (marked >= 0) {
                ASSERT_EQ(m.lines().strings(marked), lines[static_cast<std::size_t>(marked)]);
                ASSERT_TRUE(m.hasMark(2, lineOf(TRecordIndex(marked))));
            }
        }
    }
}

TEST(Bookmark, UndoOfInsertedLinesPutsTheBookmarkBack)
{
    TSyntaxMemo m;
    load(m, numberedLines(4));
    m.setBookmark(0, 3, 1);
    m.setSelStart(m.store().recordStart(TRecordIndex(2)).value());
    m.setSelText("new\r\nmore\r\n");
    EXPECT_EQ(m.bookmarkLine(0), 5);
    m.undo();
    EXPECT_EQ(m.bookmarkLine(0), 3);
    m.redo();
    EXPECT_EQ(m.bookmarkLine(0), 5);
}

// Custom bookmarks against a model that applies each replacement directly:
// entries inside the replaced range go, entries after it shift.
TEST(Bookmark, CustomBookmarksFollowReplacements)
{
    std::mt19937 rng(7);
    TSyntaxMemo m;
    load(m, std::string(300, 'a'));
    std::vector<std::string> freed;
    m.onCustomBookmarkFree = [&](TSyntaxMemo&, const std::string& n) { freed.push_back(n); };
    std::map<std::string, std::int64_t> model;
    for (int i = 0; i < 40; ++i) {
        const std::string name = "b" + std::to_string(i);
        const std::int64_t at = static_cast<std::int64_t>(rng() % 301);
        m.customBookmarks().add(name, at);
        model[name] = at;
    }
    for (int step = 0; step < 200; ++step) {
        const std::int64_t len = m.textLength();
        std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
        std::int64_t b = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
        if (a > b)
            std::swap(a, b);
        const std::string ins(rng() % 6, rng() % 2 ? 'x' : '\r');
        m.setSelection(a, b);
        m.setSelText(ins);
        for (auto it = model.begin(); it != model.end();) {
            if (it->second >= a && it->second < b) {
                it = model.erase(it);
                continue;
            }
            if (it->second >= b)
                it->second += static_cast<std::int64_t>(ins.size()) - (b - a);
            ++it;
        }
        ASSERT_EQ(m.customBookmarks().size(), model.size()) << "step " << step;
        for (const auto& [name, off] : model)
            ASSERT_EQ(m.customBookmarks().offsetOf(name), off) << name << " step " << step;
        const auto& e = m.customBookmarks().entries();
        ASSERT_TRUE(std::is_sorted(e.begin(), e.end(), [](auto& x, auto& y) { return x.offset < y.offset; }));
    }
    EXPECT_EQ(freed.size() + model.size(), 40u);
    const std::size_t left = model.size();
    m.selectAll();
    m.setSelText({});
    EXPECT_EQ(m.customBookmarks().size(), 0u) << "emptying the text discards them all";
    EXPECT_EQ(freed.size(), 40u);
    (void)left;
}

TEST(Bookmark, CustomBookmarkListOperations)
{
    TCustomBookmarks list;
    std::vector<std::string> freed;
    list.onFree = [&](const std::string& n) { freed.push_back(n); };
    list.add("b", 10);
    list.add("a", 5);
    list.add("c", 10);
    list.add("a", 20); // moves
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.entries()[0].name, "b");
    EXPECT_EQ(list.entries()[2].name, "a");
    list.inserted(3, 10);
    EXPECT_EQ(list.offsetOf("b"), 13);
    list.deleted(5, 12); // [12, 17) takes b and c
    EXPECT_EQ(freed, (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(list.offsetOf("a"), 18);
    EXPECT_TRUE(list.remove("a"));
    EXPECT_FALSE(list.remove("a"));
    EXPECT_FALSE(list.offsetOf("a").has_value());
}

TEST(Bookmark, LoadingDiscardsCustomBookmarks)
{
    TSyntaxMemo m;
    load(m, "some text");
    m.customBookmarks().add("x", 4);
    load(m, "other text");
    EXPECT_EQ(m.customBookmarks().size(), 0u);
}

} // namespace
} // namespace tessaly::memo::test

namespace tessaly::memo::test {
namespace {

// Random toggles against a plain model (which line carries each bookmark,
// its column), then random edits and marks with the part's invariant
// checked after every step.
TEST(Bookmark, TogglesFollowAPlainModelAndEditsKeepTheInvariant)
{
    std::mt19937 rng(18);
    TSyntaxMemo m;
    std::string text;
    for (int i = 1; i <= 20; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    m.setSelText(text);
    std::array<std::int64_t, 10> carrier{};
    std::array<int, 10> column{};
    for (int step = 0; step < 400; ++step) {
        const int n = static_cast<int>(rng() % 10);
        const std::int64_t line = 1 + static_cast<std::int64_t>(rng() % 20);
        const int col = 1 + static_cast<int>(rng() % 6);
        m.setBookmark(n, line, col);
        if (carrier[static_cast<std::size_t>(n)] == line) {
            carrier[static_cast<std::size_t>(n)] = 0;
        } else {
            for (std::int64_t& c : carrier)
                if (c == line)
                    c = 0;
            carrier[static_cast<std::size_t>(n)] = line;
            column[static_cast<std::size_t>(n)] = col;
        }
        ASSERT_EQ(m.bookmarks().check(), "") << "step " << step;
        for (int k = 0; k < 10; ++k) {
            ASSERT_EQ(m.bookmarkLine(k), carrier[static_cast<std::size_t>(k)]) << "step " << step << " bookmark " << k;
            if (carrier[static_cast<std::size_t>(k)]) {
                ASSERT_EQ(m.bookmarkColumn(k), column[static_cast<std::size_t>(k)]);
            }
        }
    }
    for (int step = 0; step < 300; ++step) {
        const std::int64_t len = m.textLength();
        const std::int64_t a = len ? static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(len + 1)) : 0;
        const std::int64_t b = std::min<std::int64_t>(len, a + static_cast<std::int64_t>(rng() % 12));
        switch (rng() % 4) {
        case 0:
            m.setSelection(a, b);
            m.setSelText(rng() % 2 ? "x\r\ny" : "");
            break;
        case 1:
            m.setBookmark(static_cast<int>(rng() % 10), 1 + static_cast<std::int64_t>(rng() % 25), 1);
            break;
        case 2:
            m.setMark(1 + static_cast<int>(rng() % 16), TLineNumber(1 + static_cast<std::int64_t>(rng() % 25)));
            break;
        default:
            m.undo();
            break;
        }
        ASSERT_EQ(m.bookmarks().check(), "") << "step " << step;
    }
}

} // namespace
} // namespace tessaly::memo::test
