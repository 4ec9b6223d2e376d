#include "app/MDIChild.h"

#include <QCloseEvent>

namespace tessaly::app {

TMDIChild::TMDIChild(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
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
