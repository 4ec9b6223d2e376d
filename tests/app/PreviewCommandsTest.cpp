// The preview commands with a fake main window and fake documents that
// record what was done to them.
#include "app/PreviewCommands.h"
#include "app/PreviewDocument.h"
#include "platform/IniFile.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using tessaly::app::TPreviewCommands;
using tessaly::app::TPreviewDocument;
using tessaly::platform::TIniFile;

namespace {

class FakeDocument final : public TPreviewDocument {
public:
    int toggles = 0;
    QStringList addresses;
    bool live = false;
    void togglePreview() override { ++toggles; }
    void showAddress(const QString& address) override { addresses << address; }
    void setLivePreview(bool on) override { live = on; }
    bool livePreview() const override { return live; }
};

class FakeHost final : public TPreviewCommands::Host {
public:
    std::vector<std::unique_ptr<FakeDocument>> documents;
    FakeDocument* active = nullptr;
    TPreviewDocument* activePreviewDocument() const override { return active; }
    QList<TPreviewDocument*> previewDocuments() const override
    {
        QList<TPreviewDocument*> out;
        for (const auto& d : documents)
            out.append(d.get());
        return out;
    }
    FakeDocument& open(TPreviewCommands& commands)
    {
        documents.push_back(std::make_unique<FakeDocument>());
        commands.documentOpened(*documents.back());
        active = documents.back().get();
        return *active;
    }
};

} // namespace

class PreviewCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Toggle and the links act on the active document only, and on nothing
    // when there is none.
    void commandsGoToTheActiveDocument()
    {
        FakeHost host;
        QAction item;
        item.setCheckable(true);
        TPreviewCommands commands(host, item);
        commands.togglePreview();
        commands.showLink(QStringLiteral("https://example.org/"));

        FakeDocument& first = host.open(commands);
        FakeDocument& second = host.open(commands);
        commands.togglePreview();
        commands.showLink(QStringLiteral("https://example.org/a"));
        host.active = &first;
        commands.togglePreview();
        commands.togglePreview();
        QCOMPARE(first.toggles, 2);
        QCOMPARE(second.toggles, 1);
        QVERIFY(first.addresses.isEmpty());
        QCOMPARE(second.addresses, QStringList{QStringLiteral("https://example.org/a")});
    }

    // The switch holds for every document, those opened later too, shows
    // in its item, and survives a run through the settings file; anything
    // but "true" there leaves it off.
    void theLiveSwitchHoldsForEveryDocumentAndIsKept()
    {
        QTemporaryDir dir;
        const std::filesystem::path file = dir.filePath(QStringLiteral("settings.ini")).toStdString();
        {
            FakeHost host;
            QAction item;
            item.setCheckable(true);
            TPreviewCommands commands(host, item);
            host.open(commands);
            commands.setLivePreview(true);
            QVERIFY(item.isChecked());
            FakeDocument& later = host.open(commands);
            QVERIFY(later.live);
            QCOMPARE(commands.check(), QString());
            TIniFile ini(file);
            commands.save(ini);
        }
        QCOMPARE(TIniFile(file).readString("View", "Live Preview", ""), std::string("true"));
        // The stored value, or none, and whether the switch comes on.
        const std::vector<std::pair<const char*, bool>> cases = {
            {"true", true}, {"false", false}, {"yes", false}, {nullptr, false}};
        for (const auto& [stored, on] : cases) {
            {
                TIniFile ini(file);
                if (stored)
                    ini.writeString("View", "Live Preview", stored);
                else
                    ini.deleteKey("View", "Live Preview");
            }
            FakeHost host;
            QAction item;
            item.setCheckable(true);
            TPreviewCommands commands(host, item);
            commands.load(TIniFile(file));
            QCOMPARE(commands.livePreviewOn(), on);
            QCOMPARE(host.open(commands).live, on);
            QCOMPARE(commands.check(), QString());
            commands.setLivePreview(false);
            QVERIFY(!item.isChecked());
            QVERIFY(!host.documents.front()->live);
            QCOMPARE(commands.check(), QString());
        }
    }

    // check() notices a document or an item that went its own way.
    void checkNoticesADocumentOutOfStep()
    {
        FakeHost host;
        QAction item;
        item.setCheckable(true);
        TPreviewCommands commands(host, item);
        FakeDocument& d = host.open(commands);
        QCOMPARE(commands.check(), QString());
        d.live = true;
        QVERIFY(!commands.check().isEmpty());
        d.live = false;
        item.setChecked(true);
        QVERIFY(!commands.check().isEmpty());
    }
};

QTEST_MAIN(PreviewCommandsTest)
#include "PreviewCommandsTest.moc"
