// Encodings and line breaks in the shell: the status bar names them, the
// File menu converts them, saves that cannot succeed leave everything in
// place, and recovery files keep them.
#include "ShellTestSupport.h"

#include "app/RecoveryFile.h"
#include "app/RecoveryKeeper.h"
#include "memo/TextFormat.h"

using namespace shelltest;
using tessaly::app::TRecoveryRecord;

namespace {

QString formatText(TEditor* e)
{
    return e->statusBar().text(TEditor::kFormatPanel);
}

} // namespace

class TextFormatTest : public QObject {
    Q_OBJECT
private slots:
    void statusBarNamesEncodingAndLineBreaks();
    void lineBreaksCommandMarksModifiedAndSaveConverts();
    void lineBreaksMenuFollowsTheActiveDocument();
    void saveWithEncodingWritesTheNewFormOrKeepsTheOld();
    void reopenWithEncodingReadsTheBytesAgain();
    void binaryFileIsRefusedWithAClearMessage();
    void saveIntoAVanishedFolderKeepsWorkAndRecovery();
    void recoveryKeepsEncodingAndLineBreaks();
};

void TextFormatTest::statusBarNamesEncodingAndLineBreaks()
{
    Shell shell;
    shell.start();
    QCOMPARE(formatText(shell.form->newClick()), QStringLiteral("UTF-8 \u00B7 CR LF"));
    const QString latin = shell.path(QStringLiteral("latin.html"));
    writeFile(latin, "<p>d\xE9j\xE0</p>\n");
    QCOMPARE(formatText(shell.form->openFile(latin.toStdString())), QStringLiteral("Windows-1252 \u00B7 LF"));
    const QString mixed = shell.path(QStringLiteral("mixed.html"));
    writeFile(mixed, "\xEF\xBB\xBF" "a\r\nb\r\nc\n");
    TEditor* m = shell.form->openFile(mixed.toStdString());
    QCOMPARE(formatText(m), QStringLiteral("UTF-8 with BOM \u00B7 CR LF (mixed)"));
    QVERIFY(!m->modified());
    // Saving writes one kind of break, and the status bar says so.
    shell.touch(m);
    QVERIFY(shell.form->saveDocument(*m));
    QCOMPARE(readFile(mixed), std::string("\xEF\xBB\xBF" "xa\r\nb\r\nc\r\n"));
    QCOMPARE(formatText(m), QStringLiteral("UTF-8 with BOM \u00B7 CR LF"));
}

void TextFormatTest::lineBreaksCommandMarksModifiedAndSaveConverts()
{
    Shell shell;
    shell.start();
    const QString page = shell.path(QStringLiteral("unix.html"));
    writeFile(page, "one\ntwo\n");
    TEditor* e = shell.form->openFile(page.toStdString());
    shell.dropDown(shell.form->fileMenu());
    QVERIFY(shell.item("LineBreaks_lf")->isChecked());
    QVERIFY(!e->modified());
    shell.item("LineBreaks_crlf")->trigger();
    QVERIFY(e->modified());
    QVERIFY(shell.item("Save")->isEnabled());
    QCOMPARE(e->statusBar().text(1), QStringLiteral("Modified"));
    QCOMPARE(formatText(e), QStringLiteral("UTF-8 \u00B7 CR LF"));
    shell.item("Save")->trigger();
    QCOMPARE(readFile(page), std::string("one\r\ntwo\r\n"));
    QVERIFY(!e->modified());
    // Closing after the save asks nothing.
    QVERIFY(e->close());
    QVERIFY(shell.dialogs->messages.empty());
}

// Switching between documents, the Line Breaks items show the active one's
// style; with mixed or no line breaks known none is checked, whatever the
// previous document showed.
void TextFormatTest::lineBreaksMenuFollowsTheActiveDocument()
{
    Shell shell;
    shell.start();
    const QString unix = shell.path(QStringLiteral("unix.html"));
    writeFile(unix, "one\ntwo\n");
    const QString mixed = shell.path(QStringLiteral("mixed.html"));
    writeFile(mixed, "a\r\nb\nc\r\n");
    TEditor* u = shell.form->openFile(unix.toStdString());
    TEditor* m = shell.form->openFile(mixed.toStdString());
    const auto checkedItems = [&] {
        shell.dropDown(shell.form->fileMenu());
        QStringList out;
        for (const char* name : {"LineBreaks_crlf", "LineBreaks_lf", "LineBreaks_cr"})
            if (shell.item(name)->isChecked())
                out << QString::fromLatin1(name);
        return out;
    };
    for (int round = 0; round < 2; ++round) {
        shell.form->mdiArea()->setActiveSubWindow(u);
        QCOMPARE(checkedItems(), QStringList{QStringLiteral("LineBreaks_lf")});
        shell.form->mdiArea()->setActiveSubWindow(m);
        QVERIFY(m->textFormat().mixedLineEnds);
        QCOMPARE(checkedItems(), QStringList());
    }
    // Choosing a style for the mixed document checks it.
    shell.item("LineBreaks_cr")->trigger();
    QCOMPARE(checkedItems(), QStringList{QStringLiteral("LineBreaks_cr")});
    shell.form->mdiArea()->setActiveSubWindow(u);
    QCOMPARE(checkedItems(), QStringList{QStringLiteral("LineBreaks_lf")});
}

void TextFormatTest::saveWithEncodingWritesTheNewFormOrKeepsTheOld()
{
    Shell shell;
    shell.start();
    const QString page = shell.path(QStringLiteral("page.html"));
    writeFile(page, "caf\xE9\n");
    TEditor* e = shell.form->openFile(page.toStdString());
    shell.item("SaveEncoding_utf-16le")->trigger();
    QCOMPARE(readFile(page), std::string("\xFF\xFE" "c\0a\0f\0\xE9\0\n\0", 12));
    QCOMPARE(formatText(e), QStringLiteral("UTF-16 LE \u00B7 LF"));

    // Back to Windows-1252 with a character it has no byte for: the error is
    // shown, the file and the encoding stay, the document stays modified.
    e->memo().setSelection(0, 0);
    e->memo().setSelText("\xE4\xB8\xAD");
    shell.item("SaveEncoding_windows-1252")->trigger();
    QCOMPARE(shell.dialogs->messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(shell.dialogs->messages[0].text).contains(QStringLiteral("U+4E2D")));
    QCOMPARE(readFile(page), std::string("\xFF\xFE" "c\0a\0f\0\xE9\0\n\0", 12));
    QCOMPARE(e->textFormat().encoding, tessaly::memo::TEncoding::utf16LE);
    QVERIFY(e->modified());
    shell.item("SaveEncoding_utf-8")->trigger();
    QCOMPARE(readFile(page), std::string("\xE4\xB8\xAD" "caf\xC3\xA9\n"));
    QVERIFY(!e->modified());
}

void TextFormatTest::reopenWithEncodingReadsTheBytesAgain()
{
    Shell shell;
    shell.start();
    const QString page = shell.path(QStringLiteral("page.html"));
    writeFile(page, "caf\xC3\xA9");
    TEditor* e = shell.form->openFile(page.toStdString());
    QCOMPARE(e->memo().text(), std::string("caf\xC3\xA9"));
    shell.touch(e);
    // Modified: it asks first; No keeps the text.
    shell.dialogs->answers.push_back(TMsgAnswer::no);
    shell.item("ReopenEncoding_windows-1252")->trigger();
    QCOMPARE(e->memo().text(), std::string("xcaf\xC3\xA9"));
    shell.dialogs->answers.push_back(TMsgAnswer::yes);
    shell.item("ReopenEncoding_windows-1252")->trigger();
    QCOMPARE(e->memo().text(), std::string("caf\xC3\x83\xC2\xA9"));
    QVERIFY(!e->modified());
    QCOMPARE(formatText(e), QStringLiteral("Windows-1252 \u00B7 CR LF"));
    QCOMPARE(shell.dialogs->messages.size(), std::size_t(2));
    QVERIFY(QString::fromStdString(shell.dialogs->messages[0].text).contains(QStringLiteral("Windows-1252")));
    // An untitled document has nothing to reopen.
    shell.form->newClick();
    shell.dropDown(shell.form->fileMenu());
    QVERIFY(!shell.item("ReopenWithEncoding1")->isEnabled());
}

void TextFormatTest::binaryFileIsRefusedWithAClearMessage()
{
    Shell shell;
    shell.start();
    const QString image = shell.path(QStringLiteral("image.html"));
    const std::string bytes("GIF89a\0\x01\r\n\x02", 11);
    writeFile(image, bytes);
    TEditor* e = shell.form->openFile(image.toStdString());
    QCOMPARE(shell.dialogs->messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(shell.dialogs->messages[0].text).contains(QStringLiteral("binary data")));
    QVERIFY(e->needsName()); // a Save never writes the empty text over it
    QCOMPARE(readFile(image), bytes);
}

void TextFormatTest::saveIntoAVanishedFolderKeepsWorkAndRecovery()
{
    Shell shell;
    shell.start();
    const QString folder = shell.path(QStringLiteral("gone"));
    QVERIFY(QDir().mkpath(folder));
    const QString page = folder + QStringLiteral("/page.html");
    writeFile(page, "text\n");
    TEditor* e = shell.form->openFile(page.toStdString());
    shell.touch(e);
    shell.form->recovery().writeAllNow();
    const std::filesystem::path recovery = shell.form->recovery().fileOf(*e);
    QVERIFY(std::filesystem::exists(recovery));
    QVERIFY(QDir(folder).removeRecursively());

    QVERIFY(!shell.form->saveDocument(*e));
    QCOMPARE(shell.dialogs->messages.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(shell.dialogs->messages[0].text).contains(page));
    QVERIFY(e->modified());
    QVERIFY(shell.item("Save")->isEnabled());
    shell.form->recovery().waitForWrites();
    QVERIFY(std::filesystem::exists(recovery));
    const auto r = tessaly::app::decodeRecovery(readFile(QString::fromStdString(recovery.string())));
    QVERIFY(r);
    QCOMPARE(r->text, std::string("xtext\r"));
    shell.dialogs->answers.push_back(TMsgAnswer::no);
    QVERIFY(e->close());
}

void TextFormatTest::recoveryKeepsEncodingAndLineBreaks()
{
    // The record itself, and files of older versions without the fields.
    TRecoveryRecord r;
    r.text = "x";
    r.format.encoding = tessaly::memo::TEncoding::utf16BE;
    r.format.lineEnd = tessaly::memo::TLineEnd::cr;
    r.format.controlPictures = true;
    const auto back = tessaly::app::decodeRecovery(tessaly::app::encodeRecovery(r));
    QVERIFY(back);
    QVERIFY(back->format == r.format);
    const auto old = tessaly::app::decodeRecovery("TESSALY-RECOVERY 1\nname=\nlength=1\n\nx");
    QVERIFY(old);
    QVERIFY(old->format == tessaly::memo::TTextFormat{});

    // A Latin-1 page with LF breaks, edited, crashed and restored, saves as
    // it was read.
    Shell shell;
    shell.start();
    const QString page = shell.path(QStringLiteral("latin.html"));
    writeFile(page, "d\xE9j\xE0\n");
    TEditor* e = shell.form->openFile(page.toStdString());
    shell.touch(e);
    shell.form->recovery().writeAllNow();
    const auto saved = tessaly::app::decodeRecovery(readFile(QString::fromStdString(shell.form->recovery().fileOf(*e).string())));
    QVERIFY(saved);
    QCOMPARE(saved->format.encoding, tessaly::memo::TEncoding::windows1252);
    QCOMPARE(saved->format.lineEnd, tessaly::memo::TLineEnd::lf);
    shell.dialogs->answers.push_back(TMsgAnswer::no);
    QVERIFY(e->close());
    shell.form->recovery().restore(*saved);
    TEditor* restored = shell.form->activeEditor();
    QVERIFY(restored);
    QVERIFY(restored->modified());
    QCOMPARE(formatText(restored), QStringLiteral("Windows-1252 \u00B7 LF"));
    QVERIFY(shell.form->saveDocument(*restored));
    QCOMPARE(readFile(page), std::string("xd\xE9j\xE0\n"));
}

QTEST_MAIN(TextFormatTest)
#include "TextFormatTest.moc"
