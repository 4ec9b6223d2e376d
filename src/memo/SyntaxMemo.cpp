#include "memo/SyntaxMemo.h"

#include "memo/CharWidth.h"
#include "memo/DisplayColumns.h"
#include "memo/FileLoader.h"

#include "memo/Normalise.h"
#include "memo/TextFinder.h"
#include "memo/Utf8.h"

#include <algorithm>
#include <cstring>

namespace tessaly::memo {

TSyntaxMemo::TSyntaxMemo()
    : lines_(*this)
{
    customBookmarks_.onFree = [this](const std::string& name) {
        if (onCustomBookmarkFree)
            onCustomBookmarkFree(*this, name);
    };
}

TSyntaxMemo::~TSyntaxMemo()
{
    if (THighlighter* h = highlighter())
        h->detach(*this);
}

// --- selection ---------------------------------------------------------------

std::int64_t TSyntaxMemo::selStart() const
{
    return std::min(anchor_, caret_);
}

void TSyntaxMemo::setSelStart(std::int64_t offset)
{
    setSelection(offset, offset);
}

std::int64_t TSyntaxMemo::selLength() const
{
    return store_.crLfLength(TTextOffset(std::min(anchor_, caret_)), TTextOffset(std::max(anchor_, caret_)));
}

void TSyntaxMemo::setSelLength(std::int64_t count)
{
    const std::int64_t start = selStart();
    setSelection(start, start + count);
}

std::string TSyntaxMemo::selText() const
{
    // Straight from the store into the CR LF form, in one buffer.
    std::string out;
    const std::int64_t a = std::min(anchor_, caret_);
    const std::int64_t b = std::max(anchor_, caret_);
    out.reserve(static_cast<std::size_t>(b - a) + 16);
    store_.pieces(TTextOffset(a), TTextOffset(b), [&out](std::string_view piece) { appendCrLf(out, piece); });
    return out;
}

void TSyntaxMemo::setSelText(std::string_view text)
{
    // Nothing replaced by nothing is no edit.
    if (text.empty() && anchor_ == caret_)
        return;
    replaceSelection(text);
    changeKinds_ |= ckText | ckSelection;
    scrollCaret();
    notify();
    view_->repaintAll();
}

int TSyntaxMemo::getSelTextBuf(char* buf, int size)
{
    if (!buf || size <= 0)
        return 0;
    std::string s = selText();
    const int n = static_cast<int>(std::min<std::size_t>(s.size(), static_cast<std::size_t>(size)));
    std::memcpy(buf, s.data(), static_cast<std::size_t>(n));
    return n;
}

std::int64_t TSyntaxMemo::getTextLen() const
{
    return store_.crLfLength(TTextOffset(0), store_.length());
}

std::string TSyntaxMemo::text() const
{
    return toCrLf(store_.text(TTextOffset(0), store_.length()));
}

void TSyntaxMemo::selectAll()
{
    setSelection(-1, 0);
}

void TSyntaxMemo::clearSelection()
{
    setSelText({});
}

void TSyntaxMemo::clear()
{
    loader_.reset();
    backgroundChanged();
    const bool was = redraw_;
    redraw_ = false;
    setSelection(-1, 0, true);
    replaceSelection({});
    redraw_ = was;
    undo_.clearUndo();
    topLine_ = 0;
    leftColumn_ = 0;
    changeKinds_ |= ckText | ckSelection;
    notify();
    view_->repaintAll();
}

void TSyntaxMemo::setSelection(std::int64_t anchor, std::int64_t caret, bool quiet, TCaretAffinity affinity)
{
    // All of the text, or a place past what is read of a file being
    // loaded, is there once the file is all read.
    if (loader_ && (anchor == -1 || std::max(anchor, caret) > store_.length().value()))
        finishLoading();
    const std::int64_t len = store_.length().value();
    if (anchor == -1) {
        anchor = 0;
        caret = len;
    }
    anchor = std::clamp<std::int64_t>(anchor, 0, len);
    caret = std::clamp<std::int64_t>(caret, 0, len);
    const bool pieceEnd = affinity == TCaretAffinity::pieceEnd && isPieceBoundary(caret);
    const bool moved = anchor != anchor_ || caret != caret_ || pieceEnd != caretAtPieceEnd_;
    if (moved && view_ != &noView_) {
        markDecoration(anchor_, caret_);
        markDecoration(anchor, caret);
    }
    anchor_ = anchor;
    caret_ = caret;
    caretAtPieceEnd_ = pieceEnd;
    preferredColumn_ = -1;
    if (quiet || !redraw_)
        return;
    if (moved) {
        changeKinds_ |= ckSelection;
        scrollCaret();
        notify();
        view_->caretMoved();
    } else {
        notify();
    }
}

bool TSyntaxMemo::isPieceBoundary(std::int64_t offset) const
{
    if (offset <= 0 || offset > store_.length().value())
        return false;
    const std::int64_t rec = store_.recordOf(TTextOffset(offset)).value();
    return rec > 0 && store_.recordStart(TRecordIndex(rec)).value() == offset
        && (store_.meta(TRecordIndex(rec)).bookmarks & kContinuationBit);
}

TRecordIndex TSyntaxMemo::caretRecord() const
{
    const TRecordIndex rec = store_.recordOf(TTextOffset(caret_));
    // The flag may outlive the boundary it was set at (an edit or a reflow
    // moved the pieces): it counts only where the caret still starts a piece.
    if (caretAtPieceEnd_ && rec > TRecordIndex(0) && store_.recordStart(rec) == TTextOffset(caret_)
        && (store_.meta(rec).bookmarks & kContinuationBit))
        return rec - 1;
    return rec;
}

void TSyntaxMemo::markDecoration(std::int64_t a, std::int64_t b)
{
    // A caret at a piece boundary may be shown on the record before.
    const std::int64_t lo = std::min(a, b);
    const std::int64_t r0 = store_.recordOf(TTextOffset(lo)).value() - (isPieceBoundary(lo) ? 1 : 0);
    const std::int64_t r1 = store_.recordOf(TTextOffset(std::max(a, b))).value();
    view_->repaintRecords(r0, r1);
}

// --- notifications -------------------------------------------------------------

void TSyntaxMemo::markChanged(std::int64_t first, std::int64_t last)
{
    if (firstChanged_ < 0 || first < firstChanged_)
        firstChanged_ = first;
    if (dirtyFirst_ < 0 || first < dirtyFirst_)
        dirtyFirst_ = first;
    dirtyLast_ = std::max({dirtyLast_, first, last});
    // Every change is marked right after the store changed, so a change in
    // the number of records is seen by the first mark that follows it.
    if (store_.recordCount().value() != paintedRecordCount_)
        recordsMoved_ = true;
}

void TSyntaxMemo::repaintChanged()
{
    if (dirtyFirst_ >= 0) {
        const std::int64_t count = store_.recordCount().value();
        // Added or removed records move every line below them on screen,
        // down to the rows that the last records left empty.
        const std::int64_t last
            = recordsMoved_ ? std::max(count, paintedRecordCount_) - 1 : std::min(dirtyLast_, count - 1);
        view_->repaintRecords(std::min(dirtyFirst_, count - 1), last);
    }
    dirtyFirst_ = dirtyLast_ = -1;
    recordsMoved_ = false;
    paintedRecordCount_ = store_.recordCount().value();
}

void TSyntaxMemo::textChanged(std::int64_t start, std::int64_t extent)
{
    changeKinds_ |= ckText;
    highlight_.textChanged(start, extent);
    widest_.textChanged(TTextOffset(start), extent, hasOption(TSyntaxMemoOption::smoWordWrap));
    // Custom bookmarks travel with their offsets; (0, 0) says the text was emptied.
    if (extent > 0)
        customBookmarks_.inserted(extent, start);
    else if (extent < 0)
        customBookmarks_.deleted(-extent, start);
    else
        customBookmarks_.clear();
    if (onTextChange)
        onTextChange(*this, start, extent);
}

void TSyntaxMemo::changed(std::uint32_t kinds)
{
    changeKinds_ |= kinds;
    notify();
}

void TSyntaxMemo::notify()
{
    if (paintLock_ > 0 || !redraw_)
        return;
    repaintChanged();
    if (firstChanged_ >= 0)
        rehighlight();
    if (changeKinds_ != 0 && onChange)
        onChange(*this);
    changeKinds_ = 0;
    firstChanged_ = -1;
}

void TSyntaxMemo::setRedraw(bool on)
{
    if (redraw_ == on)
        return;
    redraw_ = on;
    if (on) {
        view_->repaintAll();
        notify();
    }
}

void TSyntaxMemo::setModified(bool value)
{
    if (!value)
        undo_.clearUndo();
}

void TSyntaxMemo::setOptions(TSyntaxMemoOptions o)
{
    if (o == options_)
        return;
    const bool rewrap = o.has(TSyntaxMemoOption::smoWordWrap) != options_.has(TSyntaxMemoOption::smoWordWrap)
        || (o.has(TSyntaxMemoOption::smoWordWrap)
            && o.has(TSyntaxMemoOption::smoWrapOverride) != options_.has(TSyntaxMemoOption::smoWrapOverride));
    const bool colourChanged =
        o.has(TSyntaxMemoOption::smoSyntaxHighlight) != options_.has(TSyntaxMemoOption::smoSyntaxHighlight);
    options_ = o;
    if (rewrap)
        reflow();
    if (colourChanged) {
        // Off: every record loses its values and is drawn plain. On: the
        // whole text is scanned again.
        store_.dropAllTokens();
        store_.meta(TRecordIndex(0)).flags |= kRecForceHighlight;
        markChanged(0);
    }
    changed(ckOptions);
    view_->repaintAll();
}

// --- caret position, colours, marks, scrolling -------------------------------

int TSyntaxMemo::displayColumn(TRecordIndex rec, int col) const
{
    return displayColumnIn(store_.recordText(rec), col, (store_.meta(rec).flags & kRecHasTab) != 0, tabs_);
}

int TSyntaxMemo::columnAtDisplay(TRecordIndex rec, int dcol) const
{
    return columnAtDisplayIn(store_.recordText(rec), dcol, tabs_);
}

int TSyntaxMemo::preferredColumn() const
{
    if (preferredColumn_ >= 0)
        return preferredColumn_;
    return displayColumn(caretRecord(), caretColumn());
}

TCaretPos TSyntaxMemo::getCaretPos() const
{
    const TRecordIndex rec = caretRecord();
    return {TDisplayColumn(displayColumn(rec, caretColumn())), lineOf(rec)};
}

void TSyntaxMemo::setLineColours(TLineNumber line, const std::function<void(TLineColours&)>& change)
{
    const TRecordIndex rec = recordOf(line);
    if (rec < TRecordIndex(0) || rec >= store_.recordCount())
        return;
    TLineColours c = store_.colours(rec);
    change(c);
    store_.setColours(rec, c);
    store_.meta(rec).flags |= kRecDecoration;
    view_->repaintRecords(rec.value(), rec.value());
}

void TSyntaxMemo::setLineBackColor(TLineNumber line, std::optional<TColor> color)
{
    setLineColours(line, [color](TLineColours& c) { c.back = color; });
}

void TSyntaxMemo::setLineTextColor(TLineNumber line, std::optional<TColor> color)
{
    setLineColours(line, [color](TLineColours& c) { c.text = color; });
}

void TSyntaxMemo::setMark(int mark, TLineNumber line)
{
    if (bookmarks_.setMark(mark, line.value(), true))
        view_->repaintRecords(recordOf(line).value(), recordOf(line).value());
}

void TSyntaxMemo::clearMark(int mark, TLineNumber line)
{
    if (bookmarks_.setMark(mark, line.value(), false))
        view_->repaintRecords(recordOf(line).value(), recordOf(line).value());
}

bool TSyntaxMemo::hasMark(int mark, TLineNumber line) const { return bookmarks_.hasMark(mark, line.value()); }

void TSyntaxMemo::setTopLine(std::int64_t line)
{
    line = std::clamp<std::int64_t>(line, 0, store_.recordCount().value() - 1);
    if (line == topLine_)
        return;
    topLine_ = line;
    view_->scrolled();
}

void TSyntaxMemo::setLeftColumn(int column)
{
    column = std::max(0, column);
    if (column == leftColumn_)
        return;
    leftColumn_ = column;
    view_->scrolled();
}

void TSyntaxMemo::scrollCaret()
{
    const TRecordIndex record = caretRecord();
    const std::int64_t rec = record.value();
    const int lines = std::max(1, view_->visibleLines());
    const int cols = std::max(1, view_->visibleColumns());
    std::int64_t top = topLine_;
    if (rec < top)
        top = rec;
    else if (rec >= top + lines)
        top = rec - lines + 1;
    // A record without tabs is never wider in columns than in bytes: when it
    // fits the view unscrolled, the caret is in view whatever its column.
    const TRecordMeta& meta = store_.meta(TRecordIndex(rec));
    const bool fits = leftColumn_ == 0 && !(meta.flags & kRecHasTab) && meta.length <= cols;
    const int dcol = fits ? 0 : displayColumn(record, static_cast<int>(caret_ - store_.recordStart(record).value()));
    // A caret at the end of a full piece stands just after its last cell:
    // that is still in view, so a wrapped text never scrolls sideways for it.
    const int room = rec != store_.recordOf(TTextOffset(caret_)).value() ? cols + 1 : cols;
    int left = leftColumn_;
    if (dcol < left)
        left = dcol;
    else if (dcol >= left + room)
        left = dcol - room + 1;
    if (top != topLine_ || left != leftColumn_) {
        topLine_ = std::clamp<std::int64_t>(top, 0, store_.recordCount().value() - 1);
        leftColumn_ = left;
        view_->scrolled();
    }
}

} // namespace tessaly::memo
