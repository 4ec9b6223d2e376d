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
        // The columns that fit beside a vertical scroll bar, when there is one.
        auto visible = [&] { return (view.viewport()->width() - view.textLeft()) / view.charWidth(); };

        // Ten tabs reach column 40 from ten bytes.
        view.memo().setSelText(std::string(10, '\t') + "x");
        QApplication::processEvents();
        QCOMPARE(view.horizontalScrollBar()->maximum(), std::max(0, 41 - visible() + 1));

        // Thirty two-byte letters are thirty columns, not sixty.
        view.memo().lines().setText(std::string("ab\r\n") + [] {
            std::string s;
            for (int i = 0; i < 30; ++i)
                s += kEAcute;
            return s;
        }());
        QApplication::processEvents();
        QCOMPARE(view.horizontalScrollBar()->maximum(), std::max(0, 30 - visible() + 1));
    }

    void aWideCharacterTakesTwoCells()
    {
        TSyntaxMemoView view;
        view.resize(300, 80);
        view.memo().setSelText(kSun + "b");
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // A cell is selected when a good part of it shows the selection
        // colour (a glyph drawn over it covers some of it); others show none.
        const QColor back = view.selTextBack();
        auto selectedAt = [&](int cell) {
            const QImage img = view.viewport()->grab().toImage();
            int n = 0;
            const int x0 = view.textLeft() + cell * view.charWidth();
            for (int y = 0; y < view.lineHeight(); ++y)
                for (int x = x0; x < x0 + view.charWidth(); ++x)
                    n += img.pixelColor(x, y) == back;
            return n * 4 > view.charWidth() * view.lineHeight();
        };
        // The "b" after it stands in the third cell.
        view.memo().setSelection(3, 4);
        QApplication::processEvents();
        QVERIFY(!selectedAt(1));
        QVERIFY(selectedAt(2));
        QVERIFY(!selectedAt(3));

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
        QVERIFY(selectedAt(0));
        QVERIFY(selectedAt(1));
        QVERIFY(!selectedAt(2));
    }
};

QTEST_MAIN(MemoViewColumnsTest)
#include "MemoViewColumnsTest.moc"
