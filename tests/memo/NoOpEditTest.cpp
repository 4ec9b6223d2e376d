// Edits that change nothing record nothing: no undo step, no "modified",
// no change event, and the redo history stays as it was.
#include "MemoTestUtil.h"

#include "memo/KeyCommands.h"

#include <functional>

namespace tessaly::memo::test {
namespace {

struct NoOpCase {
    const char* name;
    std::int64_t anchor, caret;
    std::function<void(TSyntaxMemo&)> edit;
};

const std::string kText = "abc\rdef";

std::vector<NoOpCase> noOpCases()
{
    return {
        {"DeleteAtTheEnd", 7, 7, [](TSyntaxMemo& m) { m.executeCommand(kcDeleteChar); }},
        {"BackspaceAtTheStart", 0, 0, [](TSyntaxMemo& m) { m.executeCommand(kcDeleteCharBefore); }},
        {"UnindentWithoutLeadingBlanks", 0, 7, [](TSyntaxMemo& m) { m.executeCommand(kcUnindentBlock); }},
        {"CutWithoutSelection", 2, 2, [](TSyntaxMemo& m) { m.cutToClipboard(); }},
        {"EmptySelTextWithoutSelection", 5, 5, [](TSyntaxMemo& m) { m.setSelText(""); }},
    };
}

TEST(NoOpEdits, RecordNothingAndRaiseNoChange)
{
    for (const NoOpCase& c : noOpCases()) {
        SCOPED_TRACE(c.name);
        TSyntaxMemo m;
        m.lines().setText("abc\r\ndef");
        m.setModified(false);
        m.clipboard().setContents("kept", "", "");
        m.setSelection(c.anchor, c.caret);
        int changes = 0;
        m.onChange = [&](TSyntaxMemo&) { ++changes; };
        c.edit(m);
        EXPECT_EQ(storeText(m), kText);
        EXPECT_FALSE(m.modified());
        EXPECT_FALSE(m.canUndo());
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(m.clipboard().text(), "kept");
        EXPECT_EQ(m.selStart(), std::min(c.anchor, c.caret));
    }
}

// A no-op between an undo and its redo leaves the redo at hand.
TEST(NoOpEdits, KeepTheRedoHistory)
{
    for (const NoOpCase& c : noOpCases()) {
        SCOPED_TRACE(c.name);
        TSyntaxMemo m;
        m.lines().setText("abc\r\ndef");
        m.setModified(false);
        m.setSelection(0, 0);
        m.setSelText("g");
        m.undo();
        ASSERT_EQ(storeText(m), kText);
        ASSERT_TRUE(m.canRedo());
        m.setSelection(c.anchor, c.caret);
        c.edit(m);
        EXPECT_EQ(storeText(m), kText);
        EXPECT_TRUE(m.canRedo());
        m.redo();
        EXPECT_EQ(storeText(m), "g" + kText);
        m.undo();
        EXPECT_EQ(storeText(m), kText);
        EXPECT_FALSE(m.canUndo());
    }
}

// The same commands with something to do still are one step each.
TEST(NoOpEdits, RealEditsStillCount)
{
    TSyntaxMemo m;
    m.lines().setText(" abc\r\ndef");
    m.setModified(false);
    int changes = 0;
    m.onChange = [&](TSyntaxMemo&) { ++changes; };
    m.setSelection(0, 8);
    changes = 0;
    m.executeCommand(kcUnindentBlock);
    EXPECT_EQ(storeText(m), "abc\rdef");
    EXPECT_TRUE(m.modified());
    EXPECT_GT(changes, 0);
    m.undo();
    EXPECT_EQ(storeText(m), " abc\rdef");
    EXPECT_FALSE(m.canUndo());
    m.setSelection(8, 8);
    m.executeCommand(kcDeleteCharBefore);
    EXPECT_EQ(storeText(m), " abc\rde");
    m.undo();
    EXPECT_FALSE(m.modified());
}

} // namespace
} // namespace tessaly::memo::test
