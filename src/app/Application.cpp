#include "app/Application.h"

#include <QMessageBox>

namespace tessaly::app {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), applicationName(), QString::fromStdString(error.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), applicationName(), QStringLiteral("Unknown error"));
    }
    return false;
}

} // namespace tessaly::app
