// Numbered bookmarks (bits 0..9 of a record's bookmark word, with a stored
// column each) and the carrying of a line's bookmarks, marks and colours when
// an edit replaces its record.
#include "memo/SyntaxMemo.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

void checkIndex(int n)
{
    if (n < 0 || n > 9)
        throw ESyntaxMemo("Bookmark index range error");
}

} // namespace

std::int64_t TSyntaxMemo::bookmarkLine(int n) const
{
    checkIndex(n);
    return bookmarks_.line(n);
}

int TSyntaxMemo::bookmarkColumn(int n) const
{
    checkIndex(n);
    return bookmarks_.column(n);
}

void TSyntaxMemo::setBookmark(int n, std::int64_t line, int column)
{
    checkIndex(n);
    std::int64_t target = 0;
    if (line == -1) {
        target = store_.recordOf(TTextOffset(caret_)).value();
        column = static_cast<int>(caret_ - store_.recordStart(TRecordIndex(target)).value()) + 1;
    } else {
        // Lines outside the text are taken as its first or last line.
        target = std::clamp<std::int64_t>(line, 1, store_.recordCount().value()) - 1;
        column = std::max(1, column);
    }
    // A bookmark sits on the first piece of a wrapped line, so that setting it
    // from any piece of that line toggles the same bookmark.
    if (hasOption(TSyntaxMemoOption::smoWordWrap))
        while (target > 0 && (store_.meta(TRecordIndex(target)).bookmarks & kContinuationBit))
            --target;

    const TBookmarks::TToggle t = bookmarks_.toggle(n, target, column);
    if (t.removedFrom >= 0)
        view_->repaintRecords(t.removedFrom, t.removedFrom);
    if (t.placedOn >= 0) {
        view_->repaintRecords(t.placedOn, t.placedOn);
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
    const std::int64_t len = static_cast<std::int64_t>(store_.recordText(TRecordIndex(rec)).size());
    const std::int64_t col = std::min<std::int64_t>(bookmarks_.column(n), len) - 1;
    const std::int64_t at = store_.recordStart(TRecordIndex(rec)).value() + std::max<std::int64_t>(0, col);
    setSelection(at, at);
}

TSyntaxMemo::TLineMarks TSyntaxMemo::lineMarksOf(std::int64_t rec) const { return bookmarks_.lineMarksOf(rec); }

void TSyntaxMemo::putLineMarks(std::int64_t rec, const TLineMarks& lm) { bookmarks_.putLineMarks(rec, lm); }

void TSyntaxMemo::carryLineMarks(std::int64_t from, std::int64_t to) { bookmarks_.carryLineMarks(from, to); }

} // namespace tessaly::memo
