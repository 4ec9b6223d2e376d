#include "widgets/SyntaxMemoView.h"

#include "memo/Normalise.h"

#include <QApplication>
#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace tessaly::widgets {

using memo::kCR;

TSyntaxMemoView::TSyntaxMemoView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    setFont(font);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    memo_.setView(this);
    memo_.setMessages(this);
    memo_.setClipboard(&clipboard_);
    memo_.onChange = [this](memo::TSyntaxMemo&) {
        updateScrollBars();
        emit changed();
    };
    updateScrollBars();
}

TSyntaxMemoView::~TSyntaxMemoView()
{
    memo_.onChange = nullptr;
    memo_.setView(nullptr);
    memo_.setMessages(nullptr);
    memo_.setClipboard(nullptr);
}

int TSyntaxMemoView::lineHeight() const
{
    return std::max(1, fontMetrics().height());
}

int TSyntaxMemoView::charWidth() const
{
    return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('M')));
}

int TSyntaxMemoView::visibleLines() const
{
    return std::max(1, viewport()->height() / lineHeight());
}

int TSyntaxMemoView::visibleColumns() const
{
    return std::max(1, viewport()->width() / charWidth());
}

void TSyntaxMemoView::repaintAll()
{
    viewport()->update();
}

void TSyntaxMemoView::repaintRecords(std::int64_t first, std::int64_t last)
{
    const std::int64_t top = memo_.topLine();
    const std::int64_t bottom = top + visibleLines();
    if (last < top || first > bottom)
        return;
    const int y0 = static_cast<int>(std::max(first, top) - top) * lineHeight();
    const int y1 = static_cast<int>(std::min(last, bottom) - top + 1) * lineHeight();
    viewport()->update(0, y0, viewport()->width(), y1 - y0);
}

void TSyntaxMemoView::scrolled()
{
    updateScrollBars();
    viewport()->update();
}

void TSyntaxMemoView::caretMoved()
{
    viewport()->update();
}

void TSyntaxMemoView::beep()
{
    QApplication::beep();
}

void TSyntaxMemoView::updateScrollBars()
{
    syncingScrollBars_ = true;
    const std::int64_t records = memo_.store().recordCount();
    verticalScrollBar()->setRange(0, static_cast<int>(std::max<std::int64_t>(0, records - 1)));
    verticalScrollBar()->setPageStep(visibleLines());
    verticalScrollBar()->setValue(static_cast<int>(memo_.topLine()));
    horizontalScrollBar()->setRange(0, std::max(0, memo_.store().longestRecord() - visibleColumns() + 1));
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
    viewport()->update();
}

void TSyntaxMemoView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void TSyntaxMemoView::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    const QPalette pal = palette();
    p.fillRect(event->rect(), pal.base());
    const int lh = lineHeight();
    const int cw = charWidth();
    const int ascent = fontMetrics().ascent();
    const memo::TTextStore& store = memo_.store();
    const std::int64_t selA = std::min(memo_.anchor(), memo_.caret());
    const std::int64_t selB = std::max(memo_.anchor(), memo_.caret());
    const int left = memo_.leftColumn();
    const std::int64_t first = memo_.topLine() + event->rect().top() / lh;
    const std::int64_t last = std::min<std::int64_t>(store.recordCount() - 1,
                                                     memo_.topLine() + event->rect().bottom() / lh);
    for (std::int64_t rec = first; rec <= last; ++rec) {
        const int y = static_cast<int>(rec - memo_.topLine()) * lh;
        const memo::TRecordMeta& meta = store.meta(rec);
        if (meta.backColor >= 0)
            p.fillRect(0, y, viewport()->width(), lh, QColor(QRgb(static_cast<unsigned>(meta.backColor))));
        const std::string_view text = store.recordText(rec);
        const std::int64_t start = store.recordStart(rec);
        int dcol = 0;
        const QColor textColor = meta.textColor >= 0 ? QColor(QRgb(static_cast<unsigned>(meta.textColor))) : pal.text().color();
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            const int next = c == '\t' ? memo_.tabStops().nextStop(dcol) : dcol + 1;
            const std::int64_t off = start + static_cast<std::int64_t>(i);
            const int x = (dcol - left) * cw;
            if (off >= selA && off < selB)
                p.fillRect(x, y, (c == kCR ? 1 : next - dcol) * cw, lh, pal.highlight());
            if (c != '\t' && c != kCR && next > left) {
                p.setPen(off >= selA && off < selB ? pal.highlightedText().color() : textColor);
                p.drawText(x, y + ascent, QString(QChar(static_cast<unsigned char>(c))));
            }
            dcol = next;
            if (x > viewport()->width())
                break;
        }
    }
    if (hasFocus()) {
        const std::int64_t rec = store.recordOf(memo_.caret());
        const int col = memo_.displayColumn(rec, static_cast<int>(memo_.caret() - store.recordStart(rec)));
        const int x = (col - left) * cw;
        const int y = static_cast<int>(rec - memo_.topLine()) * lh;
        if (memo_.insertMode())
            p.fillRect(x, y, 2, lh, pal.text());
        else
            p.fillRect(x, y + lh - 3, cw, 3, pal.text());
    }
}

std::int64_t TSyntaxMemoView::offsetAt(QPoint pos) const
{
    const memo::TTextStore& store = memo_.store();
    const std::int64_t rec = std::clamp<std::int64_t>(memo_.topLine() + std::max(0, pos.y()) / lineHeight(), 0,
                                                      store.recordCount() - 1);
    const int dcol = memo_.leftColumn() + (std::max(0, pos.x()) + charWidth() / 2) / charWidth();
    return store.recordStart(rec) + memo_.columnAtDisplay(rec, dcol);
}

void TSyntaxMemoView::moveCaret(std::int64_t offset, bool extend)
{
    memo_.setSelection(extend ? memo_.anchor() : offset, offset);
}

void TSyntaxMemoView::moveVertically(std::int64_t lines, bool extend)
{
    const memo::TTextStore& store = memo_.store();
    const int preferred = memo_.preferredColumn();
    const std::int64_t rec = std::clamp<std::int64_t>(store.recordOf(memo_.caret()) + lines, 0, store.recordCount() - 1);
    moveCaret(store.recordStart(rec) + memo_.columnAtDisplay(rec, preferred), extend);
    memo_.setPreferredColumn(preferred);
}

void TSyntaxMemoView::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const memo::TTextStore& store = memo_.store();
    const std::int64_t caret = memo_.caret();
    const std::int64_t rec = store.recordOf(caret);
    auto lineEnd = [&](std::int64_t r) {
        const std::string_view t = store.recordText(r);
        return store.recordStart(r) + static_cast<std::int64_t>(t.size()) - (!t.empty() && t.back() == kCR ? 1 : 0);
    };
    auto deleteRange = [&](std::int64_t a, std::int64_t b) {
        if (memo_.readOnly())
            return;
        memo_.openUndoGroup(memo::ugDeleteChar);
        memo_.setSelection(a, b, true);
        memo_.setSelText({});
        memo_.closeUndoGroup(memo::ugDeleteChar);
    };

    if (event->matches(QKeySequence::Undo)) {
        if (!memo_.readOnly())
            memo_.undo();
    } else if (event->matches(QKeySequence::Redo)) {
        if (!memo_.readOnly())
            memo_.redo();
    } else if (event->matches(QKeySequence::Cut)) {
        memo_.cutToClipboard();
    } else if (event->matches(QKeySequence::Copy)) {
        memo_.copyToClipboard();
    } else if (event->matches(QKeySequence::Paste)) {
        memo_.pasteFromClipboard();
    } else if (event->matches(QKeySequence::SelectAll)) {
        memo_.selectAll();
    } else {
        switch (event->key()) {
        case Qt::Key_Left:
            moveCaret(std::max<std::int64_t>(0, caret - 1), shift);
            break;
        case Qt::Key_Right:
            moveCaret(std::min(memo_.textLength(), caret + 1), shift);
            break;
        case Qt::Key_Up:
            moveVertically(-1, shift);
            break;
        case Qt::Key_Down:
            moveVertically(1, shift);
            break;
        case Qt::Key_PageUp:
            moveVertically(-visibleLines(), shift);
            break;
        case Qt::Key_PageDown:
            moveVertically(visibleLines(), shift);
            break;
        case Qt::Key_Home:
            moveCaret(ctrl ? 0 : store.recordStart(rec), shift);
            break;
        case Qt::Key_End:
            moveCaret(ctrl ? memo_.textLength() : lineEnd(rec), shift);
            break;
        case Qt::Key_Backspace:
            if (memo_.anchor() != caret)
                deleteRange(memo_.anchor(), caret);
            else if (caret > 0)
                deleteRange(caret - 1, caret);
            break;
        case Qt::Key_Delete:
            if (memo_.anchor() != caret)
                deleteRange(memo_.anchor(), caret);
            else if (caret < memo_.textLength())
                deleteRange(caret, caret + 1);
            break;
        case Qt::Key_Insert:
            memo_.setInsertMode(!memo_.insertMode());
            viewport()->update();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            memo_.typeChar(ctrl ? '\n' : '\r');
            break;
        case Qt::Key_Tab:
            memo_.typeChar('\t');
            break;
        default: {
            const QByteArray bytes = event->text().toUtf8();
            if (bytes.isEmpty() || ctrl) {
                QAbstractScrollArea::keyPressEvent(event);
                return;
            }
            for (char c : bytes)
                memo_.typeChar(static_cast<unsigned char>(c));
        }
        }
    }
    event->accept();
}

void TSyntaxMemoView::inputMethodEvent(QInputMethodEvent* event)
{
    for (char c : event->commitString().toUtf8())
        memo_.typeChar(static_cast<unsigned char>(c));
    event->accept();
}

bool TSyntaxMemoView::focusNextPrevChild(bool next)
{
    // Tab belongs to the text while the editor wants it.
    return memo_.wantTab() ? false : QAbstractScrollArea::focusNextPrevChild(next);
}

void TSyntaxMemoView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        moveCaret(offsetAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void TSyntaxMemoView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        moveCaret(offsetAt(event->position().toPoint()), true);
}

void TSyntaxMemoView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        memo_.selectWordAt(offsetAt(event->position().toPoint()));
}

void TSyntaxMemoView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TSyntaxMemoView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace tessaly::widgets
