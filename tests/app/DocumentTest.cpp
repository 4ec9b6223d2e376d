// Document windows: the template, the status panels, New, Open, Save, Save
// As, the close query, the language items and the gutter highlight.
#include "ShellTestSupport.h"

#include "../UnprivilegedUser.h"

#include <QLabel>
#include <QMenuBar>

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

using namespace shelltest;

namespace {

const std::vector<std::string> kTemplate = {"<HTML>", "<HEAD>", "   <TITLE>Document_Title_Goes_Here</TITLE>",
                                            "</HEAD>", "<BODY>", "", "", "", "</BODY>", "</HTML>"};

std::string templateText()
{
    std::string s;
    for (const std::string& line : kTemplate)
        s += (s.empty() ? "" : "\r\n") + line;
    return s;
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT
private slots:
    void newDocumentStartsFromTheTemplate()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        QCOMPARE(s.form->activeEditor(), e);
        QCOMPARE(e->caption(), QStringLiteral("Untitled"));
        QCOMPARE(s.form->mdiTab()->tabCaption(0), QStringLiteral("Untitled"));
        QCOMPARE(e->memo().lines().count(), std::int64_t(10));
        for (int i = 0; i < 10; ++i)
            QCOMPARE(e->memo().lines().strings(i), kTemplate[static_cast<std::size_t>(i)]);
        QVERIFY(!e->modified());
        QCOMPARE(e->activeParser(), 2);
        QCOMPARE(e->statusBar().text(2), QStringLiteral("Java Script"));
        QCOMPARE(e->statusBar().text(1), QString());
        QVERIFY(s.item("High1")->isChecked());
        QVERIFY(s.form->tabParent()->isVisible());
        QVERIFY(s.item("CutButton")->isEnabled());
    }

    void typingShowsModifiedCaretAndEnablesSave()
    {
        Shell s;
        s.start();
        QVERIFY(!s.item("Save")->isEnabled());
        TEditor* e = s.form->newClick();
        QVERIFY(!s.item("SaveButton")->isEnabled());
        const std::int64_t line6 = e->memo().store().recordStart(tessaly::memo::TRecordIndex(5)).value();
        e->memo().setSelection(line6, line6);
        QTest::keyClick(&e->code(), Qt::Key_A);
        QCOMPARE(e->memo().lines().strings(5), std::string("a"));
        QCOMPARE(e->statusBar().text(1), QStringLiteral("Modified"));
        QCOMPARE(e->statusBar().text(0), QStringLiteral("   6:   2"));
        QVERIFY(s.item("SaveButton")->isEnabled());
        QVERIFY(s.item("Save")->isEnabled());
        QVERIFY(s.item("SaveAs")->isEnabled());
    }

    void saveWithTheDialogCancelledChangesNothing()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        Shell::touch(e);
        s.dialogs->saveFiles.push_back(std::nullopt);
        s.form->saveClick();
        QCOMPARE(e->caption(), QStringLiteral("Untitled"));
        QCOMPARE(s.form->mdiTab()->tabCaption(0), QStringLiteral("Untitled"));
        QVERIFY(e->modified());
        QVERIFY(s.item("SaveButton")->isEnabled());
        QCOMPARE(s.dialogs->fileRequests.back().defaultExt, std::string("html"));
        QCOMPARE(s.dialogs->fileRequests.back().initialName, std::string("Untitled.html"));
        QCOMPARE(s.dialogs->fileRequests.back().filters.size(), std::size_t(4));
    }

    void saveThenSaveAsMovesTheNameAndKeepsTheOldFile()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        Shell::touch(e);
        const QString first = s.path(QStringLiteral("first.html"));
        s.dialogs->saveFiles.push_back(first.toStdString());
        s.form->saveClick();
        QCOMPARE(e->caption(), first);
        QCOMPARE(s.form->mdiTab()->tabCaption(0), QStringLiteral("first.html"));
        QVERIFY(!e->modified());
        QVERIFY(!s.item("Save")->isEnabled());
        QVERIFY(!s.item("SaveButton")->isEnabled());
        QCOMPARE(readFile(first), "x" + templateText());

        // A named document saves without asking.
        Shell::touch(e);
        s.form->saveClick();
        QCOMPARE(readFile(first), "xx" + templateText());
        QCOMPARE(s.dialogs->unexpected, 0);

        Shell::touch(e);
        const QString second = s.path(QStringLiteral("second.htm"));
        s.dialogs->saveFiles.push_back(second.toStdString());
        s.form->saveAsClick();
        QCOMPARE(e->caption(), second);
        QCOMPARE(s.form->mdiTab()->tabCaption(0), QStringLiteral("second.htm"));
        QVERIFY(!e->modified());
        QCOMPARE(readFile(first), "xx" + templateText());
        QCOMPARE(readFile(second), "xxx" + templateText());
        QCOMPARE(e->statusBar().text(1), QString());
    }

    void aFailedSaveKeepsTheDocumentModified()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        Shell::touch(e);
        s.dialogs->saveFiles.push_back(s.path(QStringLiteral("no/such/folder/a.html")).toStdString());
        s.form->saveClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(s.dialogs->messages[0].kind, tessaly::platform::TMsgKind::error);
        QVERIFY(e->modified());
        QCOMPARE(e->caption(), QStringLiteral("Untitled"));
        QVERIFY(s.item("SaveButton")->isEnabled());

        s.dialogs->saveFiles.push_back(s.path(QStringLiteral("no/such/folder/b.html")).toStdString());
        s.form->saveAsClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(2));
        QVERIFY(e->modified());
        QCOMPARE(e->caption(), QStringLiteral("Untitled"));
        QVERIFY(s.item("SaveButton")->isEnabled());
    }

    void openLoadsTheFileUnderItsPathAndName()
    {
        Shell s;
        s.start();
        const QString file = s.path(QStringLiteral("a rather long file name for a page.html"));
        writeFile(file, "<P>one\r\ntwo\r\n");
        s.dialogs->openFiles.push_back(file.toStdString());
        s.form->openClick();
        TEditor* e = s.form->activeEditor();
        QVERIFY(e);
        QCOMPARE(e->caption(), file);
        QCOMPARE(s.form->mdiTab()->tabCaption(0), QStringLiteral("a rather long file name for a page.html"));
        QCOMPARE(e->memo().lines().strings(1), std::string("two"));
        QVERIFY(!e->modified());
        QCOMPARE(s.dialogs->fileRequests.back().filters[0].title, std::string("HTML Files (*.html,*.htm)"));

        // A cancelled open dialog opens nothing.
        s.form->openClick();
        QCOMPARE(s.form->editors().size(), 1);
    }

    // A file over 2 MB shows at once: the status bar says "Loading..."
    // until the rest is in, and the document then holds the whole file,
    // unmodified, with the status panel cleared once the pass has ended.
    void aBigFileShowsWhileTheRestIsRead()
    {
        Shell s;
        s.start();
        const QString file = s.path(QStringLiteral("big.html"));
        std::string page;
        std::int64_t lines = 0;
        while (page.size() < (5u << 20)) {
            page += "<TR><TD>cell " + std::to_string(lines++) + "</TD><SCRIPT>var a = 1;</SCRIPT></TR>\r\n";
        }
        writeFile(file, page);
        TEditor* e = s.form->openFile(file.toStdString());
        QVERIFY(e->memo().loadPending());
        QCOMPARE(e->statusBar().text(3), QStringLiteral("Loading..."));
        QVERIFY(e->memo().textLength() < static_cast<std::int64_t>(page.size()) / 2);
        QTRY_VERIFY_WITH_TIMEOUT(!e->memo().loadPending(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(e->statusBar().text(3), QString(), 20000);
        QCOMPARE(e->memo().lines().count(), lines + 1);
        QCOMPARE(e->memo().lines().strings(lines - 1),
                 "<TR><TD>cell " + std::to_string(lines - 1) + "</TD><SCRIPT>var a = 1;</SCRIPT></TR>");
        QVERIFY(!e->modified());
    }

    // A file cut short while it is read leaves what was read, read-only;
    // the disk watch then reads the unmodified document again, and it can
    // be edited once more.
    void aFileChangedWhileItIsReadIsReadAgain()
    {
        Shell s;
        s.start();
        const QString file = s.path(QStringLiteral("big.html"));
        std::string page;
        while (page.size() < (5u << 20))
            page += "<TR><TD>cell</TD><SCRIPT>var a = 1;</SCRIPT></TR>\r\n";
        writeFile(file, page);
        TEditor* e = s.form->openFile(file.toStdString());
        QVERIFY(e->memo().loadPending());
        const std::string cut = page.substr(0, page.size() * 3 / 4);
        std::filesystem::resize_file(file.toStdString(), cut.size());
        e->memo().finishLoading();
        QVERIFY(e->memo().readOnly());
        QVERIFY(!s.dialogs->messages.empty());
        std::int64_t breaks = 0;
        for (std::size_t at = cut.find("\r\n"); at != std::string::npos; at = cut.find("\r\n", at + 2))
            ++breaks;
        const auto cutLength = static_cast<std::int64_t>(cut.size()) - breaks;
        QTRY_VERIFY_WITH_TIMEOUT(!e->memo().readOnly() && !e->memo().loadPending() && e->memo().textLength() == cutLength,
                                 20000);
        QVERIFY(!e->modified());
    }

    void aFailedOpenKeepsTheWindowUnderThePath()
    {
        Shell s;
        s.start();
        const QString missing = s.path(QStringLiteral("missing.html"));
        TEditor* e = s.form->openFile(missing.toStdString());
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(e->caption(), missing);
        QCOMPARE(s.form->editors().size(), 1);
    }

    // Save is off whenever no document is open, however the last one went.
    void saveIsOffWithoutADocument()
    {
        Shell s;
        s.start();
        QVERIFY(!s.item("Save")->isEnabled());
        QVERIFY(!s.item("SaveButton")->isEnabled());
        TEditor* e = s.form->newClick();
        Shell::touch(e);
        QVERIFY(s.item("Save")->isEnabled());
        s.dialogs->answers.push_back(TMsgAnswer::no);
        QTest::keyClick(&e->code(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(s.form->editors().isEmpty());
        QApplication::processEvents();
        QVERIFY(!s.item("Save")->isEnabled());
        QVERIFY(!s.item("SaveButton")->isEnabled());
        s.dropDown(s.form->menuBar()->actions().constFirst()->menu()); // the File menu
        QVERIFY(!s.item("Save")->isEnabled());
        s.form->saveClick(); // the key with nothing open does nothing
        QVERIFY(s.dialogs->fileRequests.empty());
    }

    // The caret panel shows the whole position, however long the document.
    void theCaretPanelFitsTheLargestLineNumber()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        e->memo().lines().setText(std::string(566738, '\r') + "last line of many");
        e->memo().setSelStart(e->memo().textLength() - 5);
        e->codeChange();
        QLabel* panel = e->statusBar().panel(0);
        QCOMPARE(panel->text(), QStringLiteral("566739:  13"));
        QVERIFY2(panel->fontMetrics().horizontalAdvance(panel->text()) <= panel->contentsRect().width(),
                 qPrintable(QString::number(panel->contentsRect().width())));
    }

    // File dialogs start in the active document's folder, else in the one
    // last used.
    void fileDialogsStartInTheDocumentsFolder()
    {
        Shell s;
        s.start();
        QVERIFY(QDir().mkpath(s.path(QStringLiteral("a"))));
        QVERIFY(QDir().mkpath(s.path(QStringLiteral("b"))));
        const QString inA = s.path(QStringLiteral("a/page.html"));
        writeFile(inA, "x");
        s.dialogs->openFiles.push_back(inA.toStdString());
        s.form->openClick();
        s.form->saveAsClick(); // cancelled
        QCOMPARE(s.dialogs->fileRequests.back().initialFolder,
                 std::filesystem::path(s.path(QStringLiteral("a")).toStdString()));

        TEditor* e = s.form->newClick();
        Shell::touch(e);
        s.dialogs->saveFiles.push_back(s.path(QStringLiteral("b/new.html")).toStdString());
        s.form->saveClick();
        QCOMPARE(s.dialogs->fileRequests.back().initialFolder,
                 std::filesystem::path(s.path(QStringLiteral("a")).toStdString()));
        s.form->newClick();
        s.form->openClick(); // cancelled: starts where the last file went
        QCOMPARE(s.dialogs->fileRequests.back().initialFolder,
                 std::filesystem::path(s.path(QStringLiteral("b")).toStdString()));
    }

    // A file that cannot be read leaves an empty window under its path; the
    // first Save asks for a name, so the file on disk keeps its contents.
    void aFailedOpenNeverSavesOverTheFile()
    {
        Shell s;
        s.start();
        QVERIFY(::chmod(s.dir.path().toLocal8Bit().constData(), 0755) == 0);
        const QString file = s.path(QStringLiteral("secret.html"));
        writeFile(file, "the real contents");
        QVERIFY(::chmod(file.toLocal8Bit().constData(), 0000) == 0);
        TEditor* e = nullptr;
        {
            tessaly::test::TUnprivilegedUser user;
            e = s.form->openFile(file.toStdString());
        }
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(s.dialogs->messages[0].text).contains(QStringLiteral("cannot be opened")));
        QCOMPARE(e->caption(), file);
        QCOMPARE(e->memo().text(), std::string());
        QVERIFY(!e->modified());

        Shell::touch(e);
        s.form->saveClick(); // the name dialog is cancelled
        QCOMPARE(s.dialogs->fileRequests.size(), std::size_t(1));
        QCOMPARE(s.dialogs->fileRequests.back().initialName, std::string("secret.html"));
        QVERIFY(e->modified());
        QCOMPARE(e->caption(), file);
        QVERIFY(::chmod(file.toLocal8Bit().constData(), 0600) == 0);
        QCOMPARE(readFile(file), std::string("the real contents"));

        // A chosen name is the document's from then on.
        const QString other = s.path(QStringLiteral("other.html"));
        s.dialogs->saveFiles.push_back(other.toStdString());
        s.form->saveClick();
        QCOMPARE(e->caption(), other);
        QCOMPARE(readFile(other), std::string("x"));
        QCOMPARE(readFile(file), std::string("the real contents"));
        Shell::touch(e);
        s.form->saveClick();
        QCOMPARE(s.dialogs->fileRequests.size(), std::size_t(2));
        QCOMPARE(readFile(other), std::string("xx"));
    }

    // A read-only file: Save reports it by name, offers another name, and
    // leaves the file (bytes and inode) as it was.
    void saveNeverReplacesAReadOnlyFile()
    {
        using tessaly::test::TUnprivilegedUser;
        Shell s;
        s.start();
        QVERIFY(::chmod(s.dir.path().toLocal8Bit().constData(), 0755) == 0);
        const QString folder = s.path(QStringLiteral("mine"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(::chown(folder.toLocal8Bit().constData(), TUnprivilegedUser::uid(), TUnprivilegedUser::gid()) == 0);
        const QString file = folder + QStringLiteral("/locked.html");
        writeFile(file, "old bytes\r\n");
        QVERIFY(::chmod(file.toLocal8Bit().constData(), 0444) == 0);
        struct stat before { };
        QVERIFY(::stat(file.toLocal8Bit().constData(), &before) == 0);

        TEditor* e = s.form->openFile(file.toStdString());
        QVERIFY(s.dialogs->messages.empty());
        Shell::touch(e);
        {
            TUnprivilegedUser user;
            s.dialogs->answers.push_back(TMsgAnswer::no);
            s.form->saveClick();
            QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
            const auto& m = s.dialogs->messages[0];
            QCOMPARE(m.kind, tessaly::platform::TMsgKind::error);
            QVERIFY2(QString::fromStdString(m.text).contains(file), m.text.c_str());
            QVERIFY(e->modified());
            QCOMPARE(e->caption(), file);
            QVERIFY(s.item("SaveButton")->isEnabled());

            // Yes: the work goes under the name chosen.
            const QString copy = folder + QStringLiteral("/copy.html");
            s.dialogs->answers.push_back(TMsgAnswer::yes);
            s.dialogs->saveFiles.push_back(copy.toStdString());
            s.form->saveClick();
            QCOMPARE(s.dialogs->messages.size(), std::size_t(2));
            QCOMPARE(s.dialogs->fileRequests.back().initialName, std::string("locked.html"));
            QCOMPARE(e->caption(), copy);
            QVERIFY(!e->modified());
            QCOMPARE(readFile(copy), std::string("xold bytes\r\n"));
        }
        struct stat after { };
        QVERIFY(::stat(file.toLocal8Bit().constData(), &after) == 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(readFile(file), std::string("old bytes\r\n"));
    }

    void closeQueryCancelKeepsNoDiscardsYesSaves()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        Shell::touch(e);
        s.dialogs->answers.push_back(TMsgAnswer::cancel);
        s.form->close1Click();
        QCOMPARE(s.dialogs->messages.back().text, std::string("Save changes to Untitled?"));
        QCOMPARE(s.dialogs->messages.back().buttons,
                 unsigned(tessaly::platform::btnYes | tessaly::platform::btnNo | tessaly::platform::btnCancel));
        QCOMPARE(s.form->editors().size(), 1);
        QVERIFY(e->modified());

        // Yes on an untitled document whose name dialog is cancelled keeps it.
        s.dialogs->answers.push_back(TMsgAnswer::yes);
        s.dialogs->saveFiles.push_back(std::nullopt);
        s.form->close1Click();
        QCOMPARE(s.form->editors().size(), 1);
        QVERIFY(e->modified());

        // Yes with a name saves, then closes.
        const QString file = s.path(QStringLiteral("kept.html"));
        s.dialogs->answers.push_back(TMsgAnswer::yes);
        s.dialogs->saveFiles.push_back(file.toStdString());
        s.form->close1Click();
        QTRY_COMPARE(s.form->editors().size(), 0);
        QCOMPARE(readFile(file), "x" + templateText());

        TEditor* other = s.form->newClick();
        Shell::touch(other);
        s.dialogs->answers.push_back(TMsgAnswer::no);
        s.form->close1Click();
        QTRY_COMPARE(s.form->editors().size(), 0);
        QCOMPARE(s.dialogs->unexpected, 0);

        // An unmodified document closes without a question.
        s.form->newClick();
        const std::size_t asked = s.dialogs->messages.size();
        s.form->close1Click();
        QTRY_COMPARE(s.form->editors().size(), 0);
        QCOMPARE(s.dialogs->messages.size(), asked);
    }

    void eachDocumentKeepsItsLanguage()
    {
        Shell s;
        s.start();
        TEditor* vb = s.form->newClick();
        s.item("High2")->trigger();
        TEditor* html = s.form->newClick();
        QVERIFY(s.item("High1")->isChecked()); // a new document starts in JavaScript
        s.item("High3")->trigger();
        QCOMPARE(html->activeParser(), 1);
        QCOMPARE(html->statusBar().text(2), QStringLiteral("HTML"));

        s.form->mdiArea()->setActiveSubWindow(vb);
        QVERIFY(s.item("High2")->isChecked());
        QVERIFY(!s.item("High3")->isChecked());
        QCOMPARE(vb->statusBar().text(2), QStringLiteral("VB Script"));
        QCOMPARE(html->statusBar().text(2), QStringLiteral("HTML"));
        s.form->mdiArea()->setActiveSubWindow(html);
        QVERIFY(s.item("High3")->isChecked());
        s.item("High4")->trigger();
        QCOMPARE(html->statusBar().text(2), QStringLiteral("No Highlighting"));
        QCOMPARE(s.form->currentLanguage(), 4);
    }

    void activationSetsSaveButtonFromTheDocument()
    {
        Shell s;
        s.start();
        TEditor* clean = s.form->newClick();
        TEditor* dirty = s.form->newClick();
        Shell::touch(dirty);
        s.form->mdiArea()->setActiveSubWindow(clean);
        QVERIFY(!s.item("SaveButton")->isEnabled());
        QVERIFY(s.item("Save")->isEnabled()); // the menu item is not touched by activation
        s.form->mdiArea()->setActiveSubWindow(dirty);
        QVERIFY(s.item("SaveButton")->isEnabled());
    }

    void gutterClickTogglesTheHighlight()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        using tessaly::memo::TColor;
        const auto& colours = [e] { return e->memo().store().colours(tessaly::memo::TRecordIndex(2)); };
        e->codeGutterClick(3);
        QVERIFY(e->memo().hasMark(11, tessaly::memo::TLineNumber(3)));
        QVERIFY(colours().back == TColor::fromStored(0xC0C0C0));
        QVERIFY(colours().text == TColor::fromStored(0xFFFFFF));
        e->codeGutterClick(3);
        QVERIFY(!e->memo().hasMark(11, tessaly::memo::TLineNumber(3)));
        QVERIFY(colours().empty());
        QVERIFY(!e->memo().hasMark(11, tessaly::memo::TLineNumber(4)));
    }

    void closingTheLastDocumentHidesTheTabsAndDisablesTheButtons()
    {
        Shell s;
        s.start();
        QVERIFY(!s.item("CutButton")->isEnabled());
        QVERIFY(s.item("NewButton")->isEnabled());
        TEditor* a = s.form->newClick();
        s.form->newClick();
        a->close();
        QTRY_COMPARE(s.form->editors().size(), 1);
        QVERIFY(s.form->tabParent()->isVisible());
        QVERIFY(s.item("CutButton")->isEnabled());
        s.form->close1Click();
        QTRY_COMPARE(s.form->editors().size(), 0);
        QVERIFY(!s.form->tabParent()->isVisible());
        QVERIFY(!s.item("CutButton")->isEnabled());
        QVERIFY(!s.item("ToolbarButton9716")->isEnabled());
        QVERIFY(!s.item("Save")->isEnabled());
        QVERIFY(s.item("OpenButton")->isEnabled());
        QVERIFY(s.item("HelpButton")->isEnabled());
        s.form->newClick();
        QVERIFY(s.item("CutButton")->isEnabled());
        QVERIFY(s.form->tabParent()->isVisible());
    }

    void commandsWithoutADocumentDoNothing()
    {
        Shell s;
        s.start();
        s.form->saveClick();
        s.form->saveAsClick();
        s.form->close1Click();
        s.form->printClick();
        s.item("Undo1")->trigger();
        s.item("High3")->trigger();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));
        QCOMPARE(s.dialogs->fileRequests.size(), std::size_t(0));
    }
};

QTEST_MAIN(DocumentTest)
#include "DocumentTest.moc"
