#include "library/ScriptListView.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QUrl>

namespace tessaly::library {

TScriptListView::TScriptListView(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView1"));
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("Description"), QStringLiteral("Type")});
    setColumnWidth(0, 110);
    setColumnWidth(1, 65);
    header()->setStretchLastSection(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

QStringList TScriptListView::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData* TScriptListView::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    QList<QUrl> urls;
    for (QTreeWidgetItem* item : items) {
        const QString path = pathOf ? pathOf(item) : QString();
        if (!path.isEmpty())
            urls.append(QUrl::fromLocalFile(path));
    }
    if (urls.isEmpty())
        return nullptr;
    auto* data = new QMimeData;
    data->setUrls(urls);
    return data;
}

void TScriptListView::startDrag(Qt::DropActions)
{
    QMimeData* data = mimeData(selectedItems());
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    if (QTreeWidgetItem* item = currentItem(); item && !item->icon(0).isNull())
        drag->setPixmap(item->icon(0).pixmap(iconSize()));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void TScriptListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TScriptListView::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    const Qt::FocusReason r = event->reason();
    if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason && r != Qt::MenuBarFocusReason)
        emit focusLeft();
}

bool TScriptListView::isFileDrop(const QDropEvent* event) const
{
    if (event->source() == this || !event->mimeData() || !event->mimeData()->hasUrls())
        return false;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            return true;
    return false;
}

void TScriptListView::dragEnterEvent(QDragEnterEvent* event)
{
    // A drag of our own entries is taken here and dropped on nothing, so
    // letting go over the list does not open the script.
    if (event->source() == this || isFileDrop(event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TScriptListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->source() == this || isFileDrop(event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TScriptListView::dropEvent(QDropEvent* event)
{
    if (!isFileDrop(event)) {
        event->ignore();
        return;
    }
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit filesDropped(files);
}

} // namespace tessaly::library
