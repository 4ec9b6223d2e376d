// Numbered bookmarks (bits 0..9 of a record's bookmark word, with a stored
// column each) and the carrying of a line's bookmarks, marks and colours when
// an edit replaces its record.
#include "memo/SyntaxMemo.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

constexpr std::uint16_t kBookmarkBits = 0x03FF;

void checkIndex(int n)
{
    if (n < 0 || n > 9)
        throw ESyntaxMemo("Bookmark index range error");
}

} // namespace

std::int64_t TSyntaxMemo::bookmarkLine(int n) const
{
    checkIndex(n);
    if (bookmarkColumns_[static_cast<std::size_t>(n)] == 0)
        return 0;
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << n);
    for (std::int64_t r = 0; r < store_.recordCount(); ++r)
        if (store_.meta(r).bookmarks & bit)
            return r + 1;
    return 0;
}

int TSyntaxMemo::bookmarkColumn(int n) const
{
    checkIndex(n);
    return bookmarkColumns_[static_cast<std::size_t>(n)];
}

void TSyntaxMemo::setBookmark(int n, std::int64_t line, int column)
{
    checkIndex(n);
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << n);

    // Take the bookmark off the record that carries it.
    std::int64_t found = -1;
    if (bookmarkColumns_[static_cast<std::size_t>(n)] != 0) {
        found = bookmarkLine(n) - 1;
        if (found >= 0) {
            store_.meta(found).bookmarks &= static_cast<std::uint16_t>(~kBookmarkBits);
            store_.meta(found).flags |= kRecDecoration;
            view_->repaintRecords(found, found);
        }
    }

    std::int64_t target = 0;
    if (line == -1) {
        target = store_.recordOf(caret_);
        column = static_cast<int>(caret_ - store_.recordStart(target)) + 1;
    } else {
        // Lines outside the text are taken as its first or last line.
        target = std::clamp<std::int64_t>(line, 1, store_.recordCount()) - 1;
        column = std::max(1, column);
    }
    // A bookmark sits on the first piece of a wrapped line, so that setting it
    // from any piece of that line toggles the same bookmark.
    if (hasOption(TSyntaxMemoOption::smoWordWrap))
        while (target > 0 && (store_.meta(target).bookmarks & kContinuationBit))
            --target;

    if (found != target) {
        TRecordMeta& m = store_.meta(target);
        m.bookmarks = static_cast<std::uint16_t>((m.bookmarks & ~kBookmarkBits) | bit);
        m.flags |= kRecDecoration;
        view_->repaintRecords(target, target);
        bookmarkColumns_[static_cast<std::size_t>(n)] = static_cast<std::uint16_t>(std::min(column, 0xFFFF));
        if (onBookmarkSet)
            onBookmarkSet(*this, n);
    }
    view_->repaintAll();
}

void TSyntaxMemo::gotoBookmark(int n)
{
    const std::int64_t line = bookmarkLine(n);
    if (line == 0)
        return;
    const std::int64_t rec = line - 1;
    const std::int64_t len = static_cast<std::int64_t>(store_.recordText(rec).size());
    const std::int64_t col = std::min<std::int64_t>(bookmarkColumns_[static_cast<std::size_t>(n)], len) - 1;
    const std::int64_t at = store_.recordStart(rec) + std::max<std::int64_t>(0, col);
    setSelection(at, at);
}

TSyntaxMemo::TLineMarks TSyntaxMemo::lineMarksOf(std::int64_t rec) const
{
    const TRecordMeta& m = store_.meta(rec);
    return {static_cast<std::uint16_t>(m.bookmarks & ~kContinuationBit), m.marks, m.backColor, m.textColor};
}

void TSyntaxMemo::putLineMarks(std::int64_t rec, const TLineMarks& lm)
{
    TRecordMeta& m = store_.meta(rec);
    m.bookmarks = static_cast<std::uint16_t>((m.bookmarks & kContinuationBit) | lm.bookmarks);
    m.marks = lm.marks;
    m.backColor = lm.backColor;
    m.textColor = lm.textColor;
    m.flags |= kRecDecoration;
}

void TSyntaxMemo::carryLineMarks(std::int64_t from, std::int64_t to)
{
    if (from == to)
        return;
    putLineMarks(to, lineMarksOf(from));
    putLineMarks(from, TLineMarks{});
}

} // namespace tessaly::memo
