// Printing, checked on the PDF the print goes to when no printer is
// installed, read back with pdftotext.
#include "ShellTestSupport.h"

#include "app/DocumentPrinter.h"

#include <QDate>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

using namespace shelltest;
using tessaly::app::printDocument;
using tessaly::app::TPrintOptions;

namespace {

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!havePdfToText())
            QSKIP("pdftotext is not installed (scripts/install-deps.sh installs it)");
    }

    void withoutAPrinterThePrintGoesToAPdfFile()
    {
        Shell s;
        s.start();
        const QString page = s.path(QStringLiteral("page.html"));
        writeFile(page, "<HTML>\r\n<BODY>hello printer</BODY>\r\n</HTML>");
        s.form->openFile(page.toStdString());
        const QString pdf = s.path(QStringLiteral("page.pdf"));
        s.dialogs->answers.push_back(TMsgAnswer::ok);
        s.dialogs->saveFiles.push_back(pdf.toStdString());
        s.form->printClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QVERIFY(QString::fromStdString(s.dialogs->messages[0].text).contains(QStringLiteral("PDF")));
        QCOMPARE(s.dialogs->fileRequests.back().defaultExt, std::string("pdf"));
        QVERIFY(QFile::exists(pdf));

        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("hello printer")), qPrintable(text));
        QVERIFY(text.contains(page));
        QVERIFY(text.contains(QDate::currentDate().toString(Qt::ISODate)));
        QVERIFY(text.contains(QStringLiteral("Page 1 of 1")));
        QVERIFY(QRegularExpression(QStringLiteral("(^|\\n)\\s*2\\s+<BODY>")).match(text).hasMatch());
    }

    void cancellingTheFileNamePrintsNothing()
    {
        Shell s;
        s.start();
        s.form->newClick();
        s.dialogs->answers.push_back(TMsgAnswer::ok);
        s.dialogs->saveFiles.push_back(std::nullopt);
        s.form->printClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(1));
        QCOMPARE(QDir(s.path(QString())).entryList({QStringLiteral("*.pdf")}).size(), 0);
    }

    void optionsLeaveOutWhatIsNotAsked()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("plain.pdf"));
        QPdfWriter writer(pdf);
        TPrintOptions o;
        o.lineNumbers = o.fileName = o.date = o.pageNumbers = false;
        o.title = QStringLiteral("title.html");
        o.font = QFont(QStringLiteral("Courier New"), 10);
        QCOMPARE(printDocument({QStringLiteral("alpha"), QStringLiteral("beta")}, writer, o), 1);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("alpha")));
        QVERIFY(!text.contains(QStringLiteral("title.html")));
        QVERIFY(!text.contains(QStringLiteral("Page")));
        QVERIFY(!QRegularExpression(QStringLiteral("1\\s+alpha")).match(text).hasMatch());
    }

    void longDocumentsRunOverPagesAndLongLinesWrap()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
        QPdfWriter writer(pdf);
        TPrintOptions o;
        o.title = QStringLiteral("long.html");
        o.font = QFont(QStringLiteral("Courier New"), 10);
        QStringList lines;
        for (int i = 1; i <= 150; ++i)
            lines << QStringLiteral("line%1").arg(i);
        lines << QString(300, QLatin1Char('w')) + QStringLiteral("END");
        const int pages = printDocument(lines, writer, o);
        QVERIFY(pages >= 2);
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Page 1 of %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QVERIFY(text.contains(QStringLiteral("line150")));
        QVERIFY(text.contains(QStringLiteral("END"))); // the wrapped tail is printed
        QVERIFY(QRegularExpression(QStringLiteral("151\\s+w")).match(text).hasMatch());
    }

    void aFileChosenInPrinterSetupIsPrintedTo()
    {
        Shell s;
        s.start();
        s.form->newClick();
        s.dialogs->printerSetups.push_back(true);
        s.item("PrinterSetup1")->trigger();
        QCOMPARE(s.dialogs->unexpected, 0);
        const QString pdf = s.path(QStringLiteral("setup.pdf"));
        s.form->printer().setOutputFormat(QPrinter::PdfFormat);
        s.form->printer().setOutputFileName(pdf);
        s.form->printClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(0));
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Untitled")));
        QVERIFY(text.contains(QStringLiteral("Document_Title_Goes_Here")));
    }

    void anUnwritablePdfIsReported()
    {
        Shell s;
        s.start();
        s.form->newClick();
        s.dialogs->answers = {TMsgAnswer::ok, TMsgAnswer::ok};
        s.dialogs->saveFiles.push_back(s.path(QStringLiteral("no/such/folder/x.pdf")).toStdString());
        s.form->printClick();
        QCOMPARE(s.dialogs->messages.size(), std::size_t(2));
        QCOMPARE(s.dialogs->messages[1].kind, tessaly::platform::TMsgKind::error);
    }
};

QTEST_MAIN(PrintTest)
#include "PrintTest.moc"
