// What is on screen after edits made through real key events must be what a
// complete paint of the same document shows: no line left stale by a split,
// a join, a multi-line replace, undo and redo, word wrap or an edit above the
// visible lines. The screen is read back from the window's backing store,
// which holds exactly the pixels the partial repaints produced.
#include "widgets/SyntaxMemoView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <random>

using tessaly::widgets::TSyntaxMemoView;
using Opt = tessaly::memo::TSyntaxMemoOption;

namespace {

const char* const kPage
    = "<HTML>\r<HEAD>\r   <TITLE>Document_Title_Goes_Here</TITLE>\r</HEAD>\r<BODY>\r\r\r\r</BODY>\r</HTML>";

QImage onScreen(TSyntaxMemoView& view)
{
    QApplication::processEvents();
    const QPoint at = view.viewport()->mapTo(view.window(), QPoint(0, 0));
    const QImage window = view.screen()->grabWindow(view.window()->winId()).toImage();
    return window.copy(QRect(at, view.viewport()->size())).convertToFormat(QImage::Format_RGB32);
}

QImage rendered(QWidget& viewport)
{
    return viewport.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// One random step, as the user's keys.
QString press(TSyntaxMemoView& view, std::mt19937& rng)
{
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&view, k, m); };
    const int pick = static_cast<int>(rng() % 100);
    if (pick < 30) {
        const char c = "abcdefghij <>/\t"[rng() % 15];
        QTest::keyClick(&view, c);
        return QStringLiteral("type %1").arg(QChar(c));
    }
    if (pick < 42) {
        key(Qt::Key_Return);
        return QStringLiteral("Return");
    }
    if (pick < 50) {
        key(Qt::Key_Backspace);
        return QStringLiteral("Backspace");
    }
    if (pick < 56) {
        key(Qt::Key_Delete);
        return QStringLiteral("Delete");
    }
    if (pick < 70) {
        static const Qt::Key moves[]
            = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_Home};
        const Qt::Key k = moves[rng() % 6];
        key(k, rng() % 3 == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        return QStringLiteral("move %1").arg(int(k), 0, 16);
    }
    if (pick < 76) {
        // A selection over lines, then typed over: a multi-line replace.
        key(Qt::Key_Down, Qt::ShiftModifier);
        key(Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(&view, 'z');
        return QStringLiteral("replace lines");
    }
    if (pick < 82) {
        key(Qt::Key_Z, Qt::ControlModifier);
        return QStringLiteral("undo");
    }
    if (pick < 86) {
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        return QStringLiteral("redo");
    }
    if (pick < 89) {
        key(Qt::Key_Y, Qt::ControlModifier);
        return QStringLiteral("delete line");
    }
    if (pick < 92) {
        QGuiApplication::clipboard()->setText(QStringLiteral("one\ntwo\nthree"));
        key(Qt::Key_V, Qt::ControlModifier);
        return QStringLiteral("paste lines");
    }
    if (pick < 95) {
        static const Qt::Key pages[] = {Qt::Key_PageUp, Qt::Key_PageDown};
        key(pages[rng() % 2]);
        return QStringLiteral("page");
    }
    if (pick < 97) {
        key(rng() % 2 ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
        return QStringLiteral("document end");
    }
    // An edit above the visible lines (as a snippet or a replace in another
    // part of the document makes): lines come and go above the view.
    auto& lines = view.memo().lines();
    if (rng() % 2 || lines.count() < 3)
        lines.insert(0, "inserted above");
    else
        lines.remove(0);
    return QStringLiteral("edit above");
}

// Runs the random steps; after each one the screen must equal a full paint.
void runSteps(TSyntaxMemoView& view, unsigned seed, int steps)
{
    std::mt19937 rng(seed);
    for (int i = 0; i < steps; ++i) {
        const QString what = press(view, rng);
        const QImage screen = onScreen(view);
        const QImage full = rendered(*view.viewport());
        if (screen != full) {
            screen.save(QStringLiteral("screen-stale-%1.png").arg(seed));
            full.save(QStringLiteral("screen-fresh-%1.png").arg(seed));
            QFAIL(qPrintable(QStringLiteral("seed %1 step %2 (%3): the screen differs from a full paint")
                                 .arg(seed)
                                 .arg(i)
                                 .arg(what)));
        }
    }
}

} // namespace

class MemoViewScreenTest : public QObject {
    Q_OBJECT
private slots:
    void randomEditsLeaveNoStaleLines_data()
    {
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<unsigned>("seed");
        QTest::newRow("plain 1") << false << 1u;
        QTest::newRow("plain 2") << false << 2u;
        QTest::newRow("wrapped 3") << true << 3u;
        QTest::newRow("wrapped 4") << true << 4u;
    }
    void randomEditsLeaveNoStaleLines()
    {
        QFETCH(bool, wrap);
        QFETCH(unsigned, seed);
        TSyntaxMemoView view;
        view.resize(260, 180); // a few lines of a few dozen columns: scrolling and wrapping happen
        if (wrap) {
            auto options = view.memo().options();
            options.set(Opt::smoWordWrap);
            view.memo().setOptions(options);
        }
        view.memo().lines().setText(kPage);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.activateWindow();
        view.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        runSteps(view, seed, 300);
    }

    // The case seen by users: Enter in the middle of the page, then the end of
    // the document shows one closing line, not two.
    void enterInTheMiddleThenEndShowsEachLineOnce()
    {
        TSyntaxMemoView view;
        view.resize(400, 300);
        view.memo().lines().setText(kPage);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setFocus();
        view.memo().setSelStart(view.memo().store().recordStart(tessaly::memo::TRecordIndex(5)).value());
        QTest::keyClick(&view, Qt::Key_Return);
        QCOMPARE(onScreen(view), rendered(*view.viewport()));
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(onScreen(view), rendered(*view.viewport()));

        // A fresh view of the same text paints the same lines.
        TSyntaxMemoView fresh;
        fresh.resize(view.size());
        fresh.memo().lines().setText(view.memo().lines().text());
        fresh.memo().setTopLine(view.memo().topLine());
        fresh.memo().setHideSelection(false);
        view.memo().setHideSelection(false);
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QImage a = rendered(*view.viewport());
        QImage b = rendered(*fresh.viewport());
        // The caret is drawn only in the focused view: its line is left out.
        const auto& m = view.memo();
        const int row
            = static_cast<int>(m.store().recordOf(tessaly::memo::TTextOffset(m.caret())).value() - m.topLine());
        for (QImage* img : {&a, &b})
            for (int y = row * view.lineHeight(); y < (row + 1) * view.lineHeight() && y < img->height(); ++y)
                for (int x = 0; x < img->width(); ++x)
                    img->setPixel(x, y, 0);
        QCOMPARE(a, b);
    }
};

QTEST_MAIN(MemoViewScreenTest)
#include "MemoViewScreenTest.moc"
