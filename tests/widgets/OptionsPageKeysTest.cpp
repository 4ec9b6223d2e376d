// The Editor Options dialog's keys for changing pages: Ctrl+Tab and
// Ctrl+PgDown go to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the
// previous one, wrapping around, wherever the focus is; Tab alone still moves
// the focus within the page.
#include "parser/BuiltinDefinitions.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "platform/ScriptedDialogs.h"
#include "widgets/OptionsDialog.h"

#include <QApplication>
#include <QTabWidget>
#include <QtTest>

using tessaly::widgets::TOptionsDialog;

class OptionsPageKeysTest : public QObject {
    Q_OBJECT

    struct Fixture {
        tessaly::parser::TSyntaxMemoParser parser;
        tessaly::platform::TScriptedDialogs dialogs;
        std::unique_ptr<TOptionsDialog> dialog;
        Fixture()
        {
            parser.setParser(tessaly::parser::builtinParserForm(tessaly::parser::BuiltinLanguage::HTML));
            dialog = std::make_unique<TOptionsDialog>(parser, dialogs);
            dialog->show();
            dialog->activateWindow();
        }
        // The key as the user presses it: to the widget with the focus.
        void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
        {
            QWidget* target = QApplication::focusWidget();
            QVERIFY(target);
            QTest::keyClick(target, key, modifiers);
        }
    };

private slots:
    void controlKeysWalkThePagesFromAnyFocus()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
        QTabWidget& pages = f.dialog->pages();
        const int n = pages.count();
        QCOMPARE(pages.currentIndex(), 0);
        // Forward through every page and around, the focus inside each.
        for (int step = 1; step <= n; ++step) {
            QVERIFY(pages.currentWidget()->isAncestorOf(QApplication::focusWidget()));
            f.press(step % 2 ? Qt::Key_Tab : Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(pages.currentIndex(), step % n);
        }
        // And back.
        for (int step = 1; step <= n; ++step) {
            if (step % 2)
                f.press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
            else
                f.press(Qt::Key_PageUp, Qt::ControlModifier);
            QCOMPARE(pages.currentIndex(), (n - step) % n);
        }
    }

    // Tab moves the focus within the page and leaves the page alone.
    void tabAloneMovesTheFocus()
    {
        Fixture f;
        QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
        QWidget* before = QApplication::focusWidget();
        f.press(Qt::Key_Tab, Qt::NoModifier);
        QCOMPARE(f.dialog->pages().currentIndex(), 0);
        QVERIFY(QApplication::focusWidget() != before);
    }
};

QTEST_MAIN(OptionsPageKeysTest)
#include "OptionsPageKeysTest.moc"
