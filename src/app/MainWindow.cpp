#include "app/MainWindow.h"

#include <QPlainTextEdit>

namespace tessaly::app {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral(" Tessaly"));
    setCentralWidget(new QPlainTextEdit(this));
    resize(900, 650);
}

} // namespace tessaly::app
