#include "widgets/PageSwitchKeys.h"

#include <QKeySequence>
#include <QShortcut>
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

void addKeys(QTabWidget& pages, QWidget& scope, const QList<QKeySequence>& keys, int step)
{
    auto* shortcut = new QShortcut(&scope);
    shortcut->setKeys(keys);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &pages, [&pages, step] { showPage(pages, step); });
}

} // namespace

void addPageSwitchKeys(QTabWidget& pages, QWidget& scope)
{
    addKeys(pages, scope, {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    // Shift+Tab arrives as Backtab, with or without the Shift reported.
    addKeys(pages, scope,
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            -1);
}

} // namespace tessaly::widgets
