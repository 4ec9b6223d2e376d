// Tessaly: program entry.
#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane Tessaly"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    tessaly::app::MainWindow window;
    window.show();
    return app.exec();
}
