#include "widgets/SyntaxMemoView.h"

#include <QScrollBar>
#include <QtTest>

using tessaly::widgets::TSyntaxMemoView;

class SyntaxMemoViewTest : public QObject {
    Q_OBJECT
private slots:
    void typingGoesToTheEngine()
    {
        TSyntaxMemoView view;
        view.resize(400, 300);
        view.show();
        QTest::keyClicks(&view, "ab");
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClicks(&view, "c");
        QCOMPARE(QString::fromStdString(view.memo().text()), QStringLiteral("ab\r\nc"));
        QTest::keyClick(&view, Qt::Key_Backspace);
        QTest::keyClick(&view, Qt::Key_Up);
        QTest::keyClick(&view, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(view.memo().selText()), QStringLiteral("ab"));
        QTest::keyClick(&view, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(view.memo().selText()), QStringLiteral(""));
        QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(view.memo().text()), QStringLiteral("ab\r\nc"));
    }

    void clickPlacesTheCaretAndChangesAreSignalled()
    {
        TSyntaxMemoView view;
        view.resize(400, 300);
        view.show();
        QSignalSpy spy(&view, &TSyntaxMemoView::changed);
        view.memo().setSelText("hello\r\nworld");
        QVERIFY(spy.count() >= 1);
        const int lh = view.fontMetrics().height();
        const int cw = view.fontMetrics().horizontalAdvance(QLatin1Char('M'));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(3 * cw + 1, lh + lh / 2));
        QCOMPARE(view.memo().caret(), std::int64_t{6 + 3}); // "hello" and its line break, then 3
        QCOMPARE(view.offsetAt(QPoint(-5, -5)), std::int64_t{0});
    }

    void scrollingFollowsTheCaret()
    {
        TSyntaxMemoView view;
        view.resize(300, 200);
        view.show();
        std::string text;
        for (int i = 0; i < 500; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        view.memo().setSelText(text);
        QVERIFY(view.memo().topLine() > 400);
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view.memo().topLine(), std::int64_t{0});
        QCOMPARE(view.verticalScrollBar()->value(), 0);
        view.verticalScrollBar()->setValue(100);
        QCOMPARE(view.memo().topLine(), std::int64_t{100});
    }
};

QTEST_MAIN(SyntaxMemoViewTest)
#include "SyntaxMemoViewTest.moc"
