// The view's columns: the horizontal scroll range counts display columns,
// and a wide character takes two cells in painting, caret, selection and
// mouse mapping alike.
#include "widgets/SyntaxMemoView.h"

#include <QScrollBar>
#include <QtTest>

using tessaly::widgets::TSyntaxMemoView;

namespace {

const std::string kSun = "\xE6\x97\xA5"; // a wide character
const std::string kEAcute = "\xC3\xA9";  // a narrow one in two bytes

// The pixels of columns [first, first + count) of the first line.
QImage cells(TSyntaxMemoView& view, int first, int count)
{
    const QImage img = view.viewport()->grab().toImage();
    return img.copy(view.textLeft() + first * view.charWidth(), 0, count * view.charWidth(), view.lineHeight());
}

} // namespace

class MemoViewColumnsTest : public QObject {
    Q_OBJECT
private slots:
    void scrollRangeCountsDisplayColumns()
    {
        TSyntaxMemoView view;
        view.memo().setTabDefault(4);
        view.resize(200, 120);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int visible = (view.viewport()->width() - view.textLeft()) / view.charWidth();

        // Ten tabs reach column 40 from ten bytes.
        view.memo().setSelText(std::string(10, '\t') + "x");
        QApplication::processEvents();
        QCOMPARE(view.horizontalScrollBar()->maximum(), std::max(0, 41 - visible + 1));

        // Thirty two-byte letters are thirty columns, not sixty.
        view.memo().lines().setText(std::string("ab\r\n") + [] {
            std::string s;
            for (int i = 0; i < 30; ++i)
                s += kEAcute;
            return s;
        }());
        QApplication::processEvents();
        QCOMPARE(view.horizontalScrollBar()->maximum(), std::max(0, 30 - visible + 1));
    }

    void aWideCharacterTakesTwoCells()
    {
        TSyntaxMemoView view;
        view.resize(300, 80);
        view.memo().setSelText(kSun + "b");
        TSyntaxMemoView spaced;
        spaced.resize(300, 80);
        spaced.memo().setSelText("  b");
        view.show();
        spaced.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(QTest::qWaitForWindowExposed(&spaced));
        view.memo().setSelection(0, 0);
        spaced.memo().setSelection(0, 0);
        QCOMPARE(view.charWidth(), spaced.charWidth());
        // The "b" after it is painted in the third cell, where it stands
        // after two spaces.
        QCOMPARE(cells(view, 2, 2), cells(spaced, 2, 2));

        // The caret after it stands two cells on.
        const int cw = view.charWidth();
        QCOMPARE(view.pointOf(3).x(), view.textLeft() + 2 * cw);
        QCOMPARE(view.pointOf(4).x(), view.textLeft() + 3 * cw);

        // A click in its first half goes before it, in its second half after it.
        QCOMPARE(view.offsetAt(QPoint(view.textLeft() + cw / 2, 2)), std::int64_t(0));
        QCOMPARE(view.offsetAt(QPoint(view.textLeft() + cw + cw / 2, 2)), std::int64_t(3));
        QCOMPARE(view.offsetAt(QPoint(view.textLeft() + 2 * cw + 1, 2)), std::int64_t(3));

        // Selected, it is highlighted over both cells.
        view.memo().setSelection(0, 3);
        QApplication::processEvents();
        const QImage img = view.viewport()->grab().toImage();
        const QColor back = view.selTextBack();
        const int y = view.lineHeight() - 2;
        QCOMPARE(img.pixelColor(view.textLeft() + cw / 2, y), back);
        QCOMPARE(img.pixelColor(view.textLeft() + cw + cw / 2, y), back);
        QVERIFY(img.pixelColor(view.textLeft() + 2 * cw + cw / 2, y) != back);
    }
};

QTEST_MAIN(MemoViewColumnsTest)
#include "MemoViewColumnsTest.moc"
