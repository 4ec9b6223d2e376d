// The caret on a wrapped line through real key and mouse events: where it is
// drawn (its input-method rectangle) and where typing puts text, against a
// model of the rows built from the pieces.
#include "widgets/SyntaxMemoView.h"

#include <QtTest>

using tessaly::widgets::TSyntaxMemoView;
namespace memo = tessaly::memo;
using Opt = memo::TSyntaxMemoOption;

class MemoViewWrapCaretTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<TSyntaxMemoView> view;

    // Rows of the screen: the pieces' texts without line breaks.
    QStringList rows() const
    {
        QStringList out;
        const memo::TTextStore& s = view->memo().store();
        for (std::int64_t r = 0; r < s.recordCount().value(); ++r)
            out << QString::fromStdString(std::string(s.recordText(memo::TRecordIndex(r)))).remove(QLatin1Char('\r'));
        return out;
    }
    std::int64_t rowStart(int row) const { return view->memo().store().recordStart(memo::TRecordIndex(row)).value(); }
    // Top-left corner of the cell at row and column (nothing scrolled).
    QPoint cell(int row, int column) const
    {
        return {view->textLeft() + column * view->charWidth(), row * view->lineHeight()};
    }
    QPoint drawnCaret() const
    {
        const QWidget* w = view.get();
        return w->inputMethodQuery(Qt::ImCursorRectangle).toRect().topLeft();
    }

private slots:
    void init()
    {
        view = std::make_unique<TSyntaxMemoView>();
        view->resize(500, 300);
        view->memo().setWrapAtColumn(12);
        view->memo().setOptions({Opt::smoWordWrap, Opt::smoColumnTrack});
        view->memo().setSelText("the quick brown fox jumps over the lazy dog\r\nend");
        view->show();
        view->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    }
    void cleanup() { view.reset(); }

    void endHomeAndVerticalMovesOnWrappedPieces()
    {
        const QStringList r = rows();
        QCOMPARE(r, (QStringList{"the quick ", "brown fox ", "jumps over ", "the lazy dog", "end"}));
        view->memo().setSelStart(1);
        for (int row = 0; row < 3; ++row) {
            QTest::keyClick(view.get(), Qt::Key_End);
            QCOMPARE(view->memo().caret(), rowStart(row) + r[row].size());
            QCOMPARE(drawnCaret(), cell(row, int(r[row].size())));
            QTest::keyClick(view.get(), Qt::Key_Home);
            QCOMPARE(drawnCaret(), cell(row, 0));
            QCOMPARE(view->memo().caret(), rowStart(row));
            QTest::keyClick(view.get(), Qt::Key_End);
            // Down keeps the column: past the end of the shorter piece below
            // it is that piece's end, drawn on its row.
            QTest::keyClick(view.get(), Qt::Key_Down);
            const int below = std::min<int>(int(r[row].size()), int(r[row + 1].size()));
            QCOMPARE(drawnCaret(), cell(row + 1, below));
            QCOMPARE(view->memo().caret(), rowStart(row + 1) + below);
            QTest::keyClick(view.get(), Qt::Key_Up);
            QCOMPARE(drawnCaret(), cell(row, int(r[row].size())));
            QTest::keyClick(view.get(), Qt::Key_Down);
            QTest::keyClick(view.get(), Qt::Key_Home);
        }
        // The status bar's position follows the row the caret is drawn on.
        view->memo().setSelStart(2);
        QTest::keyClick(view.get(), Qt::Key_End);
        QCOMPARE(view->memo().getCaretPos().line.value(), std::int64_t{1});
        QCOMPARE(view->memo().getCaretPos().columnNumber(), int(r[0].size()) + 1);
    }

    void clickPastAPieceEndThenType()
    {
        const QStringList r = rows();
        std::string model = view->memo().textRange(0, view->memo().textLength());
        // Far right of the second row: the end of that piece.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(view->viewport()->width() - 5, view->lineHeight() + 3));
        const std::int64_t at = rowStart(1) + r[1].size();
        QCOMPARE(view->memo().caret(), at);
        QCOMPARE(drawnCaret(), cell(1, int(r[1].size())));
        QTest::keyClicks(view.get(), "ZZ");
        model.insert(std::size_t(at), "ZZ");
        QCOMPARE(view->memo().textRange(0, view->memo().textLength()), model);
        // A click on the right half of a piece's last character is its end too.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          QPoint(cell(0, int(r[0].size()) - 1).x() + view->charWidth() * 3 / 4, view->lineHeight() / 2));
        QCOMPARE(drawnCaret(), cell(0, int(r[0].size())));
        // At the start of the next row the same offset is drawn there.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(cell(1, 0).x() + 1, view->lineHeight() * 3 / 2));
        QCOMPARE(view->memo().caret(), rowStart(1));
        QCOMPARE(drawnCaret(), cell(1, 0));
    }
};

QTEST_MAIN(MemoViewWrapCaretTest)
#include "MemoViewWrapCaretTest.moc"
