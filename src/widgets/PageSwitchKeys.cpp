#include "widgets/PageSwitchKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>

namespace tessaly::widgets {

namespace {

void showPage(QTabWidget& pages, int step)
{
    const int n = pages.count();
    if (n < 2)
        return;
    pages.setCurrentIndex((pages.currentIndex() + step + n) % n);
    QWidget* page = pages.currentWidget();
    for (QWidget* w : page->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(page) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    pages.tabBar()->setFocus(Qt::TabFocusReason);
}

// +1 for the next page, -1 for the previous one, 0 for any other key.
int pageStep(const QKeyEvent& e)
{
    if (!(e.modifiers() & Qt::ControlModifier))
        return 0;
    const bool shift = e.modifiers() & Qt::ShiftModifier;
    switch (e.key()) {
    case Qt::Key_Tab:
        return shift ? -1 : 1;
    case Qt::Key_Backtab:
        return -1;
    case Qt::Key_PageDown:
        return 1;
    case Qt::Key_PageUp:
        return -1;
    default:
        return 0;
    }
}

// Watches the application's key events and takes the page keys pressed
// anywhere inside the scope, before the focused field sees them. Shortcuts
// would not do: a focused list or the tab widget itself claims some of these
// keys first, and X reports Shift+Tab in more than one form.
class TPageKeyFilter : public QObject {
public:
    TPageKeyFilter(QTabWidget& pages, QWidget& scope)
        : QObject(&scope), pages_(&pages), scope_(&scope)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
            return false;
        auto* target = qobject_cast<QWidget*>(watched);
        if (!target || !pages_ || !scope_ || (target != scope_ && !scope_->isAncestorOf(target)))
            return false;
        const int step = pageStep(*static_cast<QKeyEvent*>(event));
        if (step == 0)
            return false;
        if (type == QEvent::ShortcutOverride) {
            // Keep the key from any shortcut; it comes back as a key press.
            event->accept();
            return true;
        }
        showPage(*pages_, step);
        return true;
    }

private:
    QPointer<QTabWidget> pages_;
    QPointer<QWidget> scope_;
};

} // namespace

void addPageSwitchKeys(QTabWidget& pages, QWidget& scope)
{
    new TPageKeyFilter(pages, scope);
}

} // namespace tessaly::widgets
