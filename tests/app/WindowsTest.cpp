// Window management: the tab bar in step with the windows, Close All, the
// Window menu, exit with documents open, Save Selection and the about box.
#include "ShellTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMimeData>

using namespace shelltest;
using tessaly::app::EMDITab;
using tessaly::app::TMDITab;

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void closeAllAnsweringNoClosesEverything()
    {
        Shell s;
        s.start();
        for (int i = 0; i < 3; ++i)
            Shell::touch(s.form->newClick());
        s.dialogs->answers = {TMsgAnswer::no, TMsgAnswer::no, TMsgAnswer::no};
        QVERIFY(s.form->closeAllClick());
        QTRY_COMPARE(s.form->editors().size(), 0);
        QCOMPARE(s.form->mdiTab()->count(), 0);
        QVERIFY(!s.form->tabParent()->isVisible());
        QVERIFY(!s.item("CutButton")->isEnabled());
        QVERIFY(!s.item("Save")->isEnabled());
    }

    void closeAllStopsAtACancel()
    {
        Shell s;
        s.start();
        QList<TEditor*> docs;
        for (int i = 0; i < 3; ++i) {
            docs.append(s.form->newClick());
            Shell::touch(docs.back());
        }
        s.dialogs->answers = {TMsgAnswer::no, TMsgAnswer::cancel};
        QVERIFY(!s.form->closeAllClick());
        // The last window is asked first; the Cancel came at the second.
        QTRY_COMPARE(s.form->editors().size(), 2);
        QCOMPARE(s.dialogs->messages.size(), std::size_t(2));
        QCOMPARE(s.form->editors(), (QList<TEditor*>{docs[0], docs[1]}));
        QCOMPARE(s.form->mdiTab()->count(), 2);
        QCOMPARE(s.form->mdiTab()->window(0), docs[0]);
        QCOMPARE(s.form->mdiTab()->window(1), docs[1]);
        QVERIFY(s.form->tabParent()->isVisible());
        QVERIFY(s.item("CutButton")->isEnabled());
        QVERIFY(s.item("Save")->isEnabled());
        QVERIFY(docs[1]->modified());
    }

    void tabSelectionFollowsActivation()
    {
        Shell s;
        s.start();
        TEditor* a = s.form->newClick();
        TEditor* b = s.form->newClick();
        TEditor* c = s.form->newClick();
        QCOMPARE(s.form->mdiTab()->tabIndex(), 2);
        s.form->mdiArea()->setActiveSubWindow(a);
        QCOMPARE(s.form->mdiTab()->tabIndex(), 0);
        s.form->nextClick();
        QCOMPARE(s.form->activeEditor(), b);
        QCOMPARE(s.form->mdiTab()->tabIndex(), 1);
        s.form->previousClick();
        QCOMPARE(s.form->mdiTab()->tabIndex(), 0);

        // The window list at the end of the Window menu.
        s.dropDown(s.form->windowMenu());
        QAction* third = nullptr;
        for (QAction* act : s.form->windowMenu()->actions())
            if (act->text() == QStringLiteral("&3 Untitled"))
                third = act;
        QVERIFY(third);
        third->trigger();
        QCOMPARE(s.form->activeEditor(), c);
        QCOMPARE(s.form->mdiTab()->tabIndex(), 2);

        // Choosing a tab activates its window.
        s.form->mdiTab()->setTabIndex(1);
        QCOMPARE(s.form->activeEditor(), b);
    }

    void aMinimisedDocumentIsRestoredByItsTab()
    {
        Shell s;
        s.start();
        TEditor* a = s.form->newClick();
        s.form->newClick();
        s.form->minimizeAllClick();
        QVERIFY(a->isMinimized());
        s.form->arrangeIconsClick();
        s.form->mdiTab()->setTabIndex(0);
        QVERIFY(!a->isMinimized());
        QCOMPARE(s.form->activeEditor(), a);
    }

    void closingAWindowDropsItsTab()
    {
        Shell s;
        s.start();
        TEditor* a = s.form->newClick();
        TEditor* b = s.form->newClick();
        s.form->mdiTab()->setTabCaption(1, QStringLiteral("renamed"));
        s.form->mdiTab()->setTabCaption(7, QStringLiteral("ignored"));
        s.form->mdiTab()->setTabCaption(-1, QStringLiteral("ignored"));
        a->close();
        QTRY_COMPARE(s.form->mdiTab()->count(), 1);
        QCOMPARE(s.form->mdiTab()->window(0), b);
        QCOMPARE(s.form->mdiTab()->tabCaption(0), QStringLiteral("renamed"));
        s.form->tileClick();
        s.form->cascadeClick();
        QCOMPARE(s.form->mdiTab()->tabIndex(), 0);
    }

    void tabsWrapOntoMoreRows()
    {
        Shell s;
        s.start();
        TMDITab* tabs = s.form->mdiTab();
        s.form->newClick();
        const int oneRow = tabs->heightForWidth(300);
        for (int i = 0; i < 11; ++i)
            s.form->newClick();
        QVERIFY(tabs->heightForWidth(300) > oneRow);
        tabs->resize(300, tabs->heightForWidth(300));
        QVERIFY(tabs->rowCount() > 1);
    }

    void tabBarPlacementRules()
    {
        QWidget plain;
        QVERIFY_THROWS_EXCEPTION(EMDITab, TMDITab{&plain});
        try {
            TMDITab t(&plain);
        } catch (const EMDITab& e) {
            QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("MDITab can be put only on Form."));
        }
        QMainWindow noArea;
        try {
            TMDITab t(&noArea);
            QFAIL("no error");
        } catch (const EMDITab& e) {
            QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("MDITab can be put only on MDIForm."));
        }
        QMainWindow frame;
        frame.setCentralWidget(new QMdiArea);
        new TMDITab(&frame);
        try {
            TMDITab t(&frame);
            QFAIL("no error");
        } catch (const EMDITab& e) {
            QCOMPARE(QString::fromLatin1(e.what()), QStringLiteral("Only one MDITab can be put on MDIForm."));
        }
    }

    void exitAsksEveryDocumentFirstAndACancelKeepsThemAll()
    {
        Shell s;
        s.start();
        TEditor* a = s.form->newClick();
        TEditor* b = s.form->newClick();
        Shell::touch(a);
        Shell::touch(b);
        const QString saved = s.path(QStringLiteral("saved.html"));
        // a: Yes saves it at once; b: Cancel stops the exit.
        s.dialogs->answers = {TMsgAnswer::yes, TMsgAnswer::cancel};
        s.dialogs->saveFiles.push_back(saved.toStdString());
        QVERIFY(!s.exit());
        QCOMPARE(s.form->editors().size(), 2);
        QVERIFY(QFile::exists(saved));
        QVERIFY(!a->modified());
        QVERIFY(b->modified());
        QVERIFY(!QFile::exists(s.iniPath()));

        s.dialogs->answers = {TMsgAnswer::no};
        QVERIFY(s.exit());
        QVERIFY(QFile::exists(s.iniPath()));
    }

    void saveSelectionWritesTheClipboard()
    {
        Shell s;
        s.start();
        s.form->newClick();
        const QString empty = s.path(QStringLiteral("empty.html"));
        QGuiApplication::clipboard()->clear();
        s.dialogs->saveFiles.push_back(empty.toStdString());
        s.form->saveSelectionClick();
        QVERIFY(QFile::exists(empty));
        QCOMPARE(readFile(empty), std::string());

        const QString text = s.path(QStringLiteral("text.html"));
        QGuiApplication::clipboard()->setText(QStringLiteral("<B>one</B>\ntwo"));
        s.dialogs->saveFiles.push_back(text.toStdString());
        s.form->saveSelectionClick();
        QCOMPARE(readFile(text), std::string("<B>one</B>\r\ntwo"));
        QVERIFY(!s.form->activeEditor()->modified());
        QCOMPARE(s.form->activeEditor()->caption(), QStringLiteral("Untitled"));
    }

    void droppedFilesOpenInOrder()
    {
        Shell s;
        s.start();
        const QString a = s.path(QStringLiteral("a.html"));
        const QString b = s.path(QStringLiteral("b.js"));
        writeFile(a, "A");
        writeFile(b, "B");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.form.get(), &drop);
        const QList<TEditor*> docs = s.form->editors();
        QCOMPARE(docs.size(), 2);
        QCOMPARE(docs[0]->caption(), a);
        QCOMPARE(docs[1]->caption(), b);
        QCOMPARE(docs[1]->memo().lines().strings(0), std::string("B"));
        QCOMPARE(s.form->mdiTab()->tabCaption(1), QStringLiteral("b.js"));
    }

    void aboutBoxAndHelp()
    {
        Shell s;
        s.start();
        s.item("AboutTessaly1")->trigger();
        QCOMPARE(s.modalShown, QStringList{QStringLiteral("About Tessaly")});
        s.dialogs->shellSucceeds = false;
        s.item("HelpContents1")->trigger();
        // The manual is help/index.html; a missing one never reaches the shell.
        QVERIFY(s.dialogs->shellOpened.empty() || s.dialogs->shellOpened.back().filename() == "index.html");
        QCOMPARE(s.dialogs->messages.back().text,
                 std::string("Tessaly was unable to open the Help File.\rIf the problem persists, contact Orvane Software"));
    }
};

QTEST_MAIN(WindowsTest)
#include "WindowsTest.moc"
