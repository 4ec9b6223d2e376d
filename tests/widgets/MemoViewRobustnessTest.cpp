// Random keys and clicks on real pages: the store stays consistent, the
// caret never stands inside a UTF-8 sequence, and undoing everything gives
// back the page.
#include "memo/Utf8.h"
#include "widgets/SyntaxMemoView.h"

#include <QtTest>

#include <fstream>
#include <random>
#include <sstream>

using tessaly::widgets::TSyntaxMemoView;
using Opt = tessaly::memo::TSyntaxMemoOption;

namespace {

std::string readFile(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool insideSequence(const tessaly::memo::TSyntaxMemo& m, std::int64_t offset)
{
    const auto& store = m.store();
    const std::int64_t rec = store.recordOf(tessaly::memo::TTextOffset(offset)).value();
    return tessaly::memo::utf8Inside(
        store.recordText(tessaly::memo::TRecordIndex(rec)),
        static_cast<std::size_t>(offset - store.recordStart(tessaly::memo::TRecordIndex(rec)).value()));
}

struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    const char* text;
};

} // namespace

class MemoViewRobustnessTest : public QObject {
    Q_OBJECT
private slots:
    void randomKeysAndClicksOnRealPages_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("wrap");
        const QString root = QStringLiteral(TESSALY_SHARED_DIR "/corpus/html/GoogleChrome__samples/");
        QTest::newRow("utf8 page") << root + "picture-in-picture/index.html" << false;
        QTest::newRow("utf8 page wrapped") << root + "picture-in-picture/audio-playlist.html" << true;
        QTest::newRow("plain page") << root + "css-shapes/index.html" << false;
    }

    void randomKeysAndClicksOnRealPages()
    {
        QFETCH(QString, page);
        QFETCH(bool, wrap);
        const std::string bytes = readFile(page);
        if (bytes.empty())
            QSKIP("corpus page missing");
        TSyntaxMemoView view;
        view.resize(420, 260);
        view.memo().setOptions(wrap ? tessaly::memo::TSyntaxMemoOptions{Opt::smoWordWrap, Opt::smoShowGutter,
                                                                         Opt::smoAutoIndent, Opt::smoWordSelect}
                                    : tessaly::memo::TSyntaxMemoOptions{Opt::smoAutoIndent, Opt::smoTabToColumn,
                                                                         Opt::smoWordSelect});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        std::istringstream in(bytes);
        view.memo().loadFromStream(in);
        const std::string original = view.memo().text();

        const Key keys[] = {
            {Qt::Key_Left, {}, ""}, {Qt::Key_Right, {}, ""}, {Qt::Key_Up, Qt::ShiftModifier, ""},
            {Qt::Key_Down, {}, ""}, {Qt::Key_End, Qt::ShiftModifier, ""}, {Qt::Key_Home, {}, ""},
            {Qt::Key_PageDown, {}, ""}, {Qt::Key_PageUp, Qt::ShiftModifier, ""},
            {Qt::Key_Right, Qt::ControlModifier, ""}, {Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, ""},
            {Qt::Key_Backspace, {}, ""}, {Qt::Key_Delete, {}, ""}, {Qt::Key_Y, Qt::ControlModifier, ""},
            {Qt::Key_Backspace, Qt::ControlModifier, ""}, {Qt::Key_Return, {}, "\r"}, {Qt::Key_Tab, {}, "\t"},
            {Qt::Key_A, {}, "a"}, {Qt::Key_unknown, {}, "\u00E9"}, {Qt::Key_unknown, {}, "\u20AC"},
            {Qt::Key_Insert, {}, ""}, {Qt::Key_Z, Qt::ControlModifier, ""},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, ""}, {Qt::Key_X, Qt::ControlModifier, ""},
            {Qt::Key_V, Qt::ControlModifier, ""},
        };
        std::mt19937 rng(static_cast<unsigned>(qHash(page)));
        for (int step = 0; step < 1500; ++step) {
            if (rng() % 10 == 0) {
                const QPoint at(int(rng() % 420), int(rng() % 240));
                if (rng() % 2)
                    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
                else
                    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
            } else if (rng() % 8 == 0) {
                QTest::keyClick(&view, Qt::Key_K, Qt::ControlModifier);
                QTest::keyClick(&view, rng() % 2 ? Qt::Key_I : Qt::Key_U);
            } else {
                const Key& k = keys[rng() % std::size(keys)];
                QKeyEvent press(QEvent::KeyPress, k.key, k.mods, QString::fromUtf8(k.text));
                QApplication::sendEvent(&view, &press);
            }
            const auto& m = view.memo();
            const std::string why = m.store().check();
            QVERIFY2(why.empty(), why.c_str());
            QVERIFY2(!insideSequence(m, m.caret()), qPrintable(QString("step %1").arg(step)));
            QVERIFY(!insideSequence(m, m.anchor()));
        }
        QVERIFY(view.memo().canUndo()); // the keys did edit the page
        while (view.memo().canUndo())
            view.memo().undo();
        QVERIFY(view.memo().text() == original);
        view.viewport()->repaint();
    }
};

QTEST_MAIN(MemoViewRobustnessTest)
#include "MemoViewRobustnessTest.moc"
