#include "InsertTestUtil.h"

#include "insert/Insertion.h"

#include <gtest/gtest.h>

namespace tessaly::insert {
namespace {

using test::prepare;
using test::storeText;

struct Case {
    std::string text;
    std::int64_t anchor;
    std::int64_t caret;
};

// The plain-string model of both primitives: the selection [lo, hi) gives way
// to the written text and the caret lands just after it.
std::string modelWrite(const Case& c, const std::string& written)
{
    const auto lo = static_cast<std::size_t>(std::min(c.anchor, c.caret));
    const auto hi = static_cast<std::size_t>(std::max(c.anchor, c.caret));
    return c.text.substr(0, lo) + written + c.text.substr(hi);
}

const std::vector<Case> kCases = {
    {"", 0, 0},                // empty document
    {"hello world", 6, 6},     // caret inside a line, nothing selected
    {"hello world", 6, 11},    // selection to the end
    {"hello world", 11, 6},    // the same selection made backwards
    {"one\rtwo\rthree", 2, 9}, // a selection across lines
    {"abc", 0, 3},             // everything selected
};

TEST(Insertion, InsertReplacesTheSelectionAndLeavesTheCaretAfterTheText)
{
    for (const Case& c : kCases) {
        memo::TSyntaxMemo m;
        prepare(m, c.text, c.anchor, c.caret);
        insertText(&m, "<P>\rx");
        const std::string expected = modelWrite(c, "<P>\rx");
        EXPECT_EQ(storeText(m), expected) << c.text;
        EXPECT_EQ(m.selLength(), 0);
        EXPECT_EQ(m.caret(), std::min(c.anchor, c.caret) + 5);
        m.undo();
        EXPECT_EQ(storeText(m), c.text) << "one Undo restores " << c.text;
        EXPECT_FALSE(m.canUndo());
    }
}

TEST(Insertion, WrapPutsTheSelectionBetweenItsParts)
{
    for (const Case& c : kCases) {
        memo::TSyntaxMemo m;
        prepare(m, c.text, c.anchor, c.caret);
        const auto lo = static_cast<std::size_t>(std::min(c.anchor, c.caret));
        const auto hi = static_cast<std::size_t>(std::max(c.anchor, c.caret));
        const std::string selected = c.text.substr(lo, hi - lo);
        wrapText(&m, "<B>", "</B>");
        const std::string written = "<B>" + selected + "</B>";
        EXPECT_EQ(storeText(m), modelWrite(c, written)) << c.text;
        EXPECT_EQ(m.selLength(), 0);
        EXPECT_EQ(m.caret(), static_cast<std::int64_t>(lo + written.size()));
        m.undo();
        EXPECT_EQ(storeText(m), c.text);
        EXPECT_EQ(std::min(m.anchor(), m.caret()), static_cast<std::int64_t>(lo));
        EXPECT_EQ(std::max(m.anchor(), m.caret()), static_cast<std::int64_t>(hi)) << "Undo gives the selection back";
        EXPECT_FALSE(m.canUndo());
    }
}

TEST(Insertion, PiecesLandInARowAndUndoAsOneStep)
{
    memo::TSyntaxMemo m;
    prepare(m, "ab", 1, 1);
    insertPieces(&m, {"<SELECT>\r", "<OPTION>x\r", "</SELECT>\r"});
    EXPECT_EQ(storeText(m), "a<SELECT>\r<OPTION>x\r</SELECT>\rb");
    EXPECT_EQ(m.caret(), 1 + 9 + 10 + 10);
    m.undo();
    EXPECT_EQ(storeText(m), "ab");
    EXPECT_FALSE(m.canUndo());
    m.redo();
    EXPECT_EQ(storeText(m), "a<SELECT>\r<OPTION>x\r</SELECT>\rb");
}

TEST(Insertion, SuccessiveCommandsAreSeparateUndoSteps)
{
    memo::TSyntaxMemo m;
    insertText(&m, "<P>");
    wrapText(&m, "<I>", "</I>");
    EXPECT_EQ(storeText(m), "<P><I></I>");
    m.undo();
    EXPECT_EQ(storeText(m), "<P>");
    m.undo();
    EXPECT_EQ(storeText(m), "");
}

TEST(Insertion, NoEditorOrAReadOnlyEditorIsLeftAlone)
{
    insertText(nullptr, "x");
    wrapText(nullptr, "a", "b");
    insertPieces(nullptr, {"x"});
    memo::TSyntaxMemo m;
    prepare(m, "abc", 0, 3);
    m.setReadOnly(true);
    insertText(&m, "x");
    wrapText(&m, "<", ">");
    insertPieces(&m, {"x", "y"});
    EXPECT_EQ(storeText(m), "abc");
    EXPECT_FALSE(m.canUndo());
}

TEST(Insertion, ASelectionWithLineBreaksIsWrappedWithSingleCarriageReturns)
{
    memo::TSyntaxMemo m;
    prepare(m, "a\rb", 0, 3);
    wrapText(&m, "<CENTER>", "</CENTER>");
    EXPECT_EQ(storeText(m), "<CENTER>a\rb</CENTER>");
    EXPECT_EQ(m.text(), "<CENTER>a\r\nb</CENTER>");
}

} // namespace
} // namespace tessaly::insert
