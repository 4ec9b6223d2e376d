// Display columns: tabs to their stop, wide characters (CJK, most emoji) two
// columns, combining marks and variation selectors none; the caret column,
// the column under a point and the widest line agree with that.
#include "MemoTestUtil.h"

#include "memo/CharWidth.h"
#include "memo/KeyCommands.h"

#include <random>

namespace tessaly::memo::test {
namespace {

using Opt = TSyntaxMemoOption;

// "日" U+65E5, "本" U+672C: wide. U+0301 combining acute, U+FE0F variation
// selector, U+1F600 an emoji, U+00E9 a narrow accented letter.
const std::string kSun = "\xE6\x97\xA5";
const std::string kBook = "\xE6\x9C\xAC";
const std::string kAcute = "\xCC\x81";
const std::string kVs16 = "\xEF\xB8\x8F";
const std::string kGrin = "\xF0\x9F\x98\x80";
const std::string kEAcute = "\xC3\xA9";

TEST(DisplayColumns, CellsOfCharacters)
{
    EXPECT_EQ(codePointCells(U'a'), 1);
    EXPECT_EQ(codePointCells(U'\u00E9'), 1);
    EXPECT_EQ(codePointCells(U'\u65E5'), 2);
    EXPECT_EQ(codePointCells(U'\uAC00'), 2) << "Hangul syllable";
    EXPECT_EQ(codePointCells(U'\u3042'), 2) << "hiragana";
    EXPECT_EQ(codePointCells(U'\uFF21'), 2) << "full-width A";
    EXPECT_EQ(codePointCells(U'\uFF61'), 1) << "half-width katakana stop";
    EXPECT_EQ(codePointCells(U'\U0001F600'), 2);
    EXPECT_EQ(codePointCells(U'\U00020000'), 2) << "CJK extension B";
    EXPECT_EQ(codePointCells(U'\u0301'), 0);
    EXPECT_EQ(codePointCells(U'\uFE0F'), 0);
    EXPECT_EQ(codePointCells(U'\u200D'), 0) << "zero-width joiner";
    EXPECT_EQ(codePointCells(U'\u2764'), 1) << "a narrow symbol";
    // A byte that is no valid UTF-8 character is one cell.
    EXPECT_EQ(cellsAt("\xE6\x97", 0), 1);
}

TEST(DisplayColumns, CaretColumnCountsCells)
{
    TSyntaxMemo m;
    const std::string line = "a" + kSun + "b" + "e" + kAcute + "x" + kGrin + kVs16 + "y" + kEAcute + "z";
    m.lines().setText(line);
    // (byte offset, expected 1-based caret column)
    const std::pair<std::int64_t, int> expected[] = {
        {0, 1}, {1, 2}, {4, 4}, {5, 5}, {6, 6}, {8, 6}, {9, 7}, {13, 9}, {16, 9}, {17, 10}, {19, 11}, {20, 12},
    };
    for (const auto& [offset, column] : expected) {
        m.setSelection(offset, offset);
        EXPECT_EQ(m.getCaretPos().columnNumber(), column) << "offset " << offset;
        EXPECT_EQ(m.displayColumn(TRecordIndex(0), static_cast<int>(offset)), column - 1) << "offset " << offset;
    }
}

TEST(DisplayColumns, ColumnUnderADisplayColumn)
{
    TSyntaxMemo m;
    m.lines().setText(kSun + kBook + "e" + kAcute + "x");
    // Both cells of a wide character lead to its start; a combining mark
    // belongs to the character before it.
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 0), 0);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 1), 0);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 2), 3);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 3), 3);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 4), 6);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 5), 9);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 6), 10);
    EXPECT_EQ(m.columnAtDisplay(TRecordIndex(0), 99), 10);
}

TEST(DisplayColumns, VerticalMovesKeepTheDisplayColumn)
{
    TSyntaxMemo m;
    m.lines().setText("abcdef\r\n" + kSun + kBook + "xy");
    m.setSelection(4, 4); // before "e", column 5
    m.executeCommand(kcLineDown);
    // Column 5 on the second line is after both wide characters.
    EXPECT_EQ(m.caret(), 7 + 6);
    EXPECT_EQ(m.getCaretPos().columnNumber(), 5);
}

TEST(DisplayColumns, WordWrapMeasuresCells)
{
    TSyntaxMemo m;
    m.setOptions({Opt::smoWordWrap});
    m.setWrapAtColumn(4);
    m.lines().setText(kSun + kBook + kSun + "ab");
    // Two wide characters fill four columns.
    ASSERT_GE(m.store().recordCount().value(), 2);
    EXPECT_EQ(std::string(m.store().recordText(TRecordIndex(0))), kSun + kBook);
}

TEST(DisplayColumns, WidestLineInColumns)
{
    TSyntaxMemo m;
    m.setTabDefault(4);
    m.lines().setText("abcdefg\r\n\t\tx\r\n" + kSun + kBook + kSun + kBook + kSun);
    // The tabbed line is 9 columns from 3 bytes; the wide one 10 from 15.
    EXPECT_EQ(m.widestLineColumns(), 10);
    m.lines().setText("abcdefg\r\n\t\t\tx\r\n" + kSun);
    EXPECT_EQ(m.widestLineColumns(), 13);
    m.lines().setText("");
    EXPECT_EQ(m.widestLineColumns(), 0);
}

// Only lines that could be wider than the widest so far are measured; that
// shortcut gives the same answer as measuring every line.
TEST(DisplayColumns, WidestLineMatchesMeasuringEveryLine)
{
    const std::string pieces[] = {"a", "\t", kSun, kAcute, kGrin, kEAcute, " ", "\xFF"};
    std::mt19937 rng(15);
    for (int round = 0; round < 200; ++round) {
        TSyntaxMemo m;
        m.setTabDefault(1 + static_cast<int>(rng() % 8));
        if (round % 3 == 0)
            m.setTabColumns("3 10 11");
        std::string text;
        const int lines = 1 + static_cast<int>(rng() % 12);
        for (int l = 0; l < lines; ++l) {
            if (l > 0)
                text += "\r\n";
            const int n = static_cast<int>(rng() % 20);
            for (int k = 0; k < n; ++k)
                text += pieces[rng() % std::size(pieces)];
        }
        m.lines().setText(text);
        int widest = 0;
        for (std::int64_t r = 0; r < m.store().recordCount().value(); ++r) {
            std::string_view t = m.store().recordText(TRecordIndex(r));
            if (!t.empty() && t.back() == '\r')
                t.remove_suffix(1);
            widest = std::max(widest, m.displayColumn(TRecordIndex(r), static_cast<int>(t.size())));
        }
        ASSERT_EQ(m.widestLineColumns(), widest) << "round " << round;
    }
}

} // namespace
} // namespace tessaly::memo::test
