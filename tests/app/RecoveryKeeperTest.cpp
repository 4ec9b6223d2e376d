// The recovery keeper with a fake main window: documents are plain records,
// the choice of what to restore is scripted.
#include "DeadProcess.h"

#include "app/RecoveryDialog.h"
#include "app/RecoveryKeeper.h"

#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <functional>
#include <fstream>
#include <sstream>

using shelltest::deadPid;
using tessaly::app::TRecoverableDocument;
using tessaly::app::TRecoveryDialog;
using tessaly::app::TRecoveryKeeper;
using tessaly::app::TRecoveryRecord;

namespace {

// A document whose record holds its text; setText stands for an edit.
class FakeDocument final : public TRecoverableDocument {
public:
    bool isModified = true;
    TRecoveryRecord record;
    std::uint64_t version = 1;
    int reads = 0;
    // Runs after each read of a range, as the user may between two slices.
    std::function<void(int read)> afterRead;

    void setText(std::string text)
    {
        record.text = std::move(text);
        ++version;
    }
    bool modified() const override { return isModified; }
    TRecoveryRecord recoveryHeader() const override
    {
        TRecoveryRecord r = record;
        r.text.clear();
        return r;
    }
    std::int64_t textLength() const override { return static_cast<std::int64_t>(record.text.size()); }
    void appendText(std::int64_t start, std::int64_t end, std::string& out) const override
    {
        out.append(record.text, static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
        auto* self = const_cast<FakeDocument*>(this);
        ++self->reads;
        if (afterRead)
            afterRead(self->reads);
    }
    std::uint64_t textVersion() const override { return version; }
    // The end of the file, while it is still being read.
    std::string unread;
    bool textComplete() const override { return unread.empty(); }
    void completeText() override
    {
        setText(record.text + unread);
        unread.clear();
    }
};

class FakeHost final : public TRecoveryKeeper::Host {
public:
    std::deque<std::unique_ptr<FakeDocument>> documents;
    int answer = QDialog::Accepted;
    std::vector<bool> choice;
    std::vector<std::string> offered;
    std::vector<TRecoveryRecord> restored;

    FakeDocument& add(std::string text)
    {
        documents.push_back(std::make_unique<FakeDocument>());
        documents.back()->record.text = std::move(text);
        return *documents.back();
    }
    QList<TRecoverableDocument*> recoverableDocuments() const override
    {
        QList<TRecoverableDocument*> out;
        for (const auto& d : documents)
            out.append(d.get());
        return out;
    }
    int chooseRecovered(const std::vector<TRecoveryRecord>& found, std::vector<bool>& chosen) override
    {
        for (const TRecoveryRecord& r : found)
            offered.push_back(r.text);
        chosen = choice;
        return answer;
    }
    TRecoverableDocument& openRecovered(const TRecoveryRecord& record) override
    {
        restored.push_back(record);
        return add(record.text);
    }
};

std::optional<TRecoveryRecord> readRecovery(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::stringstream ss;
    ss << in.rdbuf();
    return tessaly::app::decodeRecovery(ss.str());
}

} // namespace

class RecoveryKeeperTest : public QObject {
    Q_OBJECT

private slots:
    // A change is written within the delay, with the document's record and
    // this process; a save (no longer modified) and a close remove it.
    void aChangedDocumentIsWrittenThenRemovedOnSaveAndClose()
    {
        QTemporaryDir dir;
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, dir.path().toStdString());
        FakeDocument& doc = host.add("first draft");
        doc.record.name = "/pages/a.html";
        doc.record.language = 3;
        doc.record.caret = 4;
        doc.record.format.encoding = tessaly::memo::TEncoding::utf16LE;
        keeper.documentChanged(doc);
        const std::filesystem::path file = keeper.fileOf(doc);
        QVERIFY(!file.empty());
        QCOMPARE(file.parent_path(), std::filesystem::path(dir.path().toStdString()));
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(file), 5000);
        keeper.waitForWrites();
        const auto back = readRecovery(file);
        QVERIFY(back);
        QCOMPARE(back->text, doc.record.text);
        QCOMPARE(back->name, doc.record.name);
        QCOMPARE(back->language, 3);
        QCOMPARE(back->caret, std::int64_t{4});
        QVERIFY(back->format == doc.record.format);
        QCOMPARE(back->pid, std::int64_t{::getpid()});
        QVERIFY(back->savedAt > 0);

        doc.isModified = false;
        keeper.documentChanged(doc);
        keeper.waitForWrites();
        QVERIFY(!std::filesystem::exists(file));

        doc.isModified = true;
        keeper.documentChanged(doc);
        keeper.writeAllNow();
        QVERIFY(std::filesystem::exists(file));
        keeper.documentClosed(doc);
        keeper.waitForWrites();
        QVERIFY(!std::filesystem::exists(file));
        QVERIFY(keeper.fileOf(doc).empty());
    }

    // Only the modified documents are written, each to a file of its own.
    void writeAllNowWritesTheModifiedDocuments()
    {
        QTemporaryDir dir;
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, dir.path().toStdString());
        FakeDocument& a = host.add("a");
        FakeDocument& b = host.add("b");
        FakeDocument& c = host.add("c");
        b.isModified = false;
        keeper.writeAllNow();
        QVERIFY(keeper.fileOf(a) != keeper.fileOf(c));
        QCOMPARE(readRecovery(keeper.fileOf(a))->text, std::string("a"));
        QCOMPARE(readRecovery(keeper.fileOf(c))->text, std::string("c"));
        QVERIFY(!std::filesystem::exists(keeper.fileOf(b)));
    }

    // A rejected choice keeps the files for the next start; an accepted one
    // drops every offered file, restoring only what was checked.
    void aRejectedChoiceKeepsTheFilesAndAnAcceptedOneDropsThem()
    {
        QTemporaryDir dir;
        const std::filesystem::path folder = dir.path().toStdString();
        TRecoveryRecord r;
        r.pid = deadPid();
        r.savedAt = 1700000000;
        for (const char* text : {"one", "two", "three"}) {
            r.text = text;
            ++r.savedAt;
            QVERIFY(tessaly::app::writeRecoveryFile(folder / (std::string(text) + ".recovery"),
                                                    tessaly::app::encodeRecovery(r)));
        }
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, folder);

        host.answer = QDialog::Rejected;
        QCOMPARE(keeper.offerRestore(), 0);
        QCOMPARE(host.offered.size(), std::size_t{3});
        QVERIFY(std::filesystem::exists(folder / "two.recovery"));

        host.answer = QDialog::Accepted; // with nothing checked
        QCOMPARE(keeper.offerRestore(), 0);
        for (const char* text : {"one", "two", "three"})
            QVERIFY(!std::filesystem::exists(folder / (std::string(text) + ".recovery")));
        QVERIFY(host.restored.empty());
    }

    void onlyTheCheckedRecordsAreRestored()
    {
        QTemporaryDir dir;
        const std::filesystem::path folder = dir.path().toStdString();
        TRecoveryRecord r;
        r.pid = deadPid();
        for (const char* text : {"one", "two"}) {
            r.text = text;
            QVERIFY(tessaly::app::writeRecoveryFile(folder / (std::string(text) + ".recovery"),
                                                    tessaly::app::encodeRecovery(r)));
        }
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, folder);
        host.answer = QDialog::Accepted;
        // Check the second of the offered records, whichever it is.
        host.choice = {false, true};
        QCOMPARE(keeper.offerRestore(), 1);
        QCOMPARE(host.restored.size(), std::size_t{1});
        QCOMPARE(host.restored[0].text, host.offered[1]);
        // The restored document is modified: it has a recovery file of its own.
        keeper.writeAllNow();
        QCOMPARE(readRecovery(keeper.fileOf(*host.documents.back()))->text, host.offered[1]);
        QVERIFY(!std::filesystem::exists(folder / "one.recovery"));
        QVERIFY(!std::filesystem::exists(folder / "two.recovery"));

        // Discard All drops them with nothing restored.
        r.text = "three";
        QVERIFY(tessaly::app::writeRecoveryFile(folder / "three.recovery", tessaly::app::encodeRecovery(r)));
        host.answer = TRecoveryDialog::kDiscard;
        host.choice = {true};
        QCOMPARE(keeper.offerRestore(), 0);
        QCOMPARE(host.restored.size(), std::size_t{1});
        QVERIFY(!std::filesystem::exists(folder / "three.recovery"));
    }

    // Edits made while a large text is copied slice by slice start the copy
    // over: the file holds the text as it is after the last edit, never a
    // mix of old and new slices.
    void editsBetweenSlicesEndInTheLatestText()
    {
        QTemporaryDir dir;
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, dir.path().toStdString());
        keeper.setSliceBytes(64);
        std::string text;
        for (int i = 0; i < 1000; ++i)
            text += "line " + std::to_string(i) + "\r";
        FakeDocument& doc = host.add(text);
        std::string expected = text;
        doc.afterRead = [&](int read) {
            if (read == 3) {
                expected.insert(10, "inserted early ");
                doc.setText(expected);
                keeper.documentChanged(doc);
            } else if (read == 40) {
                QVERIFY(keeper.snapshotting(doc));
                expected.erase(700, 100);
                expected += "appended late";
                doc.setText(expected);
                keeper.documentChanged(doc);
            }
        };
        keeper.documentChanged(doc);
        const std::filesystem::path file = keeper.fileOf(doc);
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(file), 5000);
        keeper.waitForWrites();
        QCOMPARE(readRecovery(file)->text, expected);
        QVERIFY(!keeper.snapshotting(doc));
        // After the last edit (at the 40th read) the whole text was read
        // again, in slices.
        QVERIFY(doc.reads >= 40 + static_cast<int>(expected.size() / 64));
    }

    // A document whose file is still being read is copied only once all of
    // it is in: a copy of its first part would restore a file cut short.
    void aDocumentStillBeingReadIsCopiedWhenItIsIn()
    {
        QTemporaryDir dir;
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, dir.path().toStdString());
        FakeDocument& doc = host.add("edited while the rest is read: ");
        doc.unread = "the rest of the file";
        keeper.documentChanged(doc);
        const std::filesystem::path file = keeper.fileOf(doc);
        QTest::qWait(TRecoveryKeeper::kDelayMs + 300);
        keeper.waitForWrites();
        QVERIFY(!std::filesystem::exists(file));
        doc.completeText();
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(file), 5000);
        keeper.waitForWrites();
        QCOMPARE(readRecovery(file)->text, std::string("edited while the rest is read: the rest of the file"));

        // At the end of a session the rest is read at once.
        doc.unread = " and more";
        keeper.writeAllNow();
        QCOMPARE(readRecovery(file)->text, std::string("edited while the rest is read: the rest of the file and more"));
    }

    // A save or a close while a snapshot is being copied stops it: no file
    // is written after the document's file was removed.
    void aSaveOrCloseDuringASnapshotLeavesNoFile()
    {
        QTemporaryDir dir;
        FakeHost host;
        TRecoveryKeeper keeper(host, nullptr, dir.path().toStdString());
        keeper.setSliceBytes(16);
        FakeDocument& saved = host.add(std::string(1 << 21, 'a'));
        FakeDocument& closed = host.add(std::string(1 << 21, 'b'));
        keeper.writeAllNow(); // files from an earlier snapshot
        const std::filesystem::path savedFile = keeper.fileOf(saved);
        const std::filesystem::path closedFile = keeper.fileOf(closed);
        QVERIFY(std::filesystem::exists(savedFile));
        QVERIFY(std::filesystem::exists(closedFile));

        saved.setText(saved.record.text + "x");
        closed.setText(closed.record.text + "y");
        keeper.documentChanged(saved);
        keeper.documentChanged(closed);
        QTRY_VERIFY_WITH_TIMEOUT(keeper.snapshotting(saved) && keeper.snapshotting(closed), 5000);
        saved.isModified = false;
        keeper.documentChanged(saved);
        keeper.documentClosed(closed);
        QVERIFY(!keeper.snapshotting(saved));
        QTest::qWait(300);
        keeper.waitForWrites();
        QVERIFY(!std::filesystem::exists(savedFile));
        QVERIFY(!std::filesystem::exists(closedFile));
    }
};

QTEST_MAIN(RecoveryKeeperTest)
#include "RecoveryKeeperTest.moc"
