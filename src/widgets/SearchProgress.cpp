#include "widgets/SearchProgress.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

namespace tessaly::widgets {

TSearchProgress::TSearchProgress(QObject* parent) : QObject(parent) {}

TSearchProgress::~TSearchProgress()
{
    stopBeingBusy();
}

void TSearchProgress::begin()
{
    if (depth_++ > 0)
        return;
    clock_.start();
    lastPoll_ = 0;
    stop_ = false;
}

bool TSearchProgress::keepGoing()
{
    if (stop_)
        return false;
    if (depth_ == 0 || clock_.elapsed() < busyAfterMs)
        return true;
    if (!busy_) {
        busy_ = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::instance()->installEventFilter(this);
    }
    const qint64 now = clock_.elapsed();
    if (now - lastPoll_ >= pollEveryMs) {
        lastPoll_ = now;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return !stop_;
}

void TSearchProgress::end()
{
    if (depth_ == 0 || --depth_ > 0)
        return;
    stopBeingBusy();
}

void TSearchProgress::stopBeingBusy()
{
    if (!busy_)
        return;
    busy_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
}

bool TSearchProgress::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            stop_ = true;
        return true;
    // The text must not change under the search, and no second command may
    // start inside it: input waits (and is dropped) until it is over.
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        event->ignore(); // a close event arrives accepted: refuse it
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tessaly::widgets
