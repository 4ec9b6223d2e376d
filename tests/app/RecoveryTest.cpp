// Recovery files of modified documents: written soon after a change, gone
// after a save or a close, and offered back after a run that did not end.
#include "DeadProcess.h"
#include "ShellTestSupport.h"

#include "app/RecoveryDialog.h"
#include "app/RecoveryFile.h"
#include "app/RecoveryKeeper.h"

#include <QListWidget>

#include <random>

using namespace shelltest;
using tessaly::app::TRecoveryDialog;
using tessaly::app::TRecoveryKeeper;
using tessaly::app::TRecoveryRecord;

namespace {

std::optional<TRecoveryRecord> readRecovery(const std::filesystem::path& file)
{
    if (!std::filesystem::exists(file))
        return std::nullopt;
    return tessaly::app::decodeRecovery(readFile(QString::fromStdString(file.string())));
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void recordsRoundTripAnyBytesAndRefuseDamage();
    void aModifiedDocumentGetsAFileThatSavingRemoves();
    void closingWithoutSavingRemovesTheFile();
    void orphansAreOfferedAndRestoredAsModifiedDocuments();
    void discardAllDropsTheFilesAndClosingKeepsThem();
};

void RecoveryTest::recordsRoundTripAnyBytesAndRefuseDamage()
{
    std::mt19937 rng(3);
    for (int round = 0; round < 50; ++round) {
        TRecoveryRecord r;
        r.name = round % 3 ? "/tmp/a b/page" + std::to_string(round) + ".html" : "";
        r.language = 1 + round % 4;
        r.text.resize(rng() % 3000);
        for (char& c : r.text)
            c = static_cast<char>(rng() % 256);
        r.caret = static_cast<std::int64_t>(r.text.size() / 2);
        r.savedAt = 1700000000 + round;
        r.pid = 42;
        const std::string bytes = tessaly::app::encodeRecovery(r);
        const auto back = tessaly::app::decodeRecovery(bytes);
        QVERIFY(back);
        QCOMPARE(back->text, r.text);
        QCOMPARE(back->name, r.name);
        QCOMPARE(back->language, r.language);
        QCOMPARE(back->caret, r.caret);
        QCOMPARE(back->savedAt, r.savedAt);
        // A file cut short (a crash while writing it) is not taken for whole.
        if (!r.text.empty())
            QVERIFY(!tessaly::app::decodeRecovery(bytes.substr(0, bytes.size() - 1)));
    }
    QVERIFY(!tessaly::app::decodeRecovery("not a recovery file"));
    QVERIFY(!tessaly::app::decodeRecovery("TESSALY-RECOVERY 1\nlength=x\n\n"));
}

void RecoveryTest::aModifiedDocumentGetsAFileThatSavingRemoves()
{
    Shell shell;
    shell.start();
    const QString page = shell.path(QStringLiteral("page.html"));
    writeFile(page, "<P>saved</P>\r\n");
    TEditor* e = shell.form->openFile(page.toStdString());
    e->setActiveParser(1);
    e->memo().setSelection(3, 3);
    e->memo().setSelText("not ");
    const std::filesystem::path file = shell.form->recovery().fileOf(*e);
    QTRY_VERIFY_WITH_TIMEOUT(readRecovery(file).has_value(), 3000);
    const auto r = readRecovery(file);
    QCOMPARE(r->text, std::string("<P>not saved</P>\r"));
    QCOMPARE(r->name, page.toStdString());
    QCOMPARE(r->language, 1);
    QCOMPARE(r->caret, std::int64_t(7));
    QVERIFY(shell.form->saveDocument(*e));
    shell.form->recovery().waitForWrites();
    QVERIFY(!std::filesystem::exists(file));
}

void RecoveryTest::closingWithoutSavingRemovesTheFile()
{
    Shell shell;
    shell.start();
    TEditor* e = shell.form->newClick();
    e->memo().setSelText("draft");
    const std::filesystem::path file = shell.form->recovery().fileOf(*e);
    shell.form->recovery().writeAllNow();
    QVERIFY(readRecovery(file).has_value());
    QCOMPARE(readRecovery(file)->name, std::string()); // untitled
    shell.dialogs->answers.push_back(TMsgAnswer::no);
    QVERIFY(e->close());
    shell.form->recovery().waitForWrites();
    QVERIFY(!std::filesystem::exists(file));
}

void RecoveryTest::orphansAreOfferedAndRestoredAsModifiedDocuments()
{
    Shell shell;
    shell.start();
    const std::filesystem::path folder = shell.form->recovery().folder();
    TRecoveryRecord named;
    named.name = shell.path(QStringLiteral("lost.html")).toStdString();
    named.language = 3;
    named.text = "Dim x\rx = 1\r";
    named.caret = 6;
    named.savedAt = 1700000000;
    named.pid = deadPid();
    TRecoveryRecord untitled = named;
    untitled.name.clear();
    untitled.text = "untitled draft";
    untitled.savedAt = 1700000100;
    QVERIFY(tessaly::app::writeRecoveryFile(folder / "old-1.recovery", tessaly::app::encodeRecovery(named)));
    QVERIFY(tessaly::app::writeRecoveryFile(folder / "old-2.recovery", tessaly::app::encodeRecovery(untitled)));
    // A file of a process that still runs (this one) is not offered.
    TRecoveryRecord alive = named;
    alive.pid = ::getpid();
    QVERIFY(tessaly::app::writeRecoveryFile(folder / "alive.recovery", tessaly::app::encodeRecovery(alive)));

    QStringList listed;
    shell.form->modalRunner = [&listed](QDialog& dialog) {
        auto* list = static_cast<TRecoveryDialog&>(dialog).list();
        for (int i = 0; i < list->count(); ++i)
            listed << list->item(i)->text();
        return int(QDialog::Accepted);
    };
    QCOMPARE(shell.form->recovery().offerRestore(), 2);
    QCOMPARE(listed.size(), 2);
    QVERIFY(listed[0].startsWith(QString::fromStdString(named.name)));
    QVERIFY(listed[1].startsWith(QStringLiteral("Untitled")));

    const QList<TEditor*> docs = shell.form->editors();
    QCOMPARE(docs.size(), 2);
    TEditor* a = docs[0]->untitled() ? docs[1] : docs[0];
    TEditor* b = docs[0]->untitled() ? docs[0] : docs[1];
    QCOMPARE(a->caption(), QString::fromStdString(named.name));
    QCOMPARE(a->activeParser(), 3);
    QCOMPARE(a->memo().textRange(0, a->memo().textLength()), named.text);
    QCOMPARE(a->memo().selStart(), std::int64_t(6));
    QVERIFY(a->modified());
    QCOMPARE(b->memo().textRange(0, b->memo().textLength()), untitled.text);
    QVERIFY(b->modified());
    QVERIFY(!std::filesystem::exists(folder / "old-1.recovery"));
    QVERIFY(!std::filesystem::exists(folder / "old-2.recovery"));
    QVERIFY(std::filesystem::exists(folder / "alive.recovery"));
    std::filesystem::remove(folder / "alive.recovery");
}

void RecoveryTest::discardAllDropsTheFilesAndClosingKeepsThem()
{
    Shell shell;
    shell.start();
    const std::filesystem::path folder = shell.form->recovery().folder();
    TRecoveryRecord r;
    r.text = "x";
    r.pid = deadPid();
    QVERIFY(tessaly::app::writeRecoveryFile(folder / "a.recovery", tessaly::app::encodeRecovery(r)));
    shell.form->modalRunner = [](QDialog&) { return int(QDialog::Rejected); };
    QCOMPARE(shell.form->recovery().offerRestore(), 0);
    QVERIFY(std::filesystem::exists(folder / "a.recovery"));
    shell.form->modalRunner = [](QDialog&) { return TRecoveryDialog::kDiscard; };
    QCOMPARE(shell.form->recovery().offerRestore(), 0);
    QVERIFY(!std::filesystem::exists(folder / "a.recovery"));
    QVERIFY(shell.form->editors().isEmpty());
}

QTEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
