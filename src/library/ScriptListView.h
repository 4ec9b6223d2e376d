#pragma once

#include <QTreeWidget>

#include <functional>

namespace tessaly::library {

// The list of scripts (`TreeView1`): two columns, whole rows, read-only.
// Its entries can be dragged out as the script files they name (so a drop on
// the main window opens them); files dropped on it from elsewhere are
// offered through filesDropped. Delete asks for a removal through
// deletePressed.
class TScriptListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TScriptListView(QWidget* parent = nullptr);

    // The script file of an entry, for dragging; empty when it has none.
    std::function<QString(QTreeWidgetItem*)> pathOf;

signals:
    void deletePressed();
    void filesDropped(const QStringList& files);
    // The focus went elsewhere by the user's doing (a click, Tab), not by a
    // dialog or menu opening over the window.
    void focusLeft();

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    // Entries are only ever copied out: a drag never takes them off the list.
    void startDrag(Qt::DropActions supportedActions) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Whether a drag carries local files from outside this list.
    bool isFileDrop(const QDropEvent* event) const;
};

} // namespace tessaly::library
