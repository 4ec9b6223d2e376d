// Mouse and drops: clicks place the caret, drags select (scrolling past the
// edges), double-clicks select words, the gutter reports clicks, and text or
// files can be dropped.
#include "widgets/SyntaxMemoView.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

namespace tessaly::widgets {

namespace {

memo::TSyntaxMemo::TCaretAffinity affinity(bool pieceEnd)
{
    return pieceEnd ? memo::TSyntaxMemo::TCaretAffinity::pieceEnd : memo::TSyntaxMemo::TCaretAffinity::nextPiece;
}

} // namespace

void TSyntaxMemoView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (showGutter() && pos.x() < textLeft() - margin_) {
        std::int64_t rec = std::clamp<std::int64_t>(memo_.topLine() + pos.y() / lineHeight_, 0,
                                                    memo_.store().recordCount().value() - 1);
        if (memo_.hasOption(memo::TSyntaxMemoOption::smoWordWrap))
            while (rec > 0 && (memo_.store().meta(memo::TRecordIndex(rec)).bookmarks & memo::kContinuationBit))
                --rec;
        emit gutterClick(rec + 1);
        return;
    }
    bool pieceEnd = false;
    const std::int64_t off = offsetAt(pos, &pieceEnd);
    const std::int64_t a = std::min(memo_.anchor(), memo_.caret());
    const std::int64_t b = std::max(memo_.anchor(), memo_.caret());
    pressPos_ = pos;
    // A press inside the selection may start dragging it away.
    maybeDragging_ = memo_.hasOption(memo::TSyntaxMemoOption::smoOLEDragSource) && a != b && off >= a && off < b
        && !(event->modifiers() & Qt::ShiftModifier);
    if (maybeDragging_)
        return;
    selecting_ = true;
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    memo_.setSelection(extend ? memo_.anchor() : off, off, false, affinity(pieceEnd));
}

void TSyntaxMemoView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    lastMousePos_ = pos;
    if (maybeDragging_ && (event->buttons() & Qt::LeftButton)) {
        if ((pos - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
            maybeDragging_ = false;
            startTextDrag();
        }
        return;
    }
    if (!selecting_ || !(event->buttons() & Qt::LeftButton))
        return;
    bool pieceEnd = false;
    const std::int64_t off = offsetAt(pos, &pieceEnd);
    memo_.setSelection(memo_.anchor(), off, false, affinity(pieceEnd));
    // Past an edge the text scrolls on its own while the button is held.
    const bool outside = !viewport()->rect().contains(pos);
    if (outside && !autoScroll_.isActive())
        autoScroll_.start();
    else if (!outside)
        autoScroll_.stop();
}

void TSyntaxMemoView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (maybeDragging_) {
            // A click inside the selection without a drag places the caret.
            maybeDragging_ = false;
            bool pieceEnd = false;
            const std::int64_t off = offsetAt(event->position().toPoint(), &pieceEnd);
            memo_.setSelection(off, off, false, affinity(pieceEnd));
        }
        selecting_ = false;
        autoScroll_.stop();
        event->accept();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void TSyntaxMemoView::autoScrollStep()
{
    if (!selecting_) {
        autoScroll_.stop();
        return;
    }
    const QRect r = viewport()->rect();
    const QPoint p = lastMousePos_;
    if (p.y() < r.top())
        memo_.setTopLine(memo_.topLine() - 1);
    else if (p.y() > r.bottom())
        memo_.setTopLine(memo_.topLine() + 1);
    if (p.x() < textLeft())
        memo_.setLeftColumn(memo_.leftColumn() - 1);
    else if (p.x() > r.right())
        memo_.setLeftColumn(memo_.leftColumn() + 1);
    bool pieceEnd = false;
    const std::int64_t off = offsetAt(p, &pieceEnd);
    memo_.setSelection(memo_.anchor(), off, true, affinity(pieceEnd));
    memo_.changed(memo::ckSelection);
    viewport()->update();
}

void TSyntaxMemoView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (showGutter() && pos.x() < textLeft() - margin_)
        return;
    if (memo_.hasOption(memo::TSyntaxMemoOption::smoWordSelect))
        memo_.selectWordAt(offsetAt(pos));
    selecting_ = false;
}

// --- drag and drop ----------------------------------------------------------------

void TSyntaxMemoView::startTextDrag()
{
    auto* mime = new QMimeData;
    mime->setText(textToQString(memo_.selText()));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(memo_.readOnly() ? Qt::CopyAction : Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
}

bool TSyntaxMemoView::acceptsDrop(const QMimeData* mime) const
{
    if (!mime)
        return false;
    if (mime->hasUrls() && memo_.hasOption(memo::TSyntaxMemoOption::smoProcessDroppedFiles))
        return true;
    return !memo_.readOnly() && (mime->hasText() || mime->hasHtml());
}

void TSyntaxMemoView::dragEnterEvent(QDragEnterEvent* event)
{
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void TSyntaxMemoView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!acceptsDrop(event->mimeData()))
        return;
    event->acceptProposedAction();
    // Show where the text would go.
    const std::int64_t at = offsetAt(event->position().toPoint());
    if (at != dropCaret_) {
        dropCaret_ = at;
        viewport()->update();
    }
}

void TSyntaxMemoView::dragLeaveEvent(QDragLeaveEvent*)
{
    dropCaret_ = -1;
    viewport()->update();
}

void TSyntaxMemoView::dropEvent(QDropEvent* event)
{
    dropCaret_ = -1;
    const QMimeData* mime = event->mimeData();
    const QPoint pos = event->position().toPoint();
    if (mime->hasUrls() && memo_.hasOption(memo::TSyntaxMemoOption::smoProcessDroppedFiles)) {
        QStringList files;
        for (const QUrl& u : mime->urls())
            if (u.isLocalFile())
                files << u.toLocalFile();
        if (!files.isEmpty()) {
            emit filesDropped(files, pos);
            event->acceptProposedAction();
            return;
        }
    }
    if (memo_.readOnly() || !(mime->hasText() || mime->hasHtml()))
        return;
    std::uint32_t sources = mime->hasHtml() ? memo::dsHtml : memo::dsText;
    if (memo_.onDataDrop)
        memo_.onDataDrop(memo_, sources);
    std::string text;
    if ((sources & memo::dsHtml) && mime->hasHtml())
        text = memo::TSyntaxMemo::filterHtml(mime->html().toStdString(), sources);
    else if (sources & (memo::dsText | memo::dsHtml))
        text = mime->text().toStdString();
    else
        return;
    const bool move = event->source() == this && event->dropAction() == Qt::MoveAction;
    dropText(text, offsetAt(pos), move);
    event->acceptProposedAction();
    setFocus();
}

void TSyntaxMemoView::dropText(const std::string& text, std::int64_t offset, bool move)
{
    if (memo_.readOnly())
        return;
    const std::int64_t a = std::min(memo_.anchor(), memo_.caret());
    const std::int64_t b = std::max(memo_.anchor(), memo_.caret());
    if (move && offset >= a && offset <= b)
        return; // onto itself
    memo_.openUndoGroup(memo::ugDrop);
    std::int64_t at = offset;
    if (move && a != b) {
        // Remove the source first when it lies before the drop point.
        if (offset > b) {
            memo_.setSelection(a, b, true);
            memo_.insertStream({});
            at -= b - a;
        } else {
            memo_.setSelection(offset, offset, true);
            memo_.insertStream(text);
            const std::int64_t added = memo_.caret() - offset;
            memo_.setSelection(a + added, b + added, true);
            memo_.insertStream({});
            memo_.setSelection(offset, offset + added, true);
            memo_.closeUndoGroup(memo::ugDrop);
            memo_.changed(memo::ckText | memo::ckSelection);
            viewport()->update();
            return;
        }
    }
    memo_.setSelection(at, at, true);
    memo_.insertStream(text);
    memo_.setSelection(at, memo_.caret(), true);
    memo_.closeUndoGroup(memo::ugDrop);
    memo_.changed(memo::ckText | memo::ckSelection);
    memo_.scrollCaret();
    viewport()->update();
}

} // namespace tessaly::widgets
