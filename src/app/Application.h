#pragma once

#include <QApplication>

namespace tessaly::app {

// The application object. An error that escapes an event handler is shown
// in a message box and the run goes on, so no unexpected failure of a
// command ends the program with documents unsaved.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tessaly::app
