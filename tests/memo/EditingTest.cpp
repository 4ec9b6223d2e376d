#include "MemoTestUtil.h"

#include <sstream>

namespace tessaly::memo::test {
namespace {

void load(TSyntaxMemo& m, const std::string& bytes)
{
    std::istringstream in(bytes);
    m.loadFromStream(in);
}

TEST(Editing, LoadingMixedLineBreaksAndSavingForUnix)
{
    TSyntaxMemo m;
    load(m, std::string("a\nb\r\nc\rd"));
    EXPECT_EQ(records(m), (std::vector<std::string>{"a\r", "b\r", "c\r", "d"}));
    EXPECT_EQ(m.textLength(), 7);
    EXPECT_EQ(m.lines().count(), 4);
    EXPECT_EQ(m.getTextLen(), 10);
    m.setSaveFormat(TSaveFormat::sfUNIX);
    std::ostringstream out;
    m.saveToStream(out);
    EXPECT_EQ(out.str(), "a\nb\nc\nd");
    m.setSaveFormat(TSaveFormat::sfTEXT);
    std::ostringstream crlf;
    m.saveToStream(crlf);
    EXPECT_EQ(crlf.str(), "a\r\nb\r\nc\r\nd");
}

TEST(Editing, ControlCharactersBecomeDotsButTabsStay)
{
    TSyntaxMemo m;
    load(m, std::string("x\x07y\tz\x00w", 7));
    EXPECT_EQ(storeText(m), "x.y\tz.w");
    EXPECT_TRUE(m.store().meta(TRecordIndex(0)).flags & kRecHasTab);
}

TEST(Editing, SelectionLengthCountsLineBreaksTwice)
{
    TSyntaxMemo m;
    m.setSelText("ab\r\ncd");
    m.setSelection(1, 4); // b, CR, c
    EXPECT_EQ(m.selLength(), 4);
    EXPECT_EQ(m.selText(), "b\r\nc");
    const std::int64_t n = m.selLength();
    m.setSelLength(n);
    EXPECT_EQ(m.caret() - m.anchor(), 4);
    EXPECT_EQ(m.selText(), "b\r\ncd");

    char buf[3];
    EXPECT_EQ(m.getSelTextBuf(buf, 3), 3);
    EXPECT_EQ(std::string(buf, 3), "b\r\n");
    EXPECT_EQ(m.selText(), "b\r\ncd") << "the selection is restored";
}

TEST(Editing, SelectionFromRightToLeftKeepsAnchorAndCaret)
{
    TSyntaxMemo m;
    m.setSelText("hello");
    m.setSelection(4, 1);
    EXPECT_EQ(m.anchor(), 4);
    EXPECT_EQ(m.caret(), 1);
    EXPECT_EQ(m.selStart(), 1);
    EXPECT_EQ(m.selText(), "ell");
    m.setSelection(-7, 99);
    EXPECT_EQ(m.anchor(), 0);
    EXPECT_EQ(m.caret(), 5);
}

TEST(Editing, LinesOfEmptyAndNonEmptyDocuments)
{
    TSyntaxMemo m;
    EXPECT_EQ(m.lines().count(), 0);
    m.lines().insert(0, "x");
    EXPECT_EQ(m.lines().count(), 1);
    EXPECT_EQ(storeText(m), "x");

    TSyntaxMemo n;
    n.setSelText("abc");
    n.lines().insert(n.lines().count(), "x");
    EXPECT_EQ(n.lines().count(), 2);
    EXPECT_EQ(n.lines().strings(0), "abc");
    EXPECT_EQ(n.lines().strings(1), "x");

    n.lines().insert(0, "top");
    EXPECT_EQ(n.lines().text(), "top\r\nabc\r\nx");
    n.lines().setStrings(1, "middle");
    EXPECT_EQ(n.lines().text(), "top\r\nmiddle\r\nx");
    n.lines().remove(0);
    EXPECT_EQ(n.lines().text(), "middle\r\nx");
    n.lines().insert(-1, "ignored");
    n.lines().insert(9, "ignored");
    EXPECT_EQ(n.lines().text(), "middle\r\nx");

    n.lines().addStrings({"p", "q"});
    EXPECT_EQ(n.lines().text(), "p\r\nq\r\n");
    EXPECT_FALSE(n.modified());
    n.lines().setText("one\ntwo");
    EXPECT_EQ(n.lines().text(), "one\r\ntwo");
}

TEST(Editing, DeletingEverythingEmptiesTheStore)
{
    TSyntaxMemo m;
    m.setSelText("abc\r\ndef");
    std::vector<std::pair<std::int64_t, std::int64_t>> calls;
    m.onTextChange = [&](TSyntaxMemo&, std::int64_t s, std::int64_t e) { calls.emplace_back(s, e); };
    m.selectAll();
    m.clearSelection();
    EXPECT_EQ(m.textLength(), 0);
    EXPECT_EQ(m.caret(), 0);
    EXPECT_EQ(m.store().recordCount().value(), 1);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), std::make_pair(std::int64_t{0}, std::int64_t{0}));
    EXPECT_TRUE(storeConsistent(m));
}

TEST(Editing, TextChangeReportsInsertionsAndRemovals)
{
    TSyntaxMemo m;
    m.setSelText("hello world");
    std::vector<std::pair<std::int64_t, std::int64_t>> calls;
    m.onTextChange = [&](TSyntaxMemo&, std::int64_t s, std::int64_t e) { calls.emplace_back(s, e); };
    m.setSelection(5, 11);
    m.setSelText("!");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(std::int64_t{5}, std::int64_t{-6}));
    EXPECT_EQ(calls[1], std::make_pair(std::int64_t{5}, std::int64_t{1}));
}

TEST(Editing, LongLinesAreCutIntoContinuationRecords)
{
    TSyntaxMemo m;
    m.setSelText(std::string(5000, 'q'));
    const auto recs = records(m);
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[0].size(), 2047u);
    EXPECT_EQ(recs[1].size(), 2047u);
    EXPECT_EQ(recs[2].size(), 906u);
    EXPECT_EQ(m.store().meta(TRecordIndex(0)).bookmarks & kContinuationBit, 0);
    EXPECT_NE(m.store().meta(TRecordIndex(1)).bookmarks & kContinuationBit, 0);
    EXPECT_NE(m.store().meta(TRecordIndex(2)).bookmarks & kContinuationBit, 0);
    EXPECT_EQ(m.lines().count(), 3) << "line numbers count records";

    // Typing into a full record re-cuts it instead of growing it.
    m.setSelStart(10);
    m.typeChar('z');
    EXPECT_TRUE(storeConsistent(m));
    EXPECT_EQ(m.store().recordText(TRecordIndex(0)).size(), 2047u);
}

TEST(Editing, ModifiedFollowsTheUndoHistory)
{
    TSyntaxMemo m;
    m.setModified(true);
    EXPECT_FALSE(m.modified());
    m.typeChar('a');
    EXPECT_TRUE(m.modified());
    m.undo();
    EXPECT_FALSE(m.modified());
    m.typeChar('b');
    m.setModified(false);
    EXPECT_FALSE(m.modified());
    EXPECT_FALSE(m.canUndo());
}

TEST(Editing, NotificationsWaitForRedraw)
{
    TSyntaxMemo m;
    int changes = 0;
    m.onChange = [&](TSyntaxMemo&) { ++changes; };
    m.setSelText("abc");
    EXPECT_EQ(changes, 1);
    m.setSelStart(1);
    EXPECT_EQ(changes, 2) << "a caret move alone notifies";
    m.lines().beginUpdate();
    m.setSelText("x");
    m.setSelStart(0);
    EXPECT_EQ(changes, 2);
    m.lines().endUpdate();
    EXPECT_EQ(changes, 3);
}

TEST(Editing, CaretPositionExpandsTabs)
{
    TSyntaxMemo m;
    m.setSelText("ab\r\n\tx");
    EXPECT_EQ(m.getCaretPos().line.value(), 2);
    EXPECT_EQ(m.getCaretPos().columnNumber(), 10);
    m.setTabColumns("5");
    EXPECT_EQ(m.getCaretPos().columnNumber(), 6);
}

TEST(Editing, MarksAndLineColours)
{
    TSyntaxMemo m;
    m.setSelText("a\r\nb");
    const TLineNumber one(1), two(2);
    m.setMark(3, two);
    EXPECT_TRUE(m.hasMark(3, two));
    EXPECT_FALSE(m.hasMark(3, one));
    EXPECT_FALSE(m.hasMark(0, two));
    m.setMark(0, two);
    m.setMark(17, two);
    m.clearMark(3, two);
    EXPECT_FALSE(m.hasMark(3, two));
    const TColor silver = TColor::fromRgb(0xC0, 0xC0, 0xC0);
    const TColor black;
    m.setLineBackColor(one, silver);
    m.setLineTextColor(one, black);
    EXPECT_EQ(m.store().colours(TRecordIndex(0)).back, silver);
    EXPECT_EQ(m.store().colours(TRecordIndex(0)).text, black) << "black is a colour, not none";
    m.setLineBackColor(one, std::nullopt);
    EXPECT_EQ(m.store().colours(TRecordIndex(0)), (TLineColours{std::nullopt, black}));
    m.setLineBackColor(TLineNumber(99), silver); // beyond the text: nothing
    m.setLineBackColor(TLineNumber(0), silver);
}

TEST(Editing, TabStopsParseAndReportErrors)
{
    TSyntaxMemo m;
    m.setTabColumns("5;9");
    EXPECT_EQ(m.tabColumns(), "5 9");
    auto fails = [&](const char* text, const char* message) {
        try {
            m.setTabColumns(text);
            ADD_FAILURE() << text << " was accepted";
        } catch (const ESyntaxMemo& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_EQ(m.tabColumns(), "5 9") << "the previous stops stay";
    };
    fails("9 5", "Tab columns must be in order and unique");
    fails("5 5", "Tab columns must be in order and unique");
    fails("1", "Tab column must be > 1");
    fails("5 x", "Tab stop column value expected");
    fails("5x", "Tab stop column value expected");
    std::string many;
    for (int i = 2; i <= 34; ++i)
        many += std::to_string(i) + " ";
    fails(many.c_str(), "Too many tab stops - maximum of 32");
    try {
        m.setTabDefault(0);
        ADD_FAILURE();
    } catch (const ESyntaxMemo& e) {
        EXPECT_STREQ(e.what(), "=Illegal default tab stop value, must be > 0");
    }
    m.setTabDefault(4);
    EXPECT_EQ(m.tabStops().nextStop(4), 8);
    EXPECT_EQ(m.tabStops().nextStop(9), 12);
    EXPECT_EQ(m.tabStops().nextStop(0), 4);
}

TEST(Editing, PropertiesAndOptionMask)
{
    TSyntaxMemo m;
    EXPECT_FALSE(m.readOnly());
    EXPECT_TRUE(m.wantTab());
    EXPECT_TRUE(m.wantReturns());
    EXPECT_TRUE(m.hideSelection());
    EXPECT_EQ(m.version(), "2.00.02");
    EXPECT_TRUE(m.clipCopyFormats().smTEXT && m.clipCopyFormats().smRTF);
    EXPECT_EQ(m.saveFormat(), TSaveFormat::sfTEXT);

    m.setIndentStep(5);
    m.setIndentStep(0);
    m.setIndentStep(20);
    EXPECT_EQ(m.indentStep(), 5);

    const TSyntaxMemoOptions o{TSyntaxMemoOption::smoSyntaxHighlight, TSyntaxMemoOption::smoOLEDragSource};
    EXPECT_EQ(o.toSettingsMask(), (1u << 4) | (1u << 25));
    EXPECT_EQ(TSyntaxMemoOptions::fromSettingsMask(o.toSettingsMask()), o);
    EXPECT_EQ(TSyntaxMemoOptions::fromSettingsMask(0xF), TSyntaxMemoOptions{});
}

TEST(Editing, ReadOnlyStopsKeyboardAndClipboardButNotSelText)
{
    TSyntaxMemo m;
    m.setSelText("abc");
    m.setReadOnly(true);
    m.typeChar('x');
    m.selectAll();
    m.cutToClipboard();
    m.pasteFromClipboard();
    EXPECT_EQ(storeText(m), "abc");
    m.setSelText("z");
    EXPECT_EQ(storeText(m), "z");
}

} // namespace
} // namespace tessaly::memo::test
