#include "app/MainWindow.h"

#include <QtTest>

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionAndCentralWidget()
    {
        tessaly::app::MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral(" Tessaly"));
        QVERIFY(window.centralWidget() != nullptr);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
