#include "app/MDIChild.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

namespace tessaly::app {

TMDIChild::TMDIChild(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The window's own system menu would claim the desktop's Close keys
    // (Ctrl+W among them), which belong to the main window's Close item:
    // with two owners Qt runs neither. The menu keeps its other keys, but
    // only for the window that holds the focus; otherwise every document
    // window would own them and, with two documents, none would act.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence ctrlW(Qt::CTRL | Qt::Key_W);
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            if (keys.removeAll(ctrlW) > 0)
                a->setShortcuts(keys);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        }
    }
}

void TMDIChild::activated()
{
    if (onActivate)
        onActivate(*this);
}

void TMDIChild::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    const bool queried = closeQueried_;
    closeQueried_ = false;
    if (!queried && !closeQuery()) {
        event->ignore();
        return;
    }
    TCloseAction action = TCloseAction::free;
    closing_ = true;
    if (onClose)
        onClose(*this, action);
    closing_ = action == TCloseAction::free;
    switch (action) {
    case TCloseAction::keep:
        event->ignore();
        return;
    case TCloseAction::minimize:
        event->ignore();
        showMinimized();
        return;
    case TCloseAction::hide:
        event->ignore();
        hide();
        return;
    case TCloseAction::free:
        QMdiSubWindow::closeEvent(event);
        return;
    }
}

} // namespace tessaly::app
