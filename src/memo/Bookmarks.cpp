#include "memo/Bookmarks.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

constexpr std::uint16_t kBookmarkBits = 0x03FF;

bool markInRange(int mark, std::int64_t line, std::int64_t lines)
{
    return mark >= 1 && mark <= 16 && line >= 1 && line <= lines;
}

} // namespace

std::int64_t TBookmarks::line(int n) const
{
    if (columns_[static_cast<std::size_t>(n)] == 0)
        return 0;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << n);
    for (std::int64_t r = 0; r < store_.recordCount().value(); ++r)
        if (store_.meta(TRecordIndex(r)).bookmarks & bit)
            return r + 1;
    return 0;
}

TBookmarks::TToggle TBookmarks::toggle(int n, std::int64_t rec, int column)
{
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << n);
    TToggle t;
    if (columns_[static_cast<std::size_t>(n)] != 0) {
        const std::int64_t found = line(n) - 1;
        if (found >= 0) {
            store_.meta(TRecordIndex(found)).bookmarks &= static_cast<std::uint16_t>(~kBookmarkBits);
            store_.meta(TRecordIndex(found)).flags |= kRecDecoration;
            t.removedFrom = found;
        }
    }
    if (t.removedFrom != rec) {
        TRecordMeta& m = store_.meta(TRecordIndex(rec));
        m.bookmarks = static_cast<std::uint16_t>((m.bookmarks & ~kBookmarkBits) | bit);
        m.flags |= kRecDecoration;
        columns_[static_cast<std::size_t>(n)] = static_cast<std::uint16_t>(std::clamp(column, 1, 0xFFFF));
        t.placedOn = rec;
    }
    return t;
}

bool TBookmarks::setMark(int mark, std::int64_t line, bool on)
{
    if (!markInRange(mark, line, store_.recordCount().value()))
        return false;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << (mark - 1));
    std::uint16_t& marks = store_.meta(recordOf(TLineNumber(line))).marks;
    marks = static_cast<std::uint16_t>(on ? (marks | bit) : (marks & ~bit));
    return true;
}

bool TBookmarks::hasMark(int mark, std::int64_t line) const
{
    if (!markInRange(mark, line, store_.recordCount().value()))
        return false;
    return (store_.meta(recordOf(TLineNumber(line))).marks & (1u << (mark - 1))) != 0;
}

TBookmarks::TLineMarks TBookmarks::lineMarksOf(std::int64_t rec) const
{
    const TRecordMeta& m = store_.meta(TRecordIndex(rec));
    return {static_cast<std::uint16_t>(m.bookmarks & ~kContinuationBit), m.marks, store_.colours(TRecordIndex(rec))};
}

void TBookmarks::putLineMarks(std::int64_t rec, const TLineMarks& lm)
{
    TRecordMeta& m = store_.meta(TRecordIndex(rec));
    m.bookmarks = static_cast<std::uint16_t>((m.bookmarks & kContinuationBit) | lm.bookmarks);
    m.marks = lm.marks;
    m.flags |= kRecDecoration;
    store_.setColours(TRecordIndex(rec), lm.colours);
}

void TBookmarks::carryLineMarks(std::int64_t from, std::int64_t to)
{
    if (from == to)
        return;
    putLineMarks(to, lineMarksOf(from));
    putLineMarks(from, TLineMarks{});
}

std::string TBookmarks::check() const
{
    std::array<int, 10> carriers{};
    for (TRecordIndex r(0); r < store_.recordCount(); ++r) {
        const std::uint16_t bits = store_.meta(r).bookmarks & kBookmarkBits;
        for (int n = 0; n < 10; ++n)
            if (bits & (1u << n))
                ++carriers[static_cast<std::size_t>(n)];
    }
    for (int n = 0; n < 10; ++n) {
        const auto i = static_cast<std::size_t>(n);
        if (carriers[i] > 1)
            return "bookmark " + std::to_string(n) + " is on " + std::to_string(carriers[i]) + " records";
        if (carriers[i] == 1 && columns_[i] == 0)
            return "bookmark " + std::to_string(n) + " is on a record without a column";
    }
    return {};
}

} // namespace tessaly::memo
