// File > Reopen and the session: what the main window remembers of its
// documents from one run to the next, through the settings file.
#include "ShellTestSupport.h"

#include "app/DocumentHistory.h"
#include "platform/IniFile.h"

using namespace shelltest;
using tessaly::app::TDocumentHistory;
using tessaly::app::TRecentFiles;

class DocumentHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void recentListKeepsTenMostRecentFirstWithoutRepeats();
    void openedAndSavedFilesAreListedAndKeptAcrossRuns();
    void aMissingFileIsReportedAndDropped();
    void theSessionComesBackWithLanguageCaretAndActiveDocument();
    void theSessionSwitchOffOpensNothing();
};

void DocumentHistoryTest::recentListKeepsTenMostRecentFirstWithoutRepeats()
{
    // Model: a plain list where a name is moved to the front.
    TRecentFiles recent;
    std::vector<std::string> model;
    for (int i = 0; i < 30; ++i) {
        const std::string f = "/f" + std::to_string((i * 7) % 13);
        recent.add(f);
        model.erase(std::remove(model.begin(), model.end(), f), model.end());
        model.insert(model.begin(), f);
        if (model.size() > 10)
            model.resize(10);
        QCOMPARE(recent.files(), model);
    }
    QTemporaryDir dir;
    const auto iniFile = std::filesystem::path(dir.filePath(QStringLiteral("t.ini")).toStdString());
    {
        tessaly::platform::TIniFile ini(iniFile);
        recent.save(ini);
        ini.updateFile();
    }
    TRecentFiles back;
    back.load(tessaly::platform::TIniFile(iniFile));
    QCOMPARE(back.files(), model);
}

void DocumentHistoryTest::openedAndSavedFilesAreListedAndKeptAcrossRuns()
{
    Shell shell;
    shell.start();
    writeFile(shell.path(QStringLiteral("a.html")), "<P>a</P>\r\n");
    shell.form->openFile(shell.path(QStringLiteral("a.html")).toStdString());
    TEditor* e = shell.form->newClick();
    e->memo().setSelText("b");
    shell.dialogs->saveFiles.push_back(std::filesystem::path(shell.path(QStringLiteral("b.html")).toStdString()));
    QVERIFY(shell.form->saveDocument(*e));
    const std::vector<std::string> expected = {shell.path(QStringLiteral("b.html")).toStdString(),
                                               shell.path(QStringLiteral("a.html")).toStdString()};
    QCOMPARE(shell.form->history().recentFiles().files(), expected);
    QVERIFY(shell.exit());

    shell.start();
    QCOMPARE(shell.form->history().recentFiles().files(), expected);
    // The menu lists them in that order, each with its number.
    QMenu* reopen = shell.form->history().reopenMenu();
    emit reopen->aboutToShow();
    QCOMPARE(reopen->actions().at(0)->text(), QStringLiteral("&1 ") + QString::fromStdString(expected[0]));
    QCOMPARE(reopen->actions().at(1)->text(), QStringLiteral("&2 ") + QString::fromStdString(expected[1]));
    // Choosing an entry opens the file.
    reopen->actions().at(1)->trigger();
    QCOMPARE(shell.form->editors().size(), 1);
    QCOMPARE(shell.form->activeEditor()->caption(), QString::fromStdString(expected[1]));
}

void DocumentHistoryTest::aMissingFileIsReportedAndDropped()
{
    Shell shell;
    shell.start();
    const std::string gone = shell.path(QStringLiteral("gone.html")).toStdString();
    writeFile(QString::fromStdString(gone), "x");
    shell.form->openFile(gone);
    shell.form->activeEditor()->close();
    std::filesystem::remove(gone);
    shell.form->history().reopen(gone);
    QCOMPARE(shell.dialogs->messages.size(), std::size_t(1));
    QCOMPARE(shell.dialogs->messages[0].text, "The file " + gone + " no longer exists. It is removed from the list.");
    QVERIFY(shell.form->history().recentFiles().files().empty());
    QVERIFY(shell.form->editors().isEmpty());
}

void DocumentHistoryTest::theSessionComesBackWithLanguageCaretAndActiveDocument()
{
    Shell shell;
    shell.start();
    writeFile(shell.path(QStringLiteral("one.html")), "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n");
    writeFile(shell.path(QStringLiteral("two.vbs")), "Dim x\r\nx = 1\r\n");
    TEditor* one = shell.form->openFile(shell.path(QStringLiteral("one.html")).toStdString());
    one->setActiveParser(1);
    one->memo().setSelection(9, 9);
    TEditor* two = shell.form->openFile(shell.path(QStringLiteral("two.vbs")).toStdString());
    two->setActiveParser(3);
    two->memo().setSelection(4, 4);
    shell.form->newClick(); // an untitled document is not part of the session
    shell.form->mdiArea()->setActiveSubWindow(one);
    QVERIFY(shell.exit());

    shell.start();
    shell.form->history().restoreSession();
    const QList<TEditor*> docs = shell.form->editors();
    QCOMPARE(docs.size(), 2);
    TEditor* first = nullptr;
    TEditor* second = nullptr;
    for (TEditor* e : docs)
        (e->caption().endsWith(QStringLiteral("one.html")) ? first : second) = e;
    QVERIFY(first && second);
    QCOMPARE(first->activeParser(), 1);
    QCOMPARE(first->memo().selStart(), std::int64_t(9));
    QCOMPARE(second->activeParser(), 3);
    QCOMPARE(second->memo().selStart(), std::int64_t(4));
    QCOMPARE(shell.form->activeEditor(), first);
    QVERIFY(!first->modified() && !second->modified());
}

void DocumentHistoryTest::theSessionSwitchOffOpensNothing()
{
    Shell shell;
    shell.start();
    writeFile(shell.path(QStringLiteral("one.html")), "x");
    shell.form->openFile(shell.path(QStringLiteral("one.html")).toStdString());
    QMenu* reopen = shell.form->history().reopenMenu();
    emit reopen->aboutToShow();
    QAction* toggle = reopen->findChild<QAction*>(QStringLiteral("ReopenSession1"));
    QVERIFY(toggle && toggle->isChecked());
    toggle->setChecked(false);
    QVERIFY(shell.exit());
    QVERIFY(readFile(shell.iniPath()).find("Restore=false") != std::string::npos);

    shell.start();
    shell.form->history().restoreSession();
    QVERIFY(shell.form->editors().isEmpty());
}

QTEST_MAIN(DocumentHistoryTest)
#include "DocumentHistoryTest.moc"
