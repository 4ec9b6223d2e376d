// Open, Save, Save As, Save Selection and the close question with a fake
// main window, fake documents and scripted dialogs.
#include "app/FileCommands.h"
#include "memo/MemoErrors.h"
#include "platform/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

using tessaly::app::TFileCommands;
using tessaly::app::TFileDocument;
using tessaly::memo::TEncoding;
using tessaly::memo::TLineEnd;
using tessaly::memo::TTextFormat;
using tessaly::platform::TMsgAnswer;
using tessaly::platform::TMsgKind;
using tessaly::platform::TScriptedDialogs;
using Path = std::filesystem::path;

namespace {

class FakeDocument final : public TFileDocument {
public:
    QString name = QStringLiteral("Untitled");
    bool isModified = true;
    bool loadFailed = false;
    TTextFormat format;
    std::vector<Path> writes;
    // What each write throws, in turn; nothing when empty.
    std::vector<std::function<void()>> failures;

    QString caption() const override { return name; }
    bool untitled() const override { return name == QLatin1String("Untitled"); }
    bool modified() const override { return isModified; }
    Path path() const override { return untitled() ? Path() : Path(name.toStdString()); }
    const TTextFormat& textFormat() const override { return format; }
    void setEncoding(TEncoding encoding) override { format.encoding = encoding; }
    void setLineEnd(TLineEnd lineEnd) override { format.lineEnd = lineEnd; }
    void loadFromFile(const Path&, std::optional<TEncoding>) override {}
    void setLoadFailed(bool failed) override { loadFailed = failed; }
    bool needsName() const override { return untitled() || loadFailed; }
    void saveToFile(const Path& file) override
    {
        writes.push_back(file);
        if (!failures.empty()) {
            auto fail = failures.front();
            failures.erase(failures.begin());
            fail();
        }
        isModified = false;
    }
};

class FakeHost final : public TFileCommands::Host {
public:
    FakeDocument document;
    bool hasDocument = false;
    TScriptedDialogs dialogs;
    std::vector<Path> opened;
    struct Saved {
        Path file;
        bool renamed;
    };
    std::vector<Saved> saved;
    std::optional<bool> saveEnabled;
    std::string clipboard;

    TFileDocument* activeFileDocument() override { return hasDocument ? &document : nullptr; }
    tessaly::platform::TDialogs& fileDialogs() override { return dialogs; }
    void openDocumentFile(const Path& file) override { opened.push_back(file); }
    void documentSaved(TFileDocument& d, const Path& file, bool renamed) override
    {
        QCOMPARE(&d, static_cast<TFileDocument*>(&document));
        saved.push_back({file, renamed});
        // The window names the document after its new file.
        if (renamed) {
            document.name = QString::fromStdString(file.string());
            document.loadFailed = false;
        }
    }
    void setSaveEnabled(bool enabled) override { saveEnabled = enabled; }
    std::string clipboardText() const override { return clipboard; }
};

std::string fileText(const Path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The dialogs start in the active named document's folder, else in the
    // folder last chosen in any file dialog; a cancel forgets nothing.
    void theDialogsRememberTheLastFolder()
    {
        FakeHost host;
        TFileCommands files(host);
        host.dialogs.openFiles = {Path("/site/pages/a.html"), std::nullopt, Path("/other/b.htm")};
        files.open();
        QCOMPARE(host.opened, std::vector<Path>{"/site/pages/a.html"});
        QCOMPARE(host.dialogs.fileRequests.back().initialFolder, Path());
        QCOMPARE(host.dialogs.fileRequests.back().title, std::string("Open"));
        QCOMPARE(host.dialogs.fileRequests.back().filters.size(), std::size_t{4});

        files.open(); // cancelled
        QCOMPARE(host.dialogs.fileRequests.back().initialFolder, Path("/site/pages"));
        QCOMPARE(host.opened.size(), std::size_t{1});
        QCOMPARE(files.lastFolder(), Path("/site/pages"));

        // A named document's own folder comes first; an untitled one has none.
        host.hasDocument = true;
        host.document.name = QStringLiteral("/docs/readme.html");
        files.open();
        QCOMPARE(host.dialogs.fileRequests.back().initialFolder, Path("/docs"));
        QCOMPARE(files.lastFolder(), Path("/other"));
        host.document.name = QStringLiteral("Untitled");
        QCOMPARE(files.dialogFolder(), Path("/other"));

        // Save As and Save Selection remember their folder too.
        host.dialogs.saveFiles = {std::nullopt, Path("/kept/sel.html")};
        files.saveAs();
        QCOMPARE(files.lastFolder(), Path("/other"));
        files.saveSelection();
        QCOMPARE(files.lastFolder(), Path("/kept"));
        QCOMPARE(host.dialogs.fileRequests.back().title, std::string("Save Selection"));
    }

    // Save asks a name only when the document needs one, then writes under
    // it; a cancel writes nothing and leaves Save as it was.
    void saveAsksForANameOnlyWhenNeeded()
    {
        FakeHost host;
        host.hasDocument = true;
        TFileCommands files(host);

        host.dialogs.saveFiles = {std::nullopt};
        files.save();
        QVERIFY(host.document.writes.empty());
        QVERIFY(!host.saveEnabled);
        const auto& asked = host.dialogs.fileRequests.back();
        QCOMPARE(asked.title, std::string("Save As"));
        QCOMPARE(asked.initialName, std::string("Untitled.html"));
        QCOMPARE(asked.defaultExt, std::string("html"));
        QVERIFY(asked.overwritePrompt);

        host.dialogs.saveFiles = {Path("/w/new.html")};
        files.save();
        QCOMPARE(host.document.writes, std::vector<Path>{"/w/new.html"});
        QCOMPARE(host.saved.back().file, Path("/w/new.html"));
        QVERIFY(host.saved.back().renamed);
        QCOMPARE(host.saveEnabled, std::optional(false));

        // Named now: no dialog.
        const std::size_t requests = host.dialogs.fileRequests.size();
        host.document.isModified = true;
        files.save();
        QCOMPARE(host.dialogs.fileRequests.size(), requests);
        QCOMPARE(host.document.writes.back(), Path("/w/new.html"));
        QVERIFY(!host.saved.back().renamed);

        // A document whose file could not be read asks again, offering its name.
        host.document.loadFailed = true;
        host.dialogs.saveFiles = {std::nullopt};
        QVERIFY(!files.saveDocument(host.document));
        QCOMPARE(host.dialogs.fileRequests.back().initialName, std::string("new.html"));
    }

    // A file that may not be written offers another name; No gives up. Any
    // other failure is reported and leaves the document modified and named.
    void aRefusedWriteOffersAnotherName()
    {
        FakeHost host;
        host.hasDocument = true;
        host.document.name = QStringLiteral("/ro/page.html");
        TFileCommands files(host);
        const auto denied = [] { throw tessaly::memo::EFWriteDenied("Cannot create file /ro/page.html."); };

        host.document.failures = {denied};
        host.dialogs.answers = {TMsgAnswer::yes};
        host.dialogs.saveFiles = {Path("/rw/page.html")};
        QVERIFY(files.saveDocument(host.document));
        QCOMPARE(host.dialogs.messages.back().text,
                 std::string("Cannot create file /ro/page.html.\n\nSave the document under another name?"));
        QCOMPARE(host.document.writes, (std::vector<Path>{"/ro/page.html", "/rw/page.html"}));
        QVERIFY(host.saved.back().renamed);
        QCOMPARE(host.document.name, QStringLiteral("/rw/page.html"));

        host.document.isModified = true;
        host.document.failures = {denied};
        host.dialogs.answers = {TMsgAnswer::no};
        QVERIFY(!files.saveDocument(host.document));
        QCOMPARE(host.saved.size(), std::size_t{1});

        host.document.failures = {[] { throw std::runtime_error("Disk full."); }};
        host.saveEnabled.reset();
        QVERIFY(!files.saveDocument(host.document));
        QCOMPARE(host.dialogs.messages.back().text, std::string("Disk full."));
        QVERIFY(host.dialogs.messages.back().kind == TMsgKind::error);
        QVERIFY(host.document.modified());
        QVERIFY(!host.saveEnabled);

        // Save As that fails keeps the old name.
        host.document.failures = {[] { throw std::runtime_error("Disk full."); }};
        host.dialogs.saveFiles = {Path("/x/other.html")};
        files.saveAs();
        QCOMPARE(host.document.name, QStringLiteral("/rw/page.html"));
        QCOMPARE(host.saved.size(), std::size_t{1});
        QVERIFY(!host.saveEnabled);
    }

    // Cancelling the Save As dialog changes nothing: the document keeps its
    // name and its changes, nothing is written and Save stays on.
    void aCancelledSaveAsLeavesEverythingAsItWas()
    {
        for (const char* name : {"Untitled", "/w/kept.html"}) {
            FakeHost host;
            host.hasDocument = true;
            host.document.name = QString::fromLatin1(name);
            host.document.isModified = true;
            TFileCommands files(host);
            host.dialogs.saveFiles = {std::nullopt};
            files.saveAs();
            QCOMPARE(host.dialogs.fileRequests.size(), std::size_t{1});
            QCOMPARE(host.document.name, QString::fromLatin1(name));
            QVERIFY(host.document.modified());
            QVERIFY(host.document.writes.empty());
            QVERIFY(host.saved.empty());
            QVERIFY2(!host.saveEnabled.has_value() || *host.saveEnabled, "Save was turned off");
        }
    }

    void closeQueryAsksOnlyForModifiedDocuments()
    {
        FakeHost host;
        host.hasDocument = true;
        host.document.name = QStringLiteral("/w/a.html");
        TFileCommands files(host);

        host.document.isModified = false;
        QVERIFY(files.closeQuery(host.document));
        QVERIFY(host.dialogs.messages.empty());

        host.document.isModified = true;
        host.dialogs.answers = {TMsgAnswer::cancel, TMsgAnswer::no, TMsgAnswer::yes};
        QVERIFY(!files.closeQuery(host.document));
        QCOMPARE(host.dialogs.messages.back().text, std::string("Save changes to /w/a.html?"));
        QVERIFY(files.closeQuery(host.document));
        QVERIFY(host.document.writes.empty());
        QVERIFY(files.closeQuery(host.document));
        QCOMPARE(host.document.writes, std::vector<Path>{"/w/a.html"});

        // Yes, then a cancelled name: the document stays open.
        host.document.name = QStringLiteral("Untitled");
        host.document.isModified = true;
        host.dialogs.answers = {TMsgAnswer::yes};
        host.dialogs.saveFiles = {std::nullopt};
        QVERIFY(!files.closeQuery(host.document));
    }

    // Save Selection writes the clipboard's text as it is.
    void saveSelectionWritesTheClipboard()
    {
        QTemporaryDir dir;
        FakeHost host;
        TFileCommands files(host);
        host.clipboard = "<B>bold</B>\r\nnext";
        const Path file = dir.filePath(QStringLiteral("sel.html")).toStdString();
        host.dialogs.saveFiles = {file};
        files.saveSelection();
        QCOMPARE(fileText(file), host.clipboard);
        QVERIFY(host.dialogs.messages.empty());

        host.dialogs.saveFiles = {dir.filePath(QStringLiteral("no/such/folder/x.html")).toStdString()};
        files.saveSelection();
        QCOMPARE(host.dialogs.messages.size(), std::size_t{1});
        QVERIFY(host.dialogs.messages[0].kind == TMsgKind::error);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
