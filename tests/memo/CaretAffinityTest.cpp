// The caret at the boundary of two pieces of a wrapped line: the same offset
// is the end of one piece and the start of the next, and the caret is shown
// where the user put it. Caret moves are checked against a model of the
// screen built from the pieces alone: rows of plain ASCII text, a caret as a
// row and a column.
#include "MemoTestUtil.h"
#include "memo/KeyCommands.h"

#include <random>

namespace tessaly::memo::test {
namespace {

using Opt = TSyntaxMemoOption;

// The rows of the screen: each record's text without its line break, and
// whether the next row continues it.
struct Screen {
    std::vector<std::string> rows;
    std::vector<bool> continued;

    explicit Screen(const TSyntaxMemo& m)
    {
        const TTextStore& s = m.store();
        for (std::int64_t r = 0; r < s.recordCount().value(); ++r) {
            std::string t(s.recordText(TRecordIndex(r)));
            if (!t.empty() && t.back() == '\r')
                t.pop_back();
            rows.push_back(t);
            continued.push_back(r + 1 < s.recordCount().value()
                                && (s.meta(TRecordIndex(r + 1)).bookmarks & kContinuationBit));
        }
    }
    int width(std::size_t row) const { return static_cast<int>(rows[row].size()); }
};

// Where the memo shows its caret: row and column.
std::pair<std::int64_t, int> shown(const TSyntaxMemo& m)
{
    return {m.caretRecord().value(), m.displayColumn(m.caretRecord(), m.caretColumn())};
}

TSyntaxMemo& wrapped(TSyntaxMemo& m, int width, std::string_view text)
{
    m.setWrapAtColumn(width);
    m.setOptions({Opt::smoWordWrap, Opt::smoColumnTrack});
    m.setSelText(text);
    return m;
}

TEST(CaretAffinity, EndAndHomeLandOnThePieceTheUserSees)
{
    TSyntaxMemo m;
    wrapped(m, 10, "alpha beta gamma delta epsilon\r\nnext");
    const Screen screen(m);
    ASSERT_EQ(screen.rows, (std::vector<std::string>{"alpha ", "beta ", "gamma ", "delta ", "epsilon", "next"}));
    std::int64_t start = 0;
    for (std::size_t row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        m.setSelStart(start + 1);
        m.executeCommand(kcLineEnd);
        const std::int64_t end = start + screen.width(row);
        EXPECT_EQ(m.caret(), end);
        EXPECT_EQ(shown(m), std::make_pair(static_cast<std::int64_t>(row), screen.width(row)));
        EXPECT_EQ(m.getCaretPos().line.value(), static_cast<std::int64_t>(row) + 1);
        EXPECT_EQ(m.getCaretPos().columnNumber(), screen.width(row) + 1);
        // End again stays; Home goes to the start of the same piece.
        m.executeCommand(kcLineEnd);
        EXPECT_EQ(shown(m).first, static_cast<std::int64_t>(row));
        m.executeCommand(kcLineStart);
        EXPECT_EQ(shown(m), std::make_pair(static_cast<std::int64_t>(row), 0));
        EXPECT_EQ(m.caret(), start);
        start = end;
    }
    // The same offset reached as the next piece's start is shown there.
    m.setSelStart(screen.width(0));
    EXPECT_EQ(shown(m), std::make_pair(std::int64_t{1}, 0));
    m.executeCommand(kcLineEnd);
    EXPECT_EQ(shown(m), std::make_pair(std::int64_t{1}, screen.width(1)));
}

TEST(CaretAffinity, TypingAtAPieceEndInsertsAtThatOffset)
{
    TSyntaxMemo m;
    wrapped(m, 10, "alpha beta gamma delta");
    std::string model = storeText(m);
    m.setSelStart(2);
    m.executeCommand(kcLineEnd);
    const std::int64_t at = m.caret();
    typeText(m, "XY");
    model.insert(static_cast<std::size_t>(at), "XY");
    EXPECT_EQ(storeText(m), model);
    EXPECT_EQ(m.caret(), at + 2);
    EXPECT_TRUE(storeConsistent(m));
}

TEST(CaretAffinity, TextThatFillsAPieceKeepsTheCaretBesideIt)
{
    TSyntaxMemo m;
    wrapped(m, 5, "abcdefghij");
    ASSERT_EQ(records(m), (std::vector<std::string>{"abcde", "fghij"}));
    // Typing before "e" pushes it to the next piece: the caret is after the
    // "x" just typed, at the end of the first piece.
    m.setSelStart(4);
    typeText(m, "x");
    ASSERT_EQ(records(m), (std::vector<std::string>{"abcdx", "efghi", "j"}));
    EXPECT_EQ(m.caret(), 5);
    EXPECT_EQ(shown(m), std::make_pair(std::int64_t{0}, 5));
    // A deletion there shows the caret at the next piece's start as usual.
    m.executeCommand(kcDeleteChar);
    EXPECT_EQ(records(m), (std::vector<std::string>{"abcdx", "fghij"}));
    EXPECT_EQ(shown(m), std::make_pair(std::int64_t{1}, 0));
}

TEST(CaretAffinity, MultiByteCharactersAreSteppedOverWholeAcrossABoundary)
{
    TSyntaxMemo m;
    const std::string e = "\xC3\xA9"; // one column, two bytes
    wrapped(m, 3, e + e + e + e + e + e);
    ASSERT_EQ(records(m).size(), 2u);
    const std::int64_t boundary = m.store().recordStart(TRecordIndex(1)).value();
    m.setSelStart(boundary);
    m.executeCommand(kcCursorLeft);
    EXPECT_EQ(m.caret(), boundary - 2);
    m.executeCommand(kcCursorRight);
    EXPECT_EQ(m.caret(), boundary);
    m.executeCommand(kcLineEnd);
    m.executeCommand(kcLineUp);
    m.executeCommand(kcLineEnd);
    ASSERT_TRUE(m.caretAtPieceEnd());
    m.executeCommand(kcCursorRight);
    EXPECT_EQ(m.caret(), boundary + 2);
    m.setSelStart(boundary);
    m.executeCommand(kcDeleteCharBefore);
    EXPECT_EQ(storeText(m), e + e + e + e + e) << "Backspace took the whole character";
}

// Random Home, End, Up, Down and Right moves on random wrapped
// text; after each move the shown caret must be where the screen model puts
// it, and vertical moves keep the column aimed at.
TEST(CaretAffinity, CaretMovesFollowTheScreenModel)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        TSyntaxMemo m;
        const int width = 6 + static_cast<int>(rng() % 10);
        std::string text;
        const int words = 5 + static_cast<int>(rng() % 40);
        for (int w = 0; w < words; ++w) {
            text.append(1 + rng() % 9, static_cast<char>('a' + rng() % 26));
            text += rng() % 7 == 0 ? "\r\n" : std::string(1 + rng() % 2, ' ');
        }
        wrapped(m, width, text);
        const Screen screen(m);
        const std::int64_t last = static_cast<std::int64_t>(screen.rows.size()) - 1;
        m.setSelStart(0);
        std::int64_t row = 0;
        int col = 0;
        int aim = 0;
        for (int step = 0; step < 200; ++step) {
            const int k = static_cast<int>(rng() % 6);
            if (k == 0) {
                m.executeCommand(kcLineStart);
                col = aim = 0;
            } else if (k == 1) {
                m.executeCommand(kcLineEnd);
                col = aim = screen.width(static_cast<std::size_t>(row));
            } else if (k == 2 || k == 3) {
                m.executeCommand(k == 2 ? kcLineUp : kcLineDown);
                row = std::clamp<std::int64_t>(row + (k == 2 ? -1 : 1), 0, last);
                col = std::min(aim, screen.width(static_cast<std::size_t>(row)));
            } else if (k == 4) {
                // Right: one character on; at a row's end (a break or a piece
                // boundary) the next row's first character is passed.
                m.executeCommand(kcCursorRight);
                if (col < screen.width(static_cast<std::size_t>(row))) {
                    ++col;
                } else if (row < last) {
                    const bool piece = screen.continued[static_cast<std::size_t>(row)];
                    ++row;
                    col = piece ? 1 : 0;
                }
                // A caret that lands on a boundary this way is shown at the next start.
                if (row < last && col == screen.width(static_cast<std::size_t>(row))
                    && screen.continued[static_cast<std::size_t>(row)]) {
                    ++row;
                    col = 0;
                }
                aim = col;
            } else {
                m.executeCommand(kcLineDown, true);
                m.executeCommand(kcLineUp, true);
                // Down and up again, extending: back on the same row and
                // column unless the text ended below.
                if (row == last)
                    row = std::max<std::int64_t>(0, row - 1), col = std::min(aim, screen.width(static_cast<std::size_t>(row)));
            }
            ASSERT_EQ(shown(m), std::make_pair(row, col)) << "step " << step << " command " << k;
            ASSERT_EQ(m.store().recordStart(TRecordIndex(row)).value() + col, m.caret());
        }
    }
}

} // namespace
} // namespace tessaly::memo::test
