#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tessaly::app {

// Turns SIGTERM and SIGHUP (a logout, `kill`, a system shutdown) into a call
// on the GUI thread, so the program can write what must not be lost before
// it ends. The signal handler only writes a byte to a socket pair; the rest
// runs from the event loop.
class TTerminationGuard : public QObject {
    Q_OBJECT
public:
    explicit TTerminationGuard(std::function<void()> onTerminate, QObject* parent = nullptr);
    ~TTerminationGuard() override;

private:
    std::function<void()> onTerminate_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace tessaly::app
