// Print and Printer Setup with a fake main window: the print of a plain
// document goes to a PDF, read back with pdftotext.
#include "app/PrintCommands.h"
#include "memo/SyntaxMemo.h"
#include "platform/ScriptedDialogs.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using tessaly::app::TPrintCommands;
using tessaly::memo::TSyntaxMemo;
using tessaly::platform::TMsgAnswer;
using tessaly::platform::TMsgKind;
using tessaly::platform::TScriptedDialogs;

namespace {

class FakeHost final : public TPrintCommands::Host {
public:
    TSyntaxMemo memo;
    bool hasDocument = true;
    TScriptedDialogs dialogs;
    std::filesystem::path folder = "/start/here";
    std::vector<std::optional<std::filesystem::path>> remembered;

    std::optional<TPrintCommands::TSource> printSource() override
    {
        if (!hasDocument)
            return std::nullopt;
        return TPrintCommands::TSource{&memo, QStringLiteral("Caption"), QFont(), "page"};
    }
    tessaly::platform::TDialogs& printDialogs() override { return dialogs; }
    std::filesystem::path fileDialogFolder() const override { return folder; }
    void rememberFileDialogFolder(const std::optional<std::filesystem::path>& chosen) override
    {
        remembered.push_back(chosen);
    }
};

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class PrintCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void withoutADocumentNothingIsAsked()
    {
        FakeHost host;
        host.hasDocument = false;
        TPrintCommands commands(host);
        commands.print();
        QVERIFY(host.dialogs.messages.empty());
        QVERIFY(host.dialogs.fileRequests.empty());
    }

    // With no printer the user is told, then names a PDF, offered under the
    // document's name in the folder of the file dialogs, which remember the
    // folder chosen; a cancel prints nothing.
    void withoutAPrinterThePrintGoesToANamedPdf()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed (scripts/install-deps.sh installs it)");
        QTemporaryDir dir;
        FakeHost host;
        host.memo.setSelText("first line\r\nsecond line of the page");
        TPrintCommands commands(host);

        host.dialogs.answers.push_back(TMsgAnswer::ok);
        host.dialogs.saveFiles.push_back(std::nullopt);
        commands.print();
        QCOMPARE(host.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(host.dialogs.messages[0].kind, TMsgKind::information);
        QCOMPARE(host.dialogs.fileRequests.size(), std::size_t{1});
        QCOMPARE(host.dialogs.fileRequests[0].initialName, std::string("page.pdf"));
        QCOMPARE(host.dialogs.fileRequests[0].initialFolder, host.folder);
        QCOMPARE(host.remembered.size(), std::size_t{1});
        QVERIFY(!host.remembered[0]);

        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        host.dialogs.answers.push_back(TMsgAnswer::ok);
        host.dialogs.saveFiles.push_back(pdf.toStdString());
        commands.print();
        QCOMPARE(host.dialogs.messages.size(), std::size_t{2});
        QCOMPARE(host.remembered.back(), std::optional<std::filesystem::path>(pdf.toStdString()));
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("second line of the page")), qPrintable(text));
        QCOMPARE(host.dialogs.unexpected, 0);
    }

    // A file chosen as the printer is printed to without asking; one that
    // cannot be written is reported.
    void theChosenTargetIsUsedAndAFailureReported()
    {
        QTemporaryDir dir;
        FakeHost host;
        host.memo.setSelText("text");
        TPrintCommands commands(host);
        host.dialogs.printerSetups.push_back(true);
        commands.printerSetup();
        const QString pdf = dir.filePath(QStringLiteral("chosen.pdf"));
        commands.printer().setOutputFormat(QPrinter::PdfFormat);
        commands.printer().setOutputFileName(pdf);
        commands.print();
        QVERIFY(host.dialogs.messages.empty());
        QVERIFY(host.dialogs.fileRequests.empty());
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString bad = dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
        commands.printer().setOutputFileName(bad);
        host.dialogs.answers.push_back(TMsgAnswer::ok);
        commands.print();
        QCOMPARE(host.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(host.dialogs.messages[0].kind, TMsgKind::error);
        QCOMPARE(host.dialogs.messages[0].text, "Unable to print to " + bad.toStdString());
        QCOMPARE(host.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(PrintCommandsTest)
#include "PrintCommandsTest.moc"
