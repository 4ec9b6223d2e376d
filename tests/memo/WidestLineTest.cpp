// The widest record's width kept across edits, against a full measure of
// every record after each edit.
#include "MemoTestUtil.h"

#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

int measuredWidest(const TSyntaxMemo& m)
{
    int best = 0;
    for (TRecordIndex r(0); r < m.store().recordCount(); ++r) {
        std::string_view t = m.store().recordText(r);
        if (!t.empty() && t.back() == '\r')
            t.remove_suffix(1);
        best = std::max(best, m.displayColumn(r, static_cast<int>(t.size())));
    }
    return best;
}

std::string randomPiece(std::mt19937& rng)
{
    static const char* parts[] = {"x", "\t", "\r\n", "abcdefghij", "\xC3\xA9", "\xE4\xB8\xAD", "  ", "\t\tz"};
    std::string s;
    const int n = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < n; ++i)
        s += parts[rng() % std::size(parts)];
    if (rng() % 10 == 0)
        s += std::string(40 + rng() % 200, 'w');
    return s;
}

void load(TSyntaxMemo& m, std::mt19937& rng, int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += std::string(rng() % 60, 'a') + (i % 7 == 0 ? "\tb" : "") + "\r\n";
    std::istringstream in(text);
    m.loadFromStream(in);
}

// One random edit: typing, pasting, deleting a stretch or replacing one;
// narrows is set when it may have narrowed a line (text narrows or a line
// broken).
void edit(TSyntaxMemo& m, std::mt19937& rng, bool& narrows)
{
    const auto length = static_cast<std::uint64_t>(m.textLength());
    const std::int64_t a = static_cast<std::int64_t>(rng() % (length + 1));
    switch (rng() % 4) {
    case 0:
        m.setSelStart(a);
        typeText(m, "q\t");
        break;
    case 1: {
        const std::string piece = randomPiece(rng);
        m.setSelStart(a);
        m.setSelText(piece);
        narrows = narrows || piece.find('\r') != std::string::npos;
        break;
    }
    default: {
        const std::int64_t b = std::min<std::int64_t>(m.textLength(), a + static_cast<std::int64_t>(rng() % 300));
        const std::string piece = rng() % 2 ? randomPiece(rng) : std::string();
        m.setSelection(a, b);
        m.setSelText(piece);
        narrows = narrows || b > a || piece.find('\r') != std::string::npos;
    }
    }
}

TEST(WidestLine, EqualsAFullMeasureWhileDocumentsAreSmall)
{
    std::mt19937 rng(11);
    TSyntaxMemo m;
    load(m, rng, 300);
    for (int step = 0; step < 400; ++step) {
        bool narrows = false;
        edit(m, rng, narrows);
        ASSERT_EQ(m.widestLineColumns(), measuredWidest(m)) << "step " << step;
    }
}

TEST(WidestLine, BigDocumentsOnlyWidenAndNeverComeOutShort)
{
    std::mt19937 rng(12);
    TSyntaxMemo m;
    m.widestLine().setFullMeasureUpTo(0);
    load(m, rng, 300);
    bool narrows = false;
    for (int step = 0; step < 400; ++step) {
        edit(m, rng, narrows);
        const int kept = m.widestLineColumns();
        const int measured = measuredWidest(m);
        if (narrows)
            ASSERT_GE(kept, measured) << "step " << step;
        else
            ASSERT_EQ(kept, measured) << "step " << step;
    }
    EXPECT_TRUE(narrows);
    // A new tab width measures every record again.
    m.setTabDefault(m.tabDefault() + 3);
    EXPECT_EQ(m.widestLineColumns(), measuredWidest(m));
    // So does a new text.
    load(m, rng, 50);
    EXPECT_EQ(m.widestLineColumns(), measuredWidest(m));
}

TEST(WidestLine, WrappedLinesCutAgainAreMeasured)
{
    std::mt19937 rng(13);
    TSyntaxMemo m;
    m.widestLine().setFullMeasureUpTo(0);
    m.setWrapAtColumn(30);
    m.setOptions({TSyntaxMemoOption::smoWordWrap});
    load(m, rng, 200);
    for (int step = 0; step < 300; ++step) {
        bool narrows = false;
        edit(m, rng, narrows);
        ASSERT_GE(m.widestLineColumns(), measuredWidest(m)) << "step " << step;
        ASSERT_EQ(m.widestLine().check(
                      [&](TRecordIndex r) {
                          std::string_view t = m.store().recordText(r);
                          if (!t.empty() && t.back() == '\r')
                              t.remove_suffix(1);
                          return m.displayColumn(r, static_cast<int>(t.size()));
                      },
                      8),
                  "")
            << "step " << step;
    }
}

} // namespace
} // namespace tessaly::memo::test
