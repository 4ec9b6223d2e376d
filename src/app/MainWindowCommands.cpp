// The Window menu: arranging the document windows, moving between them and
// the list of open windows at the end of the menu.
#include "app/MainForm.h"

#include "app/Editor.h"

#include <QMdiArea>
#include <QMenu>
#include <QPointer>

namespace tessaly::app {

void TMainForm::tileClick()
{
    mdiArea_->tileSubWindows();
}

void TMainForm::cascadeClick()
{
    mdiArea_->cascadeSubWindows();
}

void TMainForm::arrangeIconsClick()
{
    // Minimised windows line up along the bottom of the area, left to right,
    // wrapping upwards when a row is full.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : mdiArea_->subWindowList()) {
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

void TMainForm::nextClick()
{
    mdiArea_->activateNextSubWindow();
}

void TMainForm::previousClick()
{
    mdiArea_->activatePreviousSubWindow();
}

void TMainForm::minimizeAllClick()
{
    const QList<QMdiSubWindow*> list = mdiArea_->subWindowList();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)->showMinimized();
}

void TMainForm::fillWindowList()
{
    for (QAction* a : windowListItems_) {
        windowMenu_->removeAction(a);
        a->deleteLater();
    }
    windowListItems_.clear();
    const QList<TEditor*> docs = editors();
    if (docs.isEmpty())
        return;
    windowListItems_.append(windowMenu_->addSeparator());
    TEditor* active = activeEditor();
    int n = 0;
    for (TEditor* e : docs) {
        ++n;
        QString caption = e->caption();
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto* a = new QAction(n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(caption) : caption, windowMenu_);
        a->setCheckable(true);
        a->setChecked(e == active);
        connect(a, &QAction::triggered, this, [this, w = QPointer<TEditor>(e)] {
            if (!w)
                return;
            if (w->isMinimized())
                w->showNormal();
            mdiArea_->setActiveSubWindow(w);
        });
        windowMenu_->addAction(a);
        windowListItems_.append(a);
    }
}

} // namespace tessaly::app
