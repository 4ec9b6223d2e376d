// Mouse, painting, clipboard and drops through real events.
#include "widgets/SyntaxMemoView.h"

#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using tessaly::widgets::TSyntaxMemoView;
namespace memo = tessaly::memo;
using Opt = memo::TSyntaxMemoOption;

namespace {

// A drop as a window system delivers it: the drag enters, then drops.
void sendDrop(QWidget* target, QPointF at, QMimeData* mime)
{
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

QString sel(const TSyntaxMemoView& v)
{
    return QString::fromStdString(v.memo().selText());
}

} // namespace

class MemoViewMouseTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        view = std::make_unique<TSyntaxMemoView>();
        view->resize(500, 300);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() { view.reset(); }

    // x of the middle of a display column's cell, with a fraction of the cell.
    int xAt(double column) const { return view->textLeft() + int(column * view->charWidth()); }
    int yOf(int line) const { return line * view->lineHeight() + view->lineHeight() / 2; }

    void clickAndDragOverTabsAndUtf8()
    {
        view->memo().setTabDefault(4);
        // tab (cells 0-3), a-umlaut (4), euro (5), x (6); bytes 0, 1-2, 3-5, 6
        view->memo().setSelText("first\r\n\t\xC3\xA4\xE2\x82\xACx end");
        const std::int64_t line2 = view->memo().store().recordStart(memo::TRecordIndex(1)).value();
        auto clickAt = [&](double col) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(col), yOf(1)));
            return view->memo().caret() - line2;
        };
        QCOMPARE(clickAt(1.2), std::int64_t{0}); // nearer the tab's start
        QCOMPARE(clickAt(3.1), std::int64_t{1}); // nearer its end
        QCOMPARE(clickAt(5.2), std::int64_t{3}); // before the euro sign
        QCOMPARE(clickAt(5.8), std::int64_t{6}); // after it, never inside
        QCOMPARE(clickAt(40), std::int64_t{11}); // past the end of the line
        QCOMPARE(view->memo().getCaretPos().columnNumber(), 12);

        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(0.1), yOf(1)));
        QTest::mouseMove(view->viewport(), QPoint(xAt(5.9), yOf(1)));
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(5.9), yOf(1)));
        QCOMPARE(sel(*view), QStringLiteral("\t\u00E4\u20AC"));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(xAt(2.2), yOf(0)));
        QCOMPARE(sel(*view), QStringLiteral("rst\r\n"));
    }

    void dragPastTheBottomScrollsAndSelects()
    {
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "row " + std::to_string(i) + "\r\n";
        view->memo().setSelText(text);
        view->memo().setSelStart(0);
        QCOMPARE(view->memo().topLine(), std::int64_t{0});
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(0), yOf(0)));
        QTest::mouseMove(view->viewport(), QPoint(xAt(2), view->viewport()->height() + 20));
        QTRY_VERIFY(view->memo().topLine() >= 3);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(2), view->viewport()->height() + 20));
        const std::int64_t top = view->memo().topLine();
        QVERIFY(view->memo().store().recordOf(memo::TTextOffset(view->memo().caret())).value() >= top);
        QCOMPARE(view->memo().anchor(), std::int64_t{0});
        QTest::qWait(120);
        QCOMPARE(view->memo().topLine(), top); // the release stops it
    }

    void doubleClickSelectsAWord()
    {
        view->memo().setSelText("say don't-stop now");
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(6.5), yOf(0)));
        QCOMPARE(sel(*view), QString()); // only with smoWordSelect
        view->memo().setOptions({Opt::smoWordSelect});
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(xAt(6.5), yOf(0)));
        QCOMPARE(sel(*view), QStringLiteral("don't-stop"));
    }

    void gutterClickReportsTheLineAndGlyphsArePainted()
    {
        QSignalSpy spy(view.get(), &TSyntaxMemoView::gutterClick);
        view->memo().setSelText("a\r\nb\r\nc\r\nd");
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(3, yOf(2)));
        QCOMPARE(spy.count(), 0); // no gutter without smoShowGutter
        view->memo().setOptions({Opt::smoShowGutter});
        QCOMPARE(view->textLeft(), view->gutter() + view->margin());
        const std::int64_t caret = view->memo().caret();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(3, yOf(2)));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toLongLong(), 3LL);
        QCOMPARE(view->memo().caret(), caret);

        view->memo().setBookmark(7, 2, 1);
        view->memo().setMark(5, tessaly::memo::TLineNumber(4));
        const QImage img = view->viewport()->grab().toImage();
        const QColor gutter = view->gutterColor();
        auto differs = [&](int x0, int x1, int line) {
            int n = 0;
            for (int y = line * view->lineHeight(); y < (line + 1) * view->lineHeight(); ++y)
                for (int x = x0; x < x1; ++x)
                    n += img.pixelColor(x, y) != gutter;
            return n;
        };
        QVERIFY(differs(1, 16, 1) > 30);  // bookmark glyph on line 2
        QCOMPARE(differs(1, 16, 0), 0);   // nothing on line 1
        QVERIFY(differs(17, 32, 3) > 30); // the mark on line 4
        QCOMPARE(differs(17, 32, 1), 0);
    }

    void selectionIsPaintedInItsColours()
    {
        view->setSelTextBack(QColor(0, 0, 0x80));
        view->memo().setSelText("abcdef");
        view->memo().setSelection(1, 3);
        view->setFocus();
        const QImage img = view->viewport()->grab().toImage();
        const int y = view->lineHeight() - 1;
        QCOMPARE(img.pixelColor(xAt(1) + 1, y), QColor(0, 0, 0x80));
        QCOMPARE(img.pixelColor(xAt(2) + 1, y), QColor(0, 0, 0x80));
        QVERIFY(img.pixelColor(xAt(4) + 1, y) != QColor(0, 0, 0x80));
    }

    void wheelScrolls()
    {
        std::string text;
        for (int i = 0; i < 300; ++i)
            text += "w\r\n";
        view->memo().setSelText(text);
        view->memo().setSelStart(0);
        QCOMPARE(view->memo().topLine(), std::int64_t{0});
        QWheelEvent wheel(QPointF(50, 50), view->viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QVERIFY(view->memo().topLine() > 0);
        QCOMPARE(view->verticalScrollBar()->value(), int(view->memo().topLine()));
    }

    void copyPasteRoundTrips()
    {
        view->memo().setSelText("h\xC3\xA9llo\r\nw\xC3\xB6rld\tend");
        view->memo().selectAll();
        QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("h\u00E9llo\r\nw\u00F6rld\tend"));
        QTest::keyClick(view.get(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(view->memo().text()),
                 QStringLiteral("h\u00E9llo\r\nw\u00F6rld\tendh\u00E9llo\r\nw\u00F6rld\tend"));
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->memo().textLength(), std::int64_t{17});
        // Cut, then paste back.
        view->memo().setSelection(0, 7);
        QTest::keyClick(view.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(view->memo().textLength(), std::int64_t{10});
        QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("h\u00E9llo\r\nw\u00F6rld\tend"));
    }

    void copyPutsRtfAndAWriterCanReplaceIt()
    {
        view->memo().setSelText("styled");
        view->memo().selectAll();
        QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
        const QByteArray builtIn = QGuiApplication::clipboard()->mimeData()->data(QStringLiteral("text/rtf"));
        QVERIFY(builtIn.startsWith("{\\rtf1 "));
        QVERIFY(builtIn.contains("styled"));
        view->memo().rtfWriter = [](memo::TSyntaxMemo& m) { return "{\\rtf1 " + m.selText() + "}"; };
        QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(mime->data(QStringLiteral("text/rtf")), QByteArray("{\\rtf1 styled}"));
        QCOMPARE(mime->text(), QStringLiteral("styled"));
        QTest::keyClick(view.get(), Qt::Key_Escape);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("styled"));
    }

    void pasteTakesTheHtmlFragment()
    {
        auto* mime = new QMimeData;
        mime->setText(QStringLiteral("bold"));
        mime->setHtml(QStringLiteral("Version:0.9\r\n<html><body><!--StartFragment--><b>bold</b>"
                                     "<!--EndFragment--></body></html>"));
        QGuiApplication::clipboard()->setMimeData(mime);
        QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("<b>bold</b>"));
        // A handler may ask for the plain text instead.
        view->memo().onDataDrop = [](memo::TSyntaxMemo&, std::uint32_t& s) { s = memo::dsText; };
        QTest::keyClick(view.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("<b>bold</b>bold"));
    }

    void dropsAreOneUndoStep()
    {
        view->memo().setSelText("alpha beta gamma");
        // A move to the right of the selection and back.
        view->memo().setSelection(0, 6);
        view->dropText("alpha ", 16, true);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("beta gammaalpha "));
        QCOMPARE(sel(*view), QStringLiteral("alpha "));
        view->memo().undo();
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("alpha beta gamma"));
        view->memo().setSelection(11, 16);
        view->dropText("gamma", 0, true);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("gammaalpha beta "));
        QCOMPARE(sel(*view), QStringLiteral("gamma"));
        view->memo().undo();
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("alpha beta gamma"));

        // Text dropped from another program, through a drop event.
        QMimeData mime;
        mime.setText(QStringLiteral("NEW "));
        sendDrop(view->viewport(), QPointF(xAt(6), yOf(0)), &mime);
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("alpha NEW beta gamma"));
        view->memo().undo();
        QCOMPARE(QString::fromStdString(view->memo().text()), QStringLiteral("alpha beta gamma"));
    }

    void filesDropOnlyWhenAsked()
    {
        QSignalSpy spy(view.get(), &TSyntaxMemoView::filesDropped);
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.html")), QUrl::fromLocalFile(QStringLiteral("/tmp/b.js"))});
        sendDrop(view->viewport(), QPointF(10, 10), &mime);
        QCOMPARE(spy.count(), 0);
        view->memo().setOptions({Opt::smoProcessDroppedFiles});
        sendDrop(view->viewport(), QPointF(10, 10), &mime);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toStringList(), (QStringList{"/tmp/a.html", "/tmp/b.js"}));
    }

private:
    std::unique_ptr<TSyntaxMemoView> view;
};

QTEST_MAIN(MemoViewMouseTest)
#include "MemoViewMouseTest.moc"
