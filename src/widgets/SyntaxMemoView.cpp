#include "widgets/SyntaxMemoView.h"

#include "widgets/QtColor.h"

#include "memo/CharWidth.h"
#include "memo/HighlightSliceBudget.h"
#include "memo/Utf8.h"
#include "widgets/TemplateList.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QScrollBar>

namespace tessaly::widgets {

TSyntaxMemoView::TSyntaxMemoView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    setFont(font);
    gutterColor_ = palette().color(QPalette::Button);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    autoScroll_.setInterval(40);
    connect(&autoScroll_, &QTimer::timeout, this, &TSyntaxMemoView::autoScrollStep);
    // Documents from 1 MB on are highlighted in the background: each slice
    // keeps under a frame's time, so typing and scrolling go on meanwhile.
    highlightSlices_.setInterval(0);
    connect(&highlightSlices_, &QTimer::timeout, this, [this] {
        if (!memo_.highlightSlice(memo::kHighlightSliceBudget))
            highlightSlices_.stop();
    });
    memo_.setBackgroundHighlight(1 << 20);
    // A file over 2 MB shows once that much is read; the rest is read in
    // the same slices, before the pass goes on.
    memo_.setLoadInSlices(2 << 20);
    memo_.onHighlightPass = [this](memo::TSyntaxMemo&, bool running) {
        if (running)
            highlightSlices_.start();
        else
            highlightSlices_.stop();
        emit highlightPassChanged(running);
    };
    connect(&blink_, &QTimer::timeout, this, [this] {
        caretShown_ = !caretShown_;
        viewport()->update(caretRect());
    });
    measureFont();
    memo_.setView(this);
    memo_.setMessages(this);
    memo_.setClipboard(&clipboard_);
    memo_.setProgress(&searchProgress_);
    memo_.onChange = [this](memo::TSyntaxMemo&) { engineChanged(); };
    memo_.onBookmarkSet = [this](memo::TSyntaxMemo&, int n) { emit bookmarkSet(n); };
    // HTML from the clipboard or a drop keeps only its marked fragment.
    memo_.onDataDrop = [](memo::TSyntaxMemo&, std::uint32_t& sources) {
        if (sources & memo::dsHtml)
            sources |= memo::dsHtmlFragment;
    };
    updateScrollBars();
}

TSyntaxMemoView::~TSyntaxMemoView()
{
    memo_.onChange = nullptr;
    memo_.onHighlightPass = nullptr;
    memo_.onBookmarkSet = nullptr;
    memo_.onDataDrop = nullptr;
    memo_.setView(nullptr);
    memo_.setMessages(nullptr);
    memo_.setClipboard(nullptr);
    memo_.setProgress(nullptr);
}

// --- geometry ------------------------------------------------------------------

void TSyntaxMemoView::measureFont()
{
    const QFontMetrics fm(font());
    lineHeight_ = std::max(1, fm.height());
    charWidth_ = std::max(1, fm.horizontalAdvance(QLatin1Char('M')));
    ascent_ = fm.ascent();
    for (int i = 0; i < 8; ++i) {
        QFont f = font();
        f.setBold(i & 1);
        f.setItalic(i & 2);
        f.setUnderline(i & 4);
        fonts_[static_cast<std::size_t>(i)] = f;
    }
}

void TSyntaxMemoView::setTokenStyle(std::uint8_t value, const memo::TTokenStyle& style)
{
    styles_[value] = style;
    inks_[value].foreground = toQColor(style.foreground);
    inks_[value].background = style.ownColours ? toQColor(style.background) : QColor();
    viewport()->update();
}

bool TSyntaxMemoView::showGutter() const
{
    return memo_.hasOption(memo::TSyntaxMemoOption::smoShowGutter);
}

int TSyntaxMemoView::textLeft() const
{
    return (showGutter() ? gutter_ : 0) + margin_;
}

int TSyntaxMemoView::visibleLines() const
{
    return std::max(1, viewport()->height() / lineHeight_);
}

int TSyntaxMemoView::visibleColumns() const
{
    return std::max(1, (viewport()->width() - textLeft()) / charWidth_);
}

std::int64_t TSyntaxMemoView::offsetAt(QPoint pos, bool* atPieceEnd) const
{
    const memo::TTextStore& store = memo_.store();
    const std::int64_t row = pos.y() < 0 ? -1 - (-pos.y() - 1) / lineHeight_ : pos.y() / lineHeight_;
    const std::int64_t rec = std::clamp<std::int64_t>(memo_.topLine() + row, 0, store.recordCount().value() - 1);
    const int x = pos.x() - textLeft();
    const int dcol = std::max(0, memo_.leftColumn() + (x < 0 ? x / charWidth_ - 1 : x / charWidth_));
    const int inCell = x - (dcol - memo_.leftColumn()) * charWidth_;
    const int col = memo_.columnAtDisplay(memo::TRecordIndex(rec), dcol);
    const std::string_view t = store.recordText(memo::TRecordIndex(rec));
    std::int64_t off = store.recordStart(memo::TRecordIndex(rec)).value() + col;
    const auto c = static_cast<std::size_t>(col);
    if (x >= 0 && c < t.size() && t[c] != '\r') {
        // Past the middle of a character (a tab is as wide as its cells) the
        // boundary after it is the nearer one.
        const int at = memo_.displayColumn(memo::TRecordIndex(rec), col);
        const int width = t[c] == '\t' ? memo_.tabStops().nextStop(at) - at : std::max(1, memo::cellsAt(t, c));
        if (((dcol - at) * charWidth_ + inCell) * 2 >= width * charWidth_)
            off += memo::utf8Length(t, c);
    }
    // The end of a piece that the next record continues is the next piece's
    // start as well: a point on this line means the end of this piece.
    if (atPieceEnd)
        *atPieceEnd = off == store.recordStart(memo::TRecordIndex(rec)).value() + static_cast<std::int64_t>(t.size())
            && memo_.isPieceBoundary(off);
    return off;
}

QPoint TSyntaxMemoView::pointOf(std::int64_t offset, bool atPieceEnd) const
{
    const memo::TTextStore& store = memo_.store();
    std::int64_t rec = store.recordOf(memo::TTextOffset(offset)).value();
    if (atPieceEnd && memo_.isPieceBoundary(offset))
        --rec;
    const int dcol = memo_.displayColumn(memo::TRecordIndex(rec),
                                         static_cast<int>(offset - store.recordStart(memo::TRecordIndex(rec)).value()));
    return {textLeft() + (dcol - memo_.leftColumn()) * charWidth_, static_cast<int>(rec - memo_.topLine()) * lineHeight_};
}

QRect TSyntaxMemoView::caretRect() const
{
    const QPoint p = caretPoint();
    return {p.x() - 1, p.y(), charWidth_ + 2, lineHeight_};
}

// --- appearance -------------------------------------------------------------------

void TSyntaxMemoView::setGutter(int pixels)
{
    gutter_ = std::max(0, pixels);
    viewport()->update();
}

void TSyntaxMemoView::setGutterColor(const QColor& c)
{
    gutterColor_ = c;
    viewport()->update();
}

void TSyntaxMemoView::setMargin(int pixels)
{
    margin_ = std::max(0, pixels);
    viewport()->update();
}

void TSyntaxMemoView::setRightMargin(int column)
{
    rightMargin_ = std::max(0, column);
    viewport()->update();
}

void TSyntaxMemoView::setSelTextColor(const QColor& c)
{
    selTextColor_ = c;
    viewport()->update();
}

void TSyntaxMemoView::setSelTextBack(const QColor& c)
{
    selTextBack_ = c;
    viewport()->update();
}

void TSyntaxMemoView::setKeepSelectionVisible(bool on)
{
    if (keepSelectionVisible_ == on)
        return;
    keepSelectionVisible_ = on;
    viewport()->update();
}

QRect TSyntaxMemoView::selectionArea() const
{
    const std::int64_t a = std::min(memo_.anchor(), memo_.caret());
    const std::int64_t b = std::max(memo_.anchor(), memo_.caret());
    if (a == b)
        return {};
    const QPoint p0 = pointOf(a);
    const QPoint p1 = pointOf(b);
    const QRect lines(QPoint(0, p0.y()), QPoint(viewport()->width() - 1, p1.y() + lineHeight_ - 1));
    const QRect seen = lines.intersected(viewport()->rect());
    return seen.isEmpty() ? QRect() : QRect(viewport()->mapToGlobal(seen.topLeft()), seen.size());
}

// --- what the engine asks of its window ----------------------------------------

void TSyntaxMemoView::repaintAll()
{
    viewport()->update();
}

void TSyntaxMemoView::updateLines(std::int64_t first, std::int64_t last)
{
    const std::int64_t top = memo_.topLine();
    const std::int64_t bottom = top + visibleLines();
    if (last < top || first > bottom)
        return;
    const int y0 = static_cast<int>(std::max(first, top) - top) * lineHeight_;
    const int y1 = static_cast<int>(std::min(last, bottom) - top + 1) * lineHeight_;
    viewport()->update(0, y0, viewport()->width(), y1 - y0);
}

void TSyntaxMemoView::repaintRecords(std::int64_t first, std::int64_t last)
{
    updateLines(first, last);
}

void TSyntaxMemoView::scrolled()
{
    updateScrollBars();
    const std::int64_t dy = paintedTop_ - memo_.topLine();
    const bool sameColumn = paintedLeft_ == memo_.leftColumn();
    paintedTop_ = memo_.topLine();
    paintedLeft_ = memo_.leftColumn();
    if (sameColumn && dy != 0 && std::abs(dy) < visibleLines()) {
        // Move what is on screen and paint only the lines that came into view.
        const int pixels = static_cast<int>(dy) * lineHeight_;
        viewport()->scroll(0, pixels);
        viewport()->update(lastCaretRect_.translated(0, pixels));
        lastCaretRect_ = caretRect();
        viewport()->update(lastCaretRect_);
    } else if (!sameColumn || dy != 0) {
        viewport()->update();
    }
}

void TSyntaxMemoView::restartBlink()
{
    caretShown_ = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        blink_.start(flash / 2);
    else
        blink_.stop();
}

void TSyntaxMemoView::caretMoved()
{
    restartBlink();
    // Only the cells of the old and the new caret.
    viewport()->update(lastCaretRect_);
    lastCaretRect_ = caretRect();
    viewport()->update(lastCaretRect_);
}

void TSyntaxMemoView::beep()
{
    QApplication::beep();
}

void TSyntaxMemoView::engineChanged()
{
    // The engine has already asked for the records its edits touched (and
    // the lines they pushed down or pulled up) to be painted again.
    if (memo_.changeKinds() & (memo::ckText | memo::ckSize))
        updateScrollBars();
    restartBlink();
    emit changed();
}

void TSyntaxMemoView::updateScrollBars()
{
    syncingScrollBars_ = true;
    const std::int64_t records = memo_.store().recordCount().value();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<std::int64_t>(0, records - 1)));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setValue(static_cast<int>(memo_.topLine()));
    horizontalScrollBar()->setRange(0, std::max(0, memo_.widestLineColumns() - visibleColumns() + 1));
    horizontalScrollBar()->setPageStep(visibleColumns());
    horizontalScrollBar()->setValue(memo_.leftColumn());
    syncingScrollBars_ = false;
}

void TSyntaxMemoView::scrollContentsBy(int, int)
{
    if (syncingScrollBars_)
        return;
    memo_.setTopLine(verticalScrollBar()->value());
    memo_.setLeftColumn(horizontalScrollBar()->value());
}

void TSyntaxMemoView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    rewrapForWidth();
    updateScrollBars();
    lastCaretRect_ = caretRect();
}

void TSyntaxMemoView::rewrapForWidth()
{
    const int columns = visibleColumns();
    if (columns == wrapColumns_)
        return;
    wrapColumns_ = columns;
    if (memo_.hasOption(memo::TSyntaxMemoOption::smoWordWrap) && memo_.wrapAtColumn() == 0)
        memo_.reflow();
}

void TSyntaxMemoView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureFont();
        rewrapForWidth();
        updateScrollBars();
        memo_.changed(memo::ckFont);
        viewport()->update();
    }
}

void TSyntaxMemoView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    restartBlink();
    viewport()->update();
}

void TSyntaxMemoView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    blink_.stop();
    caretShown_ = true;
    keyMap_.reset();
    viewport()->update();
}

bool TSyntaxMemoView::focusNextPrevChild(bool next)
{
    // Tab belongs to the text while the editor wants it.
    return memo_.wantTab() ? false : QAbstractScrollArea::focusNextPrevChild(next);
}

TTemplateList* TSyntaxMemoView::templateList() const
{
    return templateList_ && templateList_->isVisible() ? templateList_ : nullptr;
}

} // namespace tessaly::widgets
