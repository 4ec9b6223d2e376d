// What gets painted: only the lines a change touches, and the lines in view.
#include "widgets/SyntaxMemoView.h"

#include <QPaintEvent>
#include <QtTest>

using tessaly::widgets::TSyntaxMemoView;
using Opt = tessaly::memo::TSyntaxMemoOption;

namespace {

// Collects the regions painted on a widget.
class PaintSpy : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

} // namespace

class MemoViewPaintTest : public QObject {
    Q_OBJECT
private slots:
    void typingRepaintsOnlyItsLine()
    {
        TSyntaxMemoView view;
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        std::string text;
        for (int i = 0; i < 40; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        view.memo().setSelText(text);
        view.memo().setSelStart(view.memo().store().recordStart(tessaly::memo::TRecordIndex(3)).value() + 2);
        view.memo().setTopLine(0);
        view.setFocus();
        QApplication::processEvents();
        PaintSpy spy;
        view.viewport()->installEventFilter(&spy);
        const int lh = view.lineHeight();

        QTest::keyClicks(&view, "x");
        QApplication::processEvents();
        QVERIFY(!spy.painted.isEmpty());
        QCOMPARE(spy.painted.boundingRect().top(), 3 * lh);
        QCOMPARE(spy.painted.boundingRect().bottom(), 4 * lh - 1);

        spy.painted = QRegion();
        QTest::keyClick(&view, Qt::Key_Right);
        QApplication::processEvents();
        QVERIFY(spy.painted.boundingRect().height() <= lh); // the caret line only

        spy.painted = QRegion();
        QTest::keyClick(&view, Qt::Key_Return);
        QApplication::processEvents();
        QCOMPARE(spy.painted.boundingRect().top(), 3 * lh); // from the split line down

        // Scrolling by a line moves the pixels and paints the new line only.
        const QImage before = view.viewport()->grab().toImage();
        spy.painted = QRegion();
        view.memo().setTopLine(1);
        QApplication::processEvents();
        int area = 0;
        for (const QRect& r : spy.painted)
            area += r.width() * r.height();
        QVERIFY(area <= view.viewport()->width() * lh + 4 * (view.charWidth() + 2) * lh); // a line and the caret
        const QImage after = view.viewport()->grab().toImage();
        QCOMPARE(after.copy(0, 0, after.width(), 2 * lh), before.copy(0, lh, before.width(), 2 * lh));
    }

    void aLinesOwnColourHasRedInTheLowByte()
    {
        TSyntaxMemoView view;
        view.resize(400, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.memo().setSelText("one\r\ntwo\r\nthree");
        view.memo().setSelStart(0);
        // The same byte order as token styles: 0x0000FF is red, 0xFF0000 blue.
        using tessaly::memo::TColor, tessaly::memo::TLineNumber;
        view.memo().setLineBackColor(TLineNumber(2), TColor::fromStored(0x0000FF));
        view.memo().setLineBackColor(TLineNumber(3), TColor::fromStored(0xFF0000));
        QApplication::processEvents();
        const QImage shot = view.viewport()->grab().toImage();
        const int lh = view.lineHeight();
        const int x = view.viewport()->width() - 4; // past the text, inside the line
        QCOMPARE(QColor(shot.pixel(x, lh + lh / 2)), QColor(Qt::red));
        QCOMPARE(QColor(shot.pixel(x, 2 * lh + lh / 2)), QColor(Qt::blue));
    }

    void gutterAndMarginsFollowTheOptions()
    {
        TSyntaxMemoView view;
        view.resize(400, 200);
        view.setMargin(4);
        view.memo().setSelText("abc");
        QCOMPARE(view.textLeft(), 4);
        view.memo().setOptions({Opt::smoShowGutter, Opt::smoShowRMargin});
        view.setGutter(40);
        view.setRightMargin(5);
        QCOMPARE(view.textLeft(), 44);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage img = view.viewport()->grab().toImage();
        const int x = view.textLeft() + 5 * view.charWidth();
        const QColor base = view.palette().base().color();
        QVERIFY(img.pixelColor(x, 3 * view.lineHeight()) != base); // the right margin line
        QCOMPARE(img.pixelColor(x + 2, 3 * view.lineHeight()), base);
        QCOMPARE(img.pixelColor(20, 3 * view.lineHeight()), view.gutterColor());
    }

    void wrapAtTheWindowWidthFollowsResizes()
    {
        TSyntaxMemoView view;
        view.memo().setOptions({Opt::smoWordWrap, Opt::smoShowGutter, Opt::smoShowWrapGlyph});
        view.resize(view.textLeft() + 20 * view.charWidth() + 40, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        std::string words;
        for (int i = 0; i < 30; ++i)
            words += "word" + std::to_string(i) + " ";
        view.memo().setSelText(words);
        const std::int64_t narrow = view.memo().store().recordCount().value();
        QVERIFY(narrow > 3);
        for (std::int64_t r = 0; r < narrow; ++r)
            QVERIFY(view.memo().store().recordText(tessaly::memo::TRecordIndex(r)).size()
                    <= std::size_t(view.memo().wrapWidth()));
        view.resize(view.width() * 2, 300);
        QApplication::processEvents();
        QVERIFY(view.memo().store().recordCount().value() < narrow);
        QCOMPARE(QString::fromStdString(view.memo().text()), QString::fromStdString(words));
        // The wrap glyph marks the continued lines.
        const QImage img = view.viewport()->grab().toImage();
        int ink = 0;
        for (int y = view.lineHeight(); y < 2 * view.lineHeight(); ++y)
            for (int x = 1; x < 16; ++x)
                ink += img.pixelColor(x, y) != view.gutterColor();
        QVERIFY(ink > 10);
    }

    void overwriteModeShowsABlockCaret()
    {
        TSyntaxMemoView view;
        view.resize(300, 120);
        view.memo().setSelText("abc");
        view.memo().setSelStart(1);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.activateWindow();
        view.setFocus();
        QTRY_VERIFY(view.hasFocus());
        QTest::keyClick(&view, Qt::Key_Insert);
        QVERIFY(!view.memo().insertMode());
        // Count dark pixels in the cell of "b".
        auto darkIn = [&](const QImage& img) {
            int n = 0;
            const int x0 = view.textLeft() + view.charWidth();
            for (int y = 0; y < view.lineHeight(); ++y)
                for (int x = x0 + 1; x < x0 + view.charWidth() - 1; ++x)
                    n += img.pixelColor(x, y).lightness() < 128;
            return n;
        };
        const int bar = darkIn(view.viewport()->grab().toImage());
        view.memo().setOptions({Opt::smoBlockOverwriteCursor});
        const int block = darkIn(view.viewport()->grab().toImage());
        QVERIFY(block > bar);
        QVERIFY(block * 2 > view.lineHeight() * (view.charWidth() - 2)); // most of the cell is dark
    }

    void fontChangeRemeasures()
    {
        TSyntaxMemoView view;
        view.resize(400, 200);
        const int before = view.lineHeight();
        QFont f = view.font();
        f.setPointSize(f.pointSize() * 3);
        view.setFont(f);
        QVERIFY(view.lineHeight() > before);
        QCOMPARE(view.offsetAt(QPoint(view.textLeft() + 2 * view.charWidth() + 1, 1)), std::int64_t{0});
    }
};

QTEST_MAIN(MemoViewPaintTest)
#include "MemoViewPaintTest.moc"
