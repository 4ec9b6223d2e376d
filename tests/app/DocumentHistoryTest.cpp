// File > Reopen and the session: what the main window remembers of its
// documents from one run to the next, through the settings file.
#include "ShellTestSupport.h"

#include "app/DocumentHistory.h"
#include "platform/IniFile.h"

#include <QMdiSubWindow>

using namespace shelltest;
using tessaly::app::TDocumentHistory;
using tessaly::app::TRecentFiles;
using tessaly::app::TSessionDocument;

namespace {

// The main window as the history sees it: documents are plain records,
// windows are bare sub-windows.
class FakeHost final : public TDocumentHistory::Host {
public:
    TScriptedDialogs dialogs;
    std::vector<TSessionDocument> open;
    int active = -1;
    std::vector<std::filesystem::path> opened;
    std::vector<TSessionDocument> sessionOpened;
    std::vector<std::unique_ptr<QMdiSubWindow>> windows;
    QMdiSubWindow* activated = nullptr;

    tessaly::platform::TDialogs& historyDialogs() override { return dialogs; }
    void openHistoryFile(const std::filesystem::path& file) override { opened.push_back(file); }
    std::vector<TSessionDocument> sessionDocuments(int& a) const override
    {
        a = active;
        return open;
    }
    QMdiSubWindow* openSessionDocument(const TSessionDocument& d) override
    {
        sessionOpened.push_back(d);
        windows.push_back(std::make_unique<QMdiSubWindow>());
        return windows.back().get();
    }
    void activateSessionDocument(QMdiSubWindow* w) override { activated = w; }
};

} // namespace

class DocumentHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void recentListKeepsTenMostRecentFirstWithoutRepeats();
    void openedAndSavedFilesAreListedAndKeptAcrossRuns();
    void aMissingFileIsReportedAndDropped();
    void theSessionComesBackWithLanguageCaretAndActiveDocument();
    void theSessionSwitchOffOpensNothing();
    void theSessionRoundTripsThroughTheSettingsWithAFakeWindow();
    void theReopenMenuListsTheFilesAndTheSwitch();
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

// Taken from the window, written, read back by the next run's history, and
// opened again: files that are gone are skipped, and the active document
// is activated only when it came back.
void DocumentHistoryTest::theSessionRoundTripsThroughTheSettingsWithAFakeWindow()
{
    QTemporaryDir dir;
    const auto file = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)).toStdString(); };
    writeFile(QString::fromStdString(file("a.html")), "a");
    writeFile(QString::fromStdString(file("c.vbs")), "c");
    const std::filesystem::path iniFile = file("t.ini");

    FakeHost first;
    first.open = {{file("a.html"), 1, 3}, {file("gone.js"), 2, 0}, {file("c.vbs"), 3, 99}};
    for (int active : {2, 1}) {
        first.active = active;
        TDocumentHistory history(first);
        history.captureSession();
        QCOMPARE(history.session().documents, first.open);
        QCOMPARE(history.session().active, active);
        {
            tessaly::platform::TIniFile ini(iniFile);
            history.save(ini);
            ini.updateFile();
        }
        FakeHost next;
        TDocumentHistory again(next);
        again.load(tessaly::platform::TIniFile(iniFile));
        again.restoreSession();
        const std::vector<TSessionDocument> expected = {first.open[0], first.open[2]};
        QCOMPARE(next.sessionOpened, expected);
        // The active one was c.vbs (opened second), then the gone file.
        QCOMPARE(next.activated, active == 2 ? next.windows[1].get() : nullptr);
    }

    // A window's own notion of "active" past its list counts as none.
    first.active = 7;
    TDocumentHistory history(first);
    history.captureSession();
    QCOMPARE(history.session().active, -1);
}

void DocumentHistoryTest::theReopenMenuListsTheFilesAndTheSwitch()
{
    FakeHost host;
    TDocumentHistory history(host);
    QMenu menu;
    history.fillMenu(&menu);
    QCOMPARE(menu.actions().value(0)->text(), QStringLiteral("(No recent files)"));
    QVERIFY(!menu.actions().value(0)->isEnabled());

    QTemporaryDir dir;
    std::vector<std::string> files;
    for (int i = 0; i < 11; ++i) {
        files.push_back(dir.filePath(QStringLiteral("f%1.html").arg(i)).toStdString());
        writeFile(QString::fromStdString(files.back()), "x");
        history.noteFile(files.back());
    }
    history.fillMenu(&menu);
    const QList<QAction*> items = menu.actions();
    QCOMPARE(items.size(), 12); // ten files, a separator, the switch
    QCOMPARE(items[0]->text(), QStringLiteral("&1 ") + QString::fromStdString(files[10]));
    QCOMPARE(items[9]->text(), QStringLiteral("&0 ") + QString::fromStdString(files[1]));
    QVERIFY(items[10]->isSeparator());
    items[1]->trigger();
    QCOMPARE(host.opened, std::vector<std::filesystem::path>{files[9]});

    QAction* toggle = items[11];
    QVERIFY(toggle->isChecked());
    toggle->trigger();
    QVERIFY(!history.session().restore);
    history.fillMenu(&menu);
    QVERIFY(!menu.actions().last()->isChecked());
}

QTEST_MAIN(DocumentHistoryTest)
#include "DocumentHistoryTest.moc"
