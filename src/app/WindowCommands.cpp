#include "app/WindowCommands.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>

namespace tessaly::app {

TWindowCommands::TWindowCommands(Host& host, QMdiArea& area, QMenu& menu, QObject* parent)
    : QObject(parent)
    , host_(host)
    , area_(area)
    , menu_(menu)
{
}

void TWindowCommands::tile() { area_.tileSubWindows(); }

void TWindowCommands::cascade() { area_.cascadeSubWindows(); }

void TWindowCommands::arrangeIcons()
{
    const QRect area = area_.viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : area_.subWindowList()) {
        if (!w->isMinimized())
            continue;
        const QSize s = w->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        if (rowHeight == 0)
            rowHeight = s.height();
        w->move(x, y - rowHeight);
        x += s.width();
    }
}

void TWindowCommands::next() { area_.activateNextSubWindow(); }

void TWindowCommands::previous() { area_.activatePreviousSubWindow(); }

void TWindowCommands::minimizeAll()
{
    const QList<QMdiSubWindow*> list = area_.subWindowList();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)->showMinimized();
}

void TWindowCommands::fillWindowList()
{
    for (QAction* a : std::as_const(listItems_)) {
        menu_.removeAction(a);
        a->deleteLater();
    }
    listItems_.clear();
    const QList<QMdiSubWindow*> docs = host_.documentWindows();
    if (docs.isEmpty())
        return;
    listItems_.append(menu_.addSeparator());
    QMdiSubWindow* active = host_.activeDocumentWindow();
    int n = 0;
    for (QMdiSubWindow* w : docs) {
        ++n;
        QString caption = w->windowTitle();
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* a = new QAction(n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(caption) : caption, &menu_);
        a->setCheckable(true);
        a->setChecked(w == active);
        connect(a, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(w)] {
            if (!window)
                return;
            if (window->isMinimized())
                window->showNormal();
            area_.setActiveSubWindow(window);
        });
        menu_.addAction(a);
        listItems_.append(a);
    }
}

QString TWindowCommands::check() const
{
    const QList<QAction*> actions = menu_.actions();
    if (listItems_.size() > actions.size())
        return QStringLiteral("the list has more items than the menu");
    if (actions.mid(actions.size() - listItems_.size()) != listItems_)
        return QStringLiteral("the list is not the end of the menu");
    if (!listItems_.isEmpty() && !listItems_.first()->isSeparator())
        return QStringLiteral("the list does not start with a separator");
    return {};
}

} // namespace tessaly::app
