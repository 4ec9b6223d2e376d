// A long search on the GUI thread keeps the window alive: after a short
// while the busy cursor shows, events are handled, input is held back and
// Escape stops the search with the text unchanged.
#include "memo/SearchFlags.h"
#include "widgets/SearchProgress.h"
#include "widgets/SyntaxMemoView.h"

#include <QLineEdit>
#include <QThread>
#include <QTimer>
#include <QtTest>

using tessaly::widgets::TSearchProgress;
using tessaly::widgets::TSyntaxMemoView;
namespace memo = tessaly::memo;

namespace {

class Messages : public memo::TMemoMessages {
public:
    void error(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> errors;
};

bool busyCursor()
{
    return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
}

void press(QWidget* to, Qt::Key key, const QString& text = {})
{
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
}

} // namespace

class SearchProgressTest : public QObject {
    Q_OBJECT
private slots:
    void quickWorkShowsNothing()
    {
        TSearchProgress progress;
        progress.begin();
        QVERIFY(progress.keepGoing());
        QVERIFY(!progress.busy());
        QVERIFY(!QGuiApplication::overrideCursor());
        progress.end();
    }

    void longWorkIsBusyHoldsInputBackAndStopsOnEscape()
    {
        QLineEdit edit;
        edit.show();
        TSearchProgress progress;
        progress.begin();
        progress.begin(); // nested: one busy phase for both
        QThread::msleep(TSearchProgress::busyAfterMs + 10);
        press(&edit, Qt::Key_X, "x");
        QVERIFY(progress.keepGoing());
        QVERIFY(progress.busy());
        QVERIFY(busyCursor());
        QCOMPARE(edit.text(), QString()); // typed during the search: dropped
        press(&edit, Qt::Key_Escape);
        QThread::msleep(TSearchProgress::pollEveryMs + 5);
        QVERIFY(!progress.keepGoing());
        progress.end();
        QVERIFY(busyCursor());
        progress.end();
        QVERIFY(!progress.busy());
        QVERIFY(!QGuiApplication::overrideCursor());

        // Afterwards input reaches the window again.
        press(&edit, Qt::Key_Y, "y");
        QCoreApplication::processEvents();
        QCOMPARE(edit.text(), QString("y"));
    }

    void escapeStopsAPathologicalFindInTheEditor()
    {
        TSyntaxMemoView view;
        view.resize(500, 300);
        view.show();
        Messages messages;
        view.memo().setMessages(&messages);
        // One line of 16 MiB: the search's budget is large enough to run
        // well past the moment the busy cursor shows.
        const std::string text(std::size_t{16} << 20, 'a');
        view.memo().setSelText(text);
        view.memo().setSelStart(0);
        QVERIFY(!view.memo().canRedo());

        // Runs once the search lets the event loop turn: the window is alive.
        bool sawBusy = false;
        bool ran = false;
        QTimer::singleShot(0, &view, [&] {
            ran = true;
            sawBusy = busyCursor();
            press(&view, Qt::Key_B, "b");
            press(&view, Qt::Key_Escape);
        });
        const std::int64_t at =
            view.memo().findText(memo::TSearchFlags::AtOnce | memo::TSearchFlags::RegExp, "x?a*[bc]");
        QCOMPARE(at, std::int64_t(-1));
        QVERIFY(ran);
        QVERIFY(sawBusy);
        QVERIFY(messages.errors.empty()); // stopped, not "too complex"
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(view.memo().textLength(), std::int64_t(text.size()));
        QCOMPARE(view.memo().selStart(), std::int64_t(0));
        QCOMPARE(view.memo().selLength(), std::int64_t(0));
        view.memo().setMessages(nullptr);
    }
};

QTEST_MAIN(SearchProgressTest)
#include "SearchProgressTest.moc"
