// A document's file changed or deleted by another program while it is open.
#include "ShellTestSupport.h"

#include "app/DiskWatch.h"

#include <QFileSystemWatcher>

#include <filesystem>
#include <thread>

using namespace shelltest;
using tessaly::app::TDiskWatch;

namespace {

// Writes new bytes the way another program might: a different size, and a
// later time even on file systems with coarse times.
void writeAsAnotherProgram(const QString& path, const std::string& data)
{
    writeFile(path, data);
    const auto p = std::filesystem::path(path.toStdString());
    std::filesystem::last_write_time(p, std::filesystem::last_write_time(p) + std::chrono::seconds(2));
}

std::string text(TEditor& e)
{
    return e.memo().textRange(0, e.memo().textLength());
}

struct Opened {
    TEditor* editor;
    QString file;
};

// Starts the shell and opens a.html holding these bytes.
Opened startWithFile(Shell& shell, const std::string& bytes)
{
    shell.start();
    const QString file = shell.path(QStringLiteral("a.html"));
    writeFile(file, bytes);
    return {shell.form->openFile(file.toStdString()), file};
}

} // namespace

class DiskChangesTest : public QObject {
    Q_OBJECT
private slots:
    void anUnmodifiedDocumentFollowsItsFileKeepingTheCaret();
    void aModifiedDocumentAsksAndNoKeepsTheText();
    void aModifiedDocumentReloadsOnYes();
    void ourOwnSaveAsksNothing();
    void aDeletedFileLeavesTheDocumentModified();
    void aRenameOverTheFileIsSeenAndWatchedAgain();
    void aReloadKeepsTheEncodingTheUserChose();
};

void DiskChangesTest::anUnmodifiedDocumentFollowsItsFileKeepingTheCaret()
{
    Shell shell;
    const auto [e, file] = startWithFile(shell, "line one\r\nline two\r\n");
    e->memo().setSelection(12, 12);
    writeAsAnotherProgram(file, "line one\r\nline two changed\r\nthree\r\n");
    QTRY_COMPARE(text(*e), std::string("line one\rline two changed\rthree\r"));
    QCOMPARE(e->memo().selStart(), std::int64_t(12));
    QVERIFY(!e->modified());
    QVERIFY(shell.dialogs->messages.empty());
}

void DiskChangesTest::aModifiedDocumentAsksAndNoKeepsTheText()
{
    Shell shell;
    const auto [e, file] = startWithFile(shell, "mine\r\n");
    e->memo().setSelText("edited ");
    shell.dialogs->answers.push_back(TMsgAnswer::no);
    writeAsAnotherProgram(file, "theirs, longer\r\n");
    QTRY_COMPARE(shell.dialogs->messages.size(), std::size_t(1));
    QCOMPARE(shell.dialogs->messages[0].text, "The file " + file.toStdString()
                                                  + " was changed by another program. Reload it and lose your changes?");
    QCOMPARE(text(*e), std::string("edited mine\r"));
    QVERIFY(e->modified());
}

void DiskChangesTest::aModifiedDocumentReloadsOnYes()
{
    Shell shell;
    const auto [e, file] = startWithFile(shell, "mine\r\n");
    e->memo().setSelText("edited ");
    shell.dialogs->answers.push_back(TMsgAnswer::yes);
    writeAsAnotherProgram(file, "theirs, longer\r\n");
    QTRY_COMPARE(text(*e), std::string("theirs, longer\r"));
    QVERIFY(!e->modified());
}

void DiskChangesTest::ourOwnSaveAsksNothing()
{
    Shell shell;
    const auto [e, file] = startWithFile(shell, "x\r\n");
    for (int i = 0; i < 3; ++i) {
        e->memo().setSelText("more ");
        QVERIFY(shell.form->saveDocument(*e));
    }
    QTest::qWait(500);
    QVERIFY(shell.dialogs->messages.empty());
    QCOMPARE(text(*e), std::string("more more more x\r"));
    QVERIFY(!e->modified());
    // The watch survived the saves' renames: a later outside change is seen.
    writeAsAnotherProgram(file, "outside\r\n");
    QTRY_COMPARE(text(*e), std::string("outside\r"));
}

void DiskChangesTest::aDeletedFileLeavesTheDocumentModified()
{
    Shell shell;
    const auto [e, file] = startWithFile(shell, "kept in the editor\r\n");
    std::filesystem::remove(file.toStdString());
    QTRY_VERIFY(e->modified());
    QCOMPARE(e->statusBar().text(1), QString::fromLatin1(TEditor::kDeletedOnDiskText));
    QCOMPARE(text(*e), std::string("kept in the editor\r"));
    // Saving writes it back and the document is clean again.
    QVERIFY(shell.form->saveDocument(*e));
    QVERIFY(!e->modified());
    QCOMPARE(readFile(file), std::string("kept in the editor\r\n"));
}

void DiskChangesTest::aRenameOverTheFileIsSeenAndWatchedAgain()
{
    Shell shell;
    const auto [e, file] = startWithFile(shell, "one\r\n");
    for (const char* next : {"two, by rename\r\n", "three, by rename again\r\n"}) {
        const QString temp = shell.path(QStringLiteral("a.html.tmp"));
        writeAsAnotherProgram(temp, next);
        std::filesystem::rename(temp.toStdString(), file.toStdString());
        std::string expected(next);
        expected.erase(expected.size() - 1); // CR LF is one CR in the store
        QTRY_COMPARE(text(*e), expected);
    }
}

void DiskChangesTest::aReloadKeepsTheEncodingTheUserChose()
{
    // C3 A9 reads as one e-acute in UTF-8, which the guess picks, and as two
    // characters in Windows-1252, which the user asked for.
    Shell shell;
    const auto [e, file] = startWithFile(shell, "caf\xc3\xa9\r\n");
    e->loadFromFile(file.toStdString(), tessaly::memo::TEncoding::windows1252);
    QCOMPARE(text(*e), std::string("caf\xc3\x83\xc2\xa9\r"));

    writeAsAnotherProgram(file, "caf\xc3\xa9 2\r\n");
    QTRY_COMPARE(text(*e), std::string("caf\xc3\x83\xc2\xa9 2\r"));
    QVERIFY(e->textFormat().encoding == tessaly::memo::TEncoding::windows1252);

    // A u-umlaut typed now is saved as the one byte FC, not as UTF-8 in the
    // middle of a Windows-1252 file.
    e->memo().setSelection(0, 0);
    e->memo().setSelText("\xc3\xbc");
    QVERIFY(shell.form->saveDocument(*e));
    QCOMPARE(readFile(file), std::string("\xfc" "caf\xc3\xa9 2\r\n"));
}

QTEST_MAIN(DiskChangesTest)
#include "DiskChangesTest.moc"
