// Reopen with Encoding, Save with Encoding and Line Breaks with a fake main
// window and a fake document.
#include "app/TextFormatCommands.h"
#include "platform/ScriptedDialogs.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

#include <stdexcept>

using tessaly::app::TFormatDocument;
using tessaly::app::TTextFormatCommands;
using tessaly::memo::TEncoding;
using tessaly::memo::TLineEnd;
using tessaly::memo::TTextFormat;
using tessaly::platform::TMsgAnswer;
using tessaly::platform::TMsgKind;
using tessaly::platform::TScriptedDialogs;

namespace {

class FakeDocument final : public TFormatDocument {
public:
    QString name = QStringLiteral("/pages/index.html");
    bool isModified = false;
    TTextFormat format;
    bool loadFailed = true;
    bool loadThrows = false;
    std::vector<std::pair<std::filesystem::path, std::optional<TEncoding>>> loads;

    QString caption() const override { return name; }
    bool untitled() const override { return name == QLatin1String("Untitled"); }
    bool modified() const override { return isModified; }
    std::filesystem::path path() const override { return name.toStdString(); }
    const TTextFormat& textFormat() const override { return format; }
    void setEncoding(TEncoding encoding) override { format.encoding = encoding; }
    void setLineEnd(TLineEnd lineEnd) override
    {
        format.lineEnd = lineEnd;
        format.mixedLineEnds = false;
    }
    void loadFromFile(const std::filesystem::path& file, std::optional<TEncoding> forced) override
    {
        loads.emplace_back(file, forced);
        if (loadThrows)
            throw std::runtime_error("Cannot read the file.");
        format.encoding = *forced;
    }
    void setLoadFailed(bool failed) override { loadFailed = failed; }
};

class FakeHost final : public TTextFormatCommands::Host {
public:
    FakeDocument document;
    bool hasDocument = true;
    bool saveSucceeds = true;
    // The encoding the document had when each save ran.
    std::vector<TEncoding> saves;
    TScriptedDialogs dialogs;

    TFormatDocument* formatDocument() override { return hasDocument ? &document : nullptr; }
    bool saveFormatDocument() override
    {
        saves.push_back(document.format.encoding);
        return saveSucceeds;
    }
    tessaly::platform::TDialogs& formatDialogs() override { return dialogs; }
};

// The three submenus as the main menu makes them: items named after the keys.
struct Menus {
    QMenu reopen, save, lineBreaks;

    Menus()
    {
        for (TEncoding e : {TEncoding::utf8, TEncoding::utf8Bom, TEncoding::utf16LE, TEncoding::utf16BE,
                            TEncoding::windows1252}) {
            add(reopen, QStringLiteral("ReopenEncoding_"), tessaly::memo::encodingKey(e));
            add(save, QStringLiteral("SaveEncoding_"), tessaly::memo::encodingKey(e));
        }
        for (TLineEnd e : {TLineEnd::crlf, TLineEnd::lf, TLineEnd::cr})
            add(lineBreaks, QStringLiteral("LineBreaks_"), tessaly::memo::lineEndKey(e));
    }
    TTextFormatCommands::TItems items()
    {
        return {reopen.menuAction(), save.menuAction(), lineBreaks.menuAction()};
    }
    static void add(QMenu& menu, const QString& prefix, const char* key)
    {
        QAction* a = menu.addAction(QString::fromLatin1(key));
        a->setObjectName(prefix + QString::fromLatin1(key));
        a->setCheckable(true);
    }
    static QStringList checked(const QMenu& menu)
    {
        QStringList out;
        for (QAction* a : menu.actions())
            if (a->isChecked())
                out << a->objectName();
        return out;
    }
};

} // namespace

class TextFormatCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void withoutADocumentTheSubmenusRestAndCommandsDoNothing()
    {
        FakeHost host;
        host.hasDocument = false;
        Menus menus;
        TTextFormatCommands commands(host, menus.items());
        commands.refresh();
        QVERIFY(!menus.reopen.menuAction()->isEnabled());
        QVERIFY(!menus.save.menuAction()->isEnabled());
        QVERIFY(!menus.lineBreaks.menuAction()->isEnabled());
        commands.reopenWithEncoding(TEncoding::utf16LE);
        commands.saveWithEncoding(TEncoding::utf16LE);
        commands.setLineBreaks(TLineEnd::lf);
        QVERIFY(host.saves.empty());
        QVERIFY(host.dialogs.messages.empty());
    }

    // The document's encoding and line break are checked; mixed line breaks
    // check none; an untitled document has no file to reopen.
    void refreshChecksTheDocumentsFormat()
    {
        FakeHost host;
        Menus menus;
        TTextFormatCommands commands(host, menus.items());
        host.document.format.encoding = TEncoding::utf16BE;
        host.document.format.lineEnd = TLineEnd::lf;
        commands.refresh();
        QVERIFY(menus.reopen.menuAction()->isEnabled());
        QCOMPARE(Menus::checked(menus.save),
                 QStringList{QStringLiteral("SaveEncoding_") + QString::fromLatin1(encodingKey(TEncoding::utf16BE))});
        QCOMPARE(Menus::checked(menus.lineBreaks),
                 QStringList{QStringLiteral("LineBreaks_") + QString::fromLatin1(lineEndKey(TLineEnd::lf))});

        host.document.format.mixedLineEnds = true;
        host.document.name = QStringLiteral("Untitled");
        commands.refresh();
        QVERIFY(Menus::checked(menus.lineBreaks).isEmpty());
        QVERIFY(!menus.reopen.menuAction()->isEnabled());
        QVERIFY(menus.save.menuAction()->isEnabled());

        commands.setLineBreaks(TLineEnd::cr);
        commands.refresh();
        QCOMPARE(Menus::checked(menus.lineBreaks),
                 QStringList{QStringLiteral("LineBreaks_") + QString::fromLatin1(lineEndKey(TLineEnd::cr))});
    }

    // The save runs in the new encoding; a save that fails leaves the old one.
    void saveWithEncodingKeepsTheNewEncodingOnlyWhenSaved()
    {
        FakeHost host;
        Menus menus;
        TTextFormatCommands commands(host, menus.items());
        host.document.format.encoding = TEncoding::utf8;
        commands.saveWithEncoding(TEncoding::windows1252);
        QCOMPARE(host.saves, std::vector<TEncoding>{TEncoding::windows1252});
        QCOMPARE(host.document.format.encoding, TEncoding::windows1252);

        host.saveSucceeds = false;
        commands.saveWithEncoding(TEncoding::utf16LE);
        QCOMPARE(host.saves.back(), TEncoding::utf16LE);
        QCOMPARE(host.document.format.encoding, TEncoding::windows1252);
    }

    // Changes are lost only after a Yes; a failed read is reported and
    // leaves the document as it was.
    void reopenAsksBeforeLosingChangesAndReportsFailures()
    {
        FakeHost host;
        Menus menus;
        TTextFormatCommands commands(host, menus.items());

        host.document.isModified = true;
        host.dialogs.answers.push_back(TMsgAnswer::no);
        commands.reopenWithEncoding(TEncoding::utf16LE);
        QVERIFY(host.document.loads.empty());
        QCOMPARE(host.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(host.dialogs.messages[0].text, std::string("Reopen /pages/index.html as UTF-16 LE and lose your changes?"));
        QVERIFY(host.dialogs.messages[0].kind == TMsgKind::confirmation);

        host.dialogs.answers.push_back(TMsgAnswer::yes);
        commands.reopenWithEncoding(TEncoding::utf16LE);
        QCOMPARE(host.document.loads.size(), std::size_t{1});
        QCOMPARE(host.document.loads[0].first, std::filesystem::path("/pages/index.html"));
        QVERIFY(host.document.loads[0].second == TEncoding::utf16LE);
        QVERIFY(!host.document.loadFailed);

        // Unmodified: no question.
        host.document.isModified = false;
        host.document.loadFailed = true;
        host.document.loadThrows = true;
        const std::size_t asked = host.dialogs.messages.size();
        commands.reopenWithEncoding(TEncoding::windows1252);
        QCOMPARE(host.dialogs.messages.size(), asked + 1);
        QVERIFY(host.dialogs.messages.back().kind == TMsgKind::error);
        QCOMPARE(host.dialogs.messages.back().text, std::string("Cannot read the file."));
        QVERIFY(host.document.loadFailed);
        QCOMPARE(host.document.format.encoding, TEncoding::utf16LE);
    }
};

QTEST_MAIN(TextFormatCommandsTest)
#include "TextFormatCommandsTest.moc"
