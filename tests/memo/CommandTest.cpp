#include "MemoTestUtil.h"

#include "memo/KeyCommands.h"

#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

void load(TSyntaxMemo& m, const std::string& bytes)
{
    std::istringstream in(bytes);
    m.loadFromStream(in);
}

TEST(Command, CharacterMovesStepOverUtf8SequencesAndLineBreaks)
{
    TSyntaxMemo m;
    // a, e acute (2 bytes), euro (3), an emoji (4), a lone 0xE9 byte, b; then a line break.
    const std::string line = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xE9" "b";
    load(m, line + "\r\nz");
    std::vector<std::int64_t> stops;
    for (int i = 0; i < 9; ++i) {
        stops.push_back(m.caret());
        m.executeCommand(kcCursorRight);
    }
    EXPECT_EQ(stops, (std::vector<std::int64_t>{0, 1, 3, 6, 10, 11, 12, 13, 14}));
    EXPECT_EQ(m.caret(), 14) << "stops at the end of the text";
    for (auto it = stops.rbegin(); it != stops.rend(); ++it) {
        EXPECT_EQ(m.caret(), *it);
        m.executeCommand(kcCursorLeft);
    }
    EXPECT_EQ(m.caret(), 0);
    // The status column counts display cells: the emoji takes two.
    m.setSelStart(10);
    EXPECT_EQ(m.getCaretPos().columnNumber(), 6);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 3), 6);
}

TEST(Command, ExtendKeepsTheAnchor)
{
    TSyntaxMemo m;
    load(m, "one two\r\nthree");
    m.setSelStart(4);
    m.executeCommand(kcLineEnd, true);
    EXPECT_EQ(m.selText(), "two");
    m.executeCommand(kcDocumentEnd, true);
    EXPECT_EQ(m.selText(), "two\r\nthree");
    m.executeCommand(kcLineStart, true);
    EXPECT_EQ(m.selText(), "two\r\n");
    m.executeCommand(kcDocumentStart, false);
    EXPECT_EQ(m.anchor(), 0);
    EXPECT_EQ(m.caret(), 0);
}

TEST(Command, VerticalMovesKeepThePreferredColumn)
{
    TSyntaxMemo m;
    load(m, "0123456789\r\nab\r\n\tcdefgh\r\n0123456789");
    m.setSelStart(7);
    m.executeCommand(kcLineDown);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(1)).value() + 2) << "the short line's end";
    m.executeCommand(kcLineDown);
    // The tab reaches column 8: column 7 lies inside it, so the caret stands before it.
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(2)).value() + 0);
    m.executeCommand(kcLineDown);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(3)).value() + 7);
    m.executeCommand(kcLineUp, true);
    m.executeCommand(kcLineUp, true);
    m.executeCommand(kcLineUp, true);
    EXPECT_EQ(m.caret(), 7);
    EXPECT_EQ(m.anchor(), m.store().recordStart(TRecordIndex(3)).value() + 7);
}

TEST(Command, WithoutColumnTrackingEachVerticalMoveStartsFromTheCaret)
{
    TSyntaxMemo m;
    load(m, "0123456789\r\nab\r\n0123456789");
    TSyntaxMemoOptions o = m.options();
    o.set(TSyntaxMemoOption::smoColumnTrack, false);
    m.setOptions(o);
    m.setSelStart(7);
    m.executeCommand(kcLineDown);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(1)).value() + 2);
    m.executeCommand(kcLineDown);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(2)).value() + 2) << "the column of the short line, not 7";
    o.set(TSyntaxMemoOption::smoColumnTrack, true);
    m.setOptions(o);
    m.setSelStart(7);
    m.executeCommand(kcLineDown);
    m.executeCommand(kcLineDown);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(2)).value() + 7);
}

TEST(Command, PageMovesGoByTheVisibleLines)
{
    TSyntaxMemo m; // without a window: 40 visible lines
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "line\r\n";
    load(m, text);
    m.executeCommand(kcPageDown);
    EXPECT_EQ(m.store().recordOf(TTextOffset(m.caret())).value(), 40);
    EXPECT_EQ(m.topLine(), 40);
    m.executeCommand(kcPageDown);
    m.executeCommand(kcPageDown);
    EXPECT_EQ(m.store().recordOf(TTextOffset(m.caret())).value(), 100);
    m.executeCommand(kcPageUp, true);
    EXPECT_EQ(m.store().recordOf(TTextOffset(m.caret())).value(), 60);
    EXPECT_EQ(m.store().recordOf(TTextOffset(m.anchor())).value(), 100);
}

TEST(Command, WordMoves)
{
    TSyntaxMemo m;
    load(m, "foo.bar  don't-stop\r\n  next");
    std::vector<std::int64_t> after;
    for (int i = 0; i < 6; ++i) {
        m.executeCommand(kcWordAfter);
        after.push_back(m.caret());
    }
    EXPECT_EQ(after, (std::vector<std::int64_t>{3, 4, 9, 22, 26, 26}));
    std::vector<std::int64_t> before;
    for (int i = 0; i < 5; ++i) {
        m.executeCommand(kcWordBefore);
        before.push_back(m.caret());
    }
    EXPECT_EQ(before, (std::vector<std::int64_t>{22, 9, 4, 3, 0}));
}

TEST(Command, DeletingCharactersAndWords)
{
    TSyntaxMemo m;
    load(m, "ab\xE2\x82\xAC" "c");
    m.setSelStart(2);
    m.executeCommand(kcDeleteChar);
    EXPECT_EQ(storeText(m), "abc") << "a UTF-8 character goes as a whole";
    m.executeCommand(kcDeleteCharBefore);
    EXPECT_EQ(storeText(m), "ac");
    m.undo();
    EXPECT_EQ(storeText(m), "abc") << "each deletion is one undo step";
    m.undo();
    EXPECT_EQ(storeText(m), "ab\xE2\x82\xAC" "c");

    m.setSelStart(m.textLength());
    m.executeCommand(kcDeleteChar);
    EXPECT_EQ(m.textLength(), 6) << "nothing after the end";
    m.setSelStart(0);
    m.executeCommand(kcDeleteCharBefore);
    EXPECT_EQ(m.textLength(), 6) << "nothing before the start";

    load(m, "call foo(bar)  ");
    m.setSelStart(m.textLength());
    m.executeCommand(kcDeletePreviousWord);
    EXPECT_EQ(storeText(m), "call foo(bar");
    m.executeCommand(kcDeletePreviousWord);
    EXPECT_EQ(storeText(m), "call foo(");
    m.executeCommand(kcDeletePreviousWord);
    EXPECT_EQ(storeText(m), "call foo");
    m.undo();
    EXPECT_EQ(storeText(m), "call foo(");
    EXPECT_EQ(m.caret(), 9) << "undo restores the caret";
    m.setSelStart(0);
    m.executeCommand(kcDeletePreviousWord);
    EXPECT_EQ(storeText(m), "call foo(");

    m.setReadOnly(true);
    m.setSelStart(1);
    m.executeCommand(kcDeleteChar);
    m.executeCommand(kcDeleteCharBefore);
    m.executeCommand(kcDeleteLine);
    m.executeCommand(kcUndo);
    EXPECT_EQ(storeText(m), "call foo(");
}

// Deletions checked against a plain string, then undone back to the start.
TEST(Command, DeletionsAgreeWithAStringModel)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 20; ++round) {
        std::string model;
        for (int i = 0; i < 60; ++i)
            model += "ab c\r-x"[rng() % 7];
        TSyntaxMemo m;
        load(m, model);
        model = storeText(m);
        const std::string original = model;
        for (int step = 0; step < 30; ++step) {
            const std::int64_t at = static_cast<std::int64_t>(rng() % (model.size() + 1));
            m.setSelStart(at);
            const int op = static_cast<int>(rng() % 3);
            const auto p = static_cast<std::size_t>(at);
            if (op == 0) {
                m.executeCommand(kcDeleteChar);
                if (p < model.size())
                    model.erase(p, 1);
            } else if (op == 1) {
                m.executeCommand(kcDeleteCharBefore);
                if (p > 0)
                    model.erase(p - 1, 1);
            } else {
                m.executeCommand(kcDeleteLine);
                const std::size_t s = model.rfind('\r', p == 0 ? std::string::npos : p - 1);
                const std::size_t from = p == 0 || s == std::string::npos ? 0 : s + 1;
                const std::size_t e = model.find('\r', from);
                model.erase(from, e == std::string::npos ? std::string::npos : e + 1 - from);
            }
            ASSERT_EQ(storeText(m), model) << "round " << round << " step " << step << " op " << op;
            ASSERT_TRUE(storeConsistent(m));
        }
        while (m.canUndo())
            m.executeCommand(kcUndo);
        ASSERT_EQ(storeText(m), original);
    }
}

TEST(Command, BlockIndentIsOneUndoStepOfOneTransactionPerLine)
{
    TSyntaxMemo m;
    load(m, "a\r\n b\r\n\r\nc\r\nd");
    m.setIndentStep(3);
    m.setSelection(1, m.store().recordStart(TRecordIndex(4)).value()); // into line 1 .. the start of line 5
    m.executeCommand(kcIndentBlock);
    EXPECT_EQ(storeText(m), "   a\r    b\r   \r   c\rd") << "the line the selection ends at the start of is left alone";
    EXPECT_EQ(m.selStart(), 4);
    EXPECT_EQ(m.caret(), m.store().recordStart(TRecordIndex(4)).value());
    const auto depth = static_cast<std::int64_t>(m.undoStack().count());
    m.executeCommand(kcUndo);
    EXPECT_EQ(storeText(m), "a\r b\r\rc\rd");
    EXPECT_EQ(m.anchor(), 1);
    m.executeCommand(kcRedo);
    EXPECT_EQ(storeText(m), "   a\r    b\r   \r   c\rd");
    EXPECT_EQ(depth, 6 + 4 * 6) << "a group around four transactions";

    m.setSelStart(0);
    m.executeCommand(kcIndentBlock);
    EXPECT_EQ(storeText(m), "   a\r    b\r   \r   c\rd") << "nothing without a selection";
}

TEST(Command, BlockUnindentTakesAtMostTheStepOfBlanks)
{
    TSyntaxMemo m;
    load(m, "\t\t x\r\n  \xA0y\r\nz\r\n     w");
    m.setIndentStep(2);
    m.selectAll();
    std::vector<std::pair<std::int64_t, std::int64_t>> changes;
    m.onTextChange = [&](TSyntaxMemo&, std::int64_t s, std::int64_t e) { changes.emplace_back(s, e); };
    m.executeCommand(kcUnindentBlock);
    EXPECT_EQ(storeText(m), " x\r\xA0y\rz\r   w");
    EXPECT_EQ(changes.size(), 3u);
    EXPECT_EQ(m.selStart(), 0);
    EXPECT_EQ(m.caret() - m.anchor(), m.textLength());
    m.undo();
    EXPECT_EQ(storeText(m), "\t\t x\r  \xA0y\rz\r     w");
}

TEST(Command, DeleteLineAndInsertToggle)
{
    TSyntaxMemo m;
    load(m, "one\r\ntwo\r\nthree");
    m.setSelStart(5);
    m.executeCommand(kcDeleteLine);
    EXPECT_EQ(storeText(m), "one\rthree");
    m.setSelection(0, 2);
    m.executeCommand(kcDeleteLine);
    EXPECT_EQ(storeText(m), "one\rthree") << "not with a selection";
    m.setSelStart(6);
    m.executeCommand(kcDeleteLine);
    EXPECT_EQ(storeText(m), "one\r");
    EXPECT_TRUE(m.insertMode());
    m.executeCommand(kcToggleInsert);
    EXPECT_FALSE(m.insertMode());
    m.executeCommand(kcNone);
    m.executeCommand(99);
    EXPECT_EQ(storeText(m), "one\r");
}

TEST(Command, BookmarkCommandsUseTheCaret)
{
    TSyntaxMemo m;
    load(m, "alpha\r\nbeta\r\ngamma");
    m.setSelStart(9);
    m.executeCommand(kcSetBookmark0 + 4);
    EXPECT_EQ(m.bookmarkLine(4), 2);
    m.setSelStart(0);
    m.executeCommand(kcGotoBookmark0 + 4);
    EXPECT_EQ(m.caret(), 9);
    m.executeCommand(kcSetBookmark0 + 4);
    EXPECT_EQ(m.bookmarkLine(4), 0);
}

TEST(Command, ClipboardCommands)
{
    TSyntaxMemo m;
    load(m, "cut me");
    m.setSelection(0, 4);
    m.executeCommand(kcCut);
    EXPECT_EQ(storeText(m), "me");
    m.setSelStart(2);
    m.executeCommand(kcPaste);
    EXPECT_EQ(storeText(m), "mecut ");
    m.setSelection(0, 2);
    m.executeCommand(kcCopy);
    EXPECT_EQ(m.clipboard().text(), "me");
}

} // namespace
} // namespace tessaly::memo::test
