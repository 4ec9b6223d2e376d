#pragma once

#include "memo/MemoProgress.h"

#include <QElapsedTimer>
#include <QObject>

namespace tessaly::widgets {

// Keeps the program alive during a long search or Replace All, which runs
// on the GUI thread: once the operation has run busyAfterMs it shows the
// busy cursor and from then on lets the event loop paint now and then. User
// input meanwhile is held back, except Escape, which stops the operation.
class TSearchProgress final : public QObject, public memo::TMemoProgress {
public:
    static constexpr qint64 busyAfterMs = 200;
    // Least time between two turns of the event loop.
    static constexpr qint64 pollEveryMs = 30;

    explicit TSearchProgress(QObject* parent = nullptr);
    ~TSearchProgress() override;

    void begin() override;
    bool keepGoing() override;
    void end() override;

    bool busy() const { return busy_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stopBeingBusy();

    QElapsedTimer clock_;
    qint64 lastPoll_ = 0;
    int depth_ = 0;
    bool busy_ = false;
    bool stop_ = false;
};

} // namespace tessaly::widgets
