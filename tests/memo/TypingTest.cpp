#include "MemoTestUtil.h"

namespace tessaly::memo::test {
namespace {

using O = TSyntaxMemoOption;

TEST(Typing, AutoIndentCopiesTheIndentOfTheLine)
{
    TSyntaxMemo m;
    m.setOptions({O::smoAutoIndent});
    typeText(m, "    x\r");
    EXPECT_EQ(storeText(m), "    x\r    ");

    TSyntaxMemo t;
    t.setOptions({O::smoAutoIndent, O::smoUseTAB, O::smoSmartFill});
    t.setTabDefault(4);
    t.setSelText("    x");
    t.typeChar('\r');
    EXPECT_EQ(storeText(t), "    x\r\t");
}

TEST(Typing, EnterOnAnEmptyLineTakesTheIndentOfTheNearestLineAbove)
{
    TSyntaxMemo m;
    m.setOptions({O::smoAutoIndent});
    m.setSelText("  if\r\n   \r\n");
    m.typeChar('\r');
    EXPECT_EQ(storeText(m), "  if\r   \r\r  ");
}

TEST(Typing, EnterAtColumnZeroOfTextDoesNotIndent)
{
    TSyntaxMemo m;
    m.setOptions({O::smoAutoIndent});
    m.setSelText("abc");
    m.setSelStart(1);
    m.typeChar('\r');
    EXPECT_EQ(storeText(m), "a\rbc");
}

TEST(Typing, AutoIndentIsOneUndoStepWithTheEnter)
{
    TSyntaxMemo m;
    m.setOptions({O::smoAutoIndent});
    m.setSelText("  x");
    m.clearUndo();
    m.typeChar('\r');
    EXPECT_EQ(storeText(m), "  x\r  ");
    m.undo();
    EXPECT_EQ(storeText(m), "  x");
    EXPECT_FALSE(m.canUndo());
}

TEST(Typing, SmartTabLinesUpUnderTheLineAbove)
{
    TSyntaxMemo m;
    m.setOptions({O::smoTabToColumn});
    m.setTabDefault(4);
    m.setSelText("if (a)\r\n");
    m.typeChar('\t');
    EXPECT_EQ(storeText(m), "if (a)\r   ");
    EXPECT_EQ(m.getCaretPos().columnNumber(), 4);
    m.typeChar('\t');
    EXPECT_EQ(storeText(m), "if (a)\r      ") << "past the end of the line above: its last column";
    m.typeChar('\t');
    EXPECT_EQ(storeText(m), "if (a)\r        ") << "beyond the line above: the next tab stop";
}

TEST(Typing, TabTypesATabCharacterWithUseTab)
{
    TSyntaxMemo m;
    m.setOptions({O::smoUseTAB});
    m.typeChar('\t');
    EXPECT_EQ(storeText(m), "\t");
    TSyntaxMemo s;
    s.typeChar('\t');
    EXPECT_EQ(storeText(s), "        ") << "without UseTAB the caret moves to the next stop";
}

TEST(Typing, OverwriteReplacesTheCharacterButNotTheLineBreak)
{
    TSyntaxMemo m;
    m.setSelText("ab\r\ncd");
    m.setSelStart(1);
    m.setInsertMode(false);
    typeText(m, "xyz");
    EXPECT_EQ(storeText(m), "axyz\rcd");
    m.undo();
    EXPECT_EQ(storeText(m), "axy\rcd");
}

TEST(Typing, ReturnsAndControlCharacters)
{
    TSyntaxMemo m;
    m.typeChar('\x01');
    m.typeChar(127);
    m.typeChar('\n');
    EXPECT_EQ(storeText(m), "") << "LF is typed only when WantReturns is off";
    m.typeChar(0xE9);
    m.typeChar('\r');
    EXPECT_EQ(storeText(m), "\xE9\r");
    m.setWantReturns(false);
    m.typeChar('\r');
    m.typeChar('\n');
    EXPECT_EQ(storeText(m), "\xE9\r\r");
}

TEST(Typing, WordSelectionWithDefaultAndCustomClasses)
{
    TSyntaxMemo m;
    m.setSelText("say  don't-stop now _x1! ");
    EXPECT_TRUE(m.selectWordAt(7));
    EXPECT_EQ(m.selText(), "don't-stop");
    EXPECT_TRUE(m.selectWordAt(21));
    EXPECT_EQ(m.selText(), "_x1");
    EXPECT_TRUE(m.selectWordAt(3)) << "touching a word at its end";
    EXPECT_EQ(m.selText(), "say");
    EXPECT_TRUE(m.selectWordAt(4)) << "between words: the next word to the right";
    EXPECT_EQ(m.selText(), "don't-stop");
    EXPECT_FALSE(m.selectWordAt(25));

    m.fn_CharIsInWord = [](unsigned char c) { return c != ' '; };
    m.fn_CharStartsWord = [](unsigned char c) { return c != ' '; };
    EXPECT_TRUE(m.selectWordAt(20));
    EXPECT_EQ(m.selText(), "_x1!");
}

} // namespace
} // namespace tessaly::memo::test
