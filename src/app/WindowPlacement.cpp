#include "app/WindowPlacement.h"

#include <algorithm>

namespace tessaly::app {

QRect placeNewWindow(const QRect& area, int index, const QSize& minimum)
{
    constexpr int kStep = 24;
    if (area.width() <= 0 || area.height() <= 0)
        return QRect(area.topLeft(), QSize(std::max(area.width(), 0), std::max(area.height(), 0)));
    // How many steps fit before the window gets too small.
    const int minW = std::max(minimum.width(), area.width() * 2 / 3);
    const int minH = std::max(minimum.height(), area.height() * 2 / 3);
    const int room = std::min(area.width() - minW, area.height() - minH);
    const int steps = std::max(room, 0) / kStep + 1;
    const int offset = (std::max(index, 0) % steps) * kStep;
    return QRect(area.left() + offset, area.top() + offset, area.width() - offset, area.height() - offset);
}

} // namespace tessaly::app

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>

namespace tessaly::app {

namespace {

class TAreaKeeper : public QObject {
public:
    explicit TAreaKeeper(QMdiArea& area) : QObject(&area), area_(area) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == area_.viewport() && event->type() == QEvent::Resize) {
            const auto* resize = static_cast<QResizeEvent*>(event);
            const QRect before(QPoint(0, 0), resize->oldSize());
            const QRect now(QPoint(0, 0), resize->size());
            for (QMdiSubWindow* w : area_.subWindowList()) {
                if (w->isMaximized() || w->isMinimized() || !w->isVisible())
                    continue;
                QRect g = w->geometry();
                if (!before.isValid() || !before.contains(g) || now.contains(g))
                    continue;
                g.moveLeft(std::max(0, std::min(g.left(), now.width() - g.width())));
                g.moveTop(std::max(0, std::min(g.top(), now.height() - g.height())));
                g = g.intersected(now);
                w->setGeometry(g);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMdiArea& area_;
};

} // namespace

void keepWindowsInside(QMdiArea& area)
{
    area.viewport()->installEventFilter(new TAreaKeeper(area));
}

} // namespace tessaly::app
