// What a new user meets first: the keyboard focus goes to the text of the
// document brought to the front, new windows lie inside the document area,
// a file opens in the language of its type, and the next and previous
// document are a key press away while typing.
#include "ShellTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QScrollBar>

using namespace shelltest;

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

} // namespace

class FirstMinutesTest : public QObject {
    Q_OBJECT

    // A main window that has the input focus, as after the user's first click.
    void startActive(Shell& s)
    {
        s.start();
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
    }

private slots:
    void newAndOpenGiveTheTextTheFocus()
    {
        Shell s;
        startActive(s);
        TEditor* a = s.form->newClick();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&a->code()));
        writeFile(s.path(QStringLiteral("page.html")), "<HTML>\r\n");
        TEditor* b = s.form->openFile(s.path(QStringLiteral("page.html")).toStdString());
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&b->code()));
        // Typing goes in at once.
        QTest::keyClicks(focused(), "ab");
        QCOMPARE(b->memo().lines().text().substr(0, 8), std::string("ab<HTML>"));
    }

    void everyWayOfSwitchingDocumentsFocusesTheText()
    {
        Shell s;
        startActive(s);
        TEditor* a = s.form->newClick();
        TEditor* b = s.form->newClick();
        TEditor* c = s.form->newClick();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&c->code()));

        // By its tab.
        s.form->mdiTab()->setTabIndex(0);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&a->code()));
        // By Next and Previous.
        s.form->nextClick();
        QTRY_COMPARE(s.form->activeEditor(), b);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&b->code()));
        s.form->previousClick();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&a->code()));
        // By the window list of the Window menu.
        s.dropDown(s.form->windowMenu());
        const QList<QAction*> items = s.form->windowMenu()->actions();
        items.last()->trigger();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&c->code()));
        // Closing a window brings the next one with the focus in its text.
        c->close();
        QTRY_VERIFY(s.form->activeEditor() != nullptr);
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&s.form->activeEditor()->code()));
    }

    void aClosedDialogGivesTheFocusBack()
    {
        Shell s;
        startActive(s);
        TEditor* a = s.form->newClick();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&a->code()));
        // Somewhere else had the focus when the dialog opened (a toolbar
        // button that takes it, say).
        s.form->mdiTab()->setFocus();
        QDialog dialog(s.form.get());
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.accept();
        s.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.form.get()));
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&a->code()));
    }

    void newWindowsLieInsideTheArea()
    {
        Shell s;
        s.start();
        s.form->resize(700, 520);
        for (int i = 0; i < 12; ++i) {
            TEditor* e = s.form->newClick();
            QApplication::processEvents();
            const QRect area = s.form->mdiArea()->viewport()->rect();
            QVERIFY2(area.contains(e->geometry()),
                     qPrintable(QStringLiteral("window %1 at %2,%3 %4x%5 outside %6x%7")
                                    .arg(i)
                                    .arg(e->x())
                                    .arg(e->y())
                                    .arg(e->width())
                                    .arg(e->height())
                                    .arg(area.width())
                                    .arg(area.height())));
        }
        // Windows placed earlier stay inside as the tab bar takes more rows.
        const QRect area = s.form->mdiArea()->viewport()->rect();
        for (TEditor* e : s.form->editors())
            QVERIFY(area.contains(e->geometry()));
        QVERIFY(!s.form->mdiArea()->horizontalScrollBar()->isVisible());
        QVERIFY(!s.form->mdiArea()->verticalScrollBar()->isVisible());
        // A smaller main window keeps them inside too.
        s.form->resize(600, 450);
        QApplication::processEvents();
        const QRect smaller = s.form->mdiArea()->viewport()->rect();
        for (TEditor* e : s.form->editors())
            QVERIFY(smaller.contains(e->geometry()));
    }

    void maximisedFollowsMaximised()
    {
        Shell s;
        s.start();
        TEditor* a = s.form->newClick();
        QVERIFY(!a->isMaximized());
        a->showMaximized();
        TEditor* b = s.form->newClick();
        QVERIFY(b->isMaximized());
        b->showNormal();
        TEditor* c = s.form->newClick();
        QVERIFY(!c->isMaximized());
    }

    void theLanguageFollowsTheFileType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("parser");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("status");
        const QString html = QStringLiteral("HTML");
        for (const char* n : {"a.html", "a.htm", "a.shtml", "a.xhtml", "a.asp", "a.asa", "a.inc", "UPPER.HTML"})
            QTest::newRow(n) << QString::fromLatin1(n) << 1 << QStringLiteral("High3") << html;
        for (const char* n : {"a.js", "a.mjs", "a.json"})
            QTest::newRow(n) << QString::fromLatin1(n) << 2 << QStringLiteral("High1") << QStringLiteral("Java Script");
        QTest::newRow("a.vbs") << QStringLiteral("a.vbs") << 3 << QStringLiteral("High2") << QStringLiteral("VB Script");
        for (const char* n : {"a.txt", "a.log", "a.md"})
            QTest::newRow(n) << QString::fromLatin1(n) << 4 << QStringLiteral("High4") << QStringLiteral("No Highlighting");
        // Any other name keeps the default of a new document.
        for (const char* n : {"a.java", "noextension", "a.html.bak"})
            QTest::newRow(n) << QString::fromLatin1(n) << 2 << QStringLiteral("High1") << QStringLiteral("Java Script");
    }

    void theLanguageFollowsTheFileType()
    {
        QFETCH(QString, name);
        QFETCH(int, parser);
        QFETCH(QString, item);
        QFETCH(QString, status);
        Shell s;
        s.start();
        // Another language is checked before: the open must not keep it.
        TEditor* other = s.form->newClick();
        s.form->languageClick(parser == 3 ? 4 : 3);
        writeFile(s.path(name), "x\r\n");
        TEditor* e = s.form->openFile(s.path(name).toStdString());
        QCOMPARE(e->activeParser(), parser);
        QCOMPARE(e->memo().activeParser(), parser);
        QVERIFY(s.form->item(item)->isChecked());
        QCOMPARE(e->statusBar().text(2), status);
        QVERIFY(!e->modified());
        // The other document keeps its own language.
        s.form->mdiArea()->setActiveSubWindow(other);
        QCOMPARE(other->activeParser(), parser == 3 ? 4 : 3);
    }

    void newDocumentsKeepTheDefaultLanguage()
    {
        Shell s;
        s.start();
        writeFile(s.path(QStringLiteral("a.vbs")), "x\r\n");
        s.form->openFile(s.path(QStringLiteral("a.vbs")).toStdString());
        TEditor* e = s.form->newClick();
        QCOMPARE(e->activeParser(), 2);
        QVERIFY(s.item("High1")->isChecked());
    }

    void nextAndPreviousWhileTyping()
    {
        Shell s;
        startActive(s);
        TEditor* a = s.form->newClick();
        TEditor* b = s.form->newClick();
        TEditor* c = s.form->newClick();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&c->code()));
        const auto key = [](Qt::Key k, Qt::KeyboardModifiers m) { QTest::keyClick(focused(), k, m); };

        // Ctrl+Right and Ctrl+Left are word moves in the text.
        c->memo().setSelection(0, 0);
        key(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(s.form->activeEditor(), c);
        QVERIFY(c->memo().selStart() > 0);
        key(Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(s.form->activeEditor(), c);
        QCOMPARE(c->memo().selStart(), std::int64_t(0));

        const QList<TEditor*> order = s.form->editors();
        QCOMPARE(order, (QList<TEditor*>{a, b, c}));
        key(Qt::Key_Tab, Qt::ControlModifier);
        QTRY_VERIFY(s.form->activeEditor() != c);
        TEditor* afterTab = s.form->activeEditor();
        QTRY_COMPARE(focused(), static_cast<QWidget*>(&afterTab->code()));
        key(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(s.form->activeEditor(), c);
        key(Qt::Key_PageDown, Qt::ControlModifier);
        QTRY_COMPARE(s.form->activeEditor(), afterTab);
        key(Qt::Key_PageUp, Qt::ControlModifier);
        QTRY_COMPARE(s.form->activeEditor(), c);
        // The text itself was not touched by any of these keys.
        QVERIFY(!c->modified());
        QVERIFY(!afterTab->modified());
    }
};

QTEST_MAIN(FirstMinutesTest)
#include "FirstMinutesTest.moc"
