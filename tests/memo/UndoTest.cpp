#include "MemoTestUtil.h"

#include "memo/Stack.h"

#include <sstream>

namespace tessaly::memo::test {
namespace {

class CountingMessages : public TMemoMessages {
public:
    void beep() override { ++beeps; }
    int beeps = 0;
};

TEST(Undo, EachTypedCharacterIsOneStep)
{
    TSyntaxMemo m;
    typeText(m, "abc");
    m.undo();
    EXPECT_EQ(storeText(m), "ab");
    EXPECT_EQ(m.caret(), 2);
    m.undo();
    m.undo();
    EXPECT_EQ(storeText(m), "");
    EXPECT_FALSE(m.modified());
    m.redo();
    m.redo();
    EXPECT_EQ(storeText(m), "ab");
    m.typeChar('z');
    EXPECT_FALSE(m.canRedo()) << "a new action drops the redo history";
    EXPECT_EQ(storeText(m), "abz");
}

TEST(Undo, PasteOverTwoLinesIsRestoredAndReselected)
{
    TSyntaxMemo m;
    m.setSelText("one\r\ntwo\r\nthree");
    m.clearUndo();
    m.setSelection(0, 8);
    TMemoryClipboard clip;
    clip.setContents("PASTED", "", "");
    m.setClipboard(&clip);
    m.pasteFromClipboard();
    EXPECT_EQ(storeText(m), "PASTEDthree");
    m.undo();
    EXPECT_EQ(storeText(m), "one\rtwo\rthree");
    EXPECT_EQ(m.anchor(), 0);
    EXPECT_EQ(m.caret(), 8);
    EXPECT_FALSE(m.canUndo());
    m.redo();
    EXPECT_EQ(storeText(m), "PASTEDthree");
}

TEST(Undo, AGroupOfReplacementsIsUndoneAtOnce)
{
    TSyntaxMemo m;
    m.setSelText("a-b-c-d-e");
    m.clearUndo();
    m.openUndoGroup(ugReplaceAll);
    for (std::int64_t at : {1, 3, 5, 7}) {
        m.setSelection(at, at + 1, true);
        m.replaceSelection("+");
    }
    m.closeUndoGroup(ugReplaceAll);
    EXPECT_EQ(storeText(m), "a+b+c+d+e");
    m.undo();
    EXPECT_EQ(storeText(m), "a-b-c-d-e");
    EXPECT_FALSE(m.canUndo());
    m.redo();
    EXPECT_EQ(storeText(m), "a+b+c+d+e");
}

TEST(Undo, RecordedTransactionsReplayLikeBlockIndent)
{
    TSyntaxMemo m;
    m.setSelText("x\r\ny");
    m.clearUndo();
    // Indent both lines by two spaces, recorded line by line as one group.
    m.openUndoGroup(ugIndent);
    for (std::int64_t line : {0, 2}) {
        m.setSelection(line + (line ? 2 : 0), line + (line ? 2 : 0), true);
        m.replaceSelection("  ");
    }
    m.closeUndoGroup(ugIndent);
    EXPECT_EQ(storeText(m), "  x\r  y");
    m.undo();
    EXPECT_EQ(storeText(m), "x\ry");
    m.redo();
    EXPECT_EQ(storeText(m), "  x\r  y");
}

TEST(Undo, LoadingAndSavingClearTheHistory)
{
    TSyntaxMemo m;
    m.typeChar('a');
    std::ostringstream out;
    m.saveToStream(out);
    EXPECT_FALSE(m.canUndo());
    m.typeChar('b');
    std::istringstream in("new");
    m.loadFromStream(in);
    EXPECT_FALSE(m.canUndo());
    EXPECT_FALSE(m.canRedo());
}

TEST(Undo, ABrokenHistoryIsClearedWithABeep)
{
    TSyntaxMemo m;
    CountingMessages msgs;
    m.setMessages(&msgs);
    typeText(m, "ab");
    m.undoStack().push(TUndoItem::selection(0, 0)); // not a marker on top
    m.undo();
    EXPECT_EQ(msgs.beeps, 1);
    EXPECT_FALSE(m.canUndo());
    EXPECT_FALSE(m.canRedo());
    EXPECT_EQ(storeText(m), "ab") << "the text keeps what the replay had done";
}

TEST(Undo, TransactionProtocolErrors)
{
    TUndoStack s;
    s.beginTransaction(kTransText, "x", 0, 0, "");
    EXPECT_THROW(s.beginTransaction(kTransText, "y", 0, 0, ""), ESyntaxMemo);
    EXPECT_EQ(s.count(), 0u);
    s.beginTransaction(kTransText, "x", 0, 0, "");
    try {
        s.endTransaction(kTransStream, 0, 1);
        ADD_FAILURE();
    } catch (const ESyntaxMemo& e) {
        EXPECT_STREQ(e.what(), "Bad transaction log entry");
    }
    EXPECT_FALSE(s.transactionRunning());
}

TEST(Undo, StackCursorSizesAndTrimming)
{
    TStack s;
    EXPECT_THROW(s.stepBack(), ESyntaxMemo);
    EXPECT_THROW(s.stepForward(), ESyntaxMemo);
    EXPECT_THROW(s.pop(), ESyntaxMemo);
    s.push(TUndoItem::marker(1, 0));
    s.push(TUndoItem::textItem(TUndoItem::kText, std::make_unique<std::string>("abcd")));
    EXPECT_EQ(s.totalSize(), 16 + 16 + 16 + 16 + 4);
    EXPECT_EQ(s.positionCount(), 2);
    s.stepBack();
    s.stepBack();
    EXPECT_EQ(s.positionCount(), 0);
    EXPECT_THROW(s.stepBack(), ESyntaxMemo);
    s.push(TUndoItem::marker(2, 0)); // drops everything above the cursor
    EXPECT_EQ(s.count(), 1u);
    EXPECT_EQ(s.totalSize(), 32);

    // A size limit removes whole records from the bottom.
    TSyntaxMemo m;
    CountingMessages msgs;
    m.setMessages(&msgs);
    m.undoStack().setSizeLimit(400);
    typeText(m, "abcdefgh");
    EXPECT_LT(m.undoStack().count(), 8u * 12u);
    EXPECT_EQ(m.undoStack().item(0).kind, TUndoItem::kMarker);
    while (m.canUndo())
        m.undo();
    EXPECT_EQ(msgs.beeps, 0) << "what is left after trimming replays cleanly";
    EXPECT_EQ(std::string("abcdefgh").rfind(storeText(m), 0), 0u);
    EXPECT_LT(storeText(m).size(), 8u);
}

} // namespace
} // namespace tessaly::memo::test
