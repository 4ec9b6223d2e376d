// The HTML view of local pages: rendering, images off, colours, font, and
// a page rewritten under the same name showing its new contents.
#include "widgets/HtmlViewer.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

using tessaly::widgets::THtmlViewer;

namespace {

void write(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

} // namespace

class HtmlViewerTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheMarkupRenderedAndRereadsARewrittenFile()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("page.html"));
        write(page,
              "<HTML>\r\n<FONT SIZE=\"-1\" FACE=\"Arial\">\r\n<B>Bold</B> and <I>more</I>\r\n</FONT>\r\n</HTML>\r\n");
        THtmlViewer view;
        QVERIFY(view.loadFile(page.toStdString()));
        QCOMPARE(view.toPlainText().trimmed(), QStringLiteral("Bold and more"));
        // The first word is bold, and the font is Arial, one size below the view's.
        QTextCursor c(view.document());
        c.setPosition(view.toPlainText().indexOf(QStringLiteral("Bold")) + 1);
        QVERIFY(c.charFormat().font().bold());
        QCOMPARE(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
        QVERIFY(c.charFormat().font().pointSizeF() < view.document()->defaultFont().pointSizeF());

        write(page, "<HTML>\r\n</HTML>\r\n");
        QVERIFY(view.loadFile(page.toStdString()));
        QVERIFY(view.toPlainText().trimmed().isEmpty());
        write(page, "<P>again</P>");
        QVERIFY(view.loadFile(page.toStdString()));
        QCOMPARE(view.toPlainText().trimmed(), QStringLiteral("again"));
        QVERIFY(!view.isBackwardAvailable() && !view.isForwardAvailable());
    }

    void imagesAreNeverLoaded()
    {
        QTemporaryDir dir;
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(Qt::red);
        QVERIFY(img.save(dir.filePath(QStringLiteral("red.png"))));
        const QString page = dir.filePath(QStringLiteral("page.html"));
        write(page, "<P>text <IMG SRC=\"red.png\"></P>");
        THtmlViewer view;
        view.setSearchPaths({dir.path()});
        QVERIFY(view.loadFile(page.toStdString()));
        QVERIFY(view.document()->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("red.png"))).isNull());
        QVERIFY(view.loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(dir.filePath("red.png"))).isNull());
    }

    void theTooltipColourAndASerifDefaultFont()
    {
        THtmlViewer view;
        QCOMPARE(view.palette().color(QPalette::Base), QToolTip::palette().color(QPalette::ToolTipBase));
        QCOMPARE(view.font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(view.document()->defaultFont().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(view.font().styleHint(), QFont::Serif);
        QVERIFY(!view.openLinks());
    }

    void aMissingFileShowsAnEmptyPage()
    {
        THtmlViewer view;
        view.setHtml(QStringLiteral("<P>old</P>"));
        QVERIFY(!view.loadFile("/nonexistent/page.html"));
        QVERIFY(view.toPlainText().isEmpty());
    }
};

QTEST_MAIN(HtmlViewerTest)
#include "HtmlViewerTest.moc"
