// Keys through real key events: sequences, Shift pass-through, templates,
// auto-replace, bookmarks and typed UTF-8.
#include "memo/KeyCommands.h"
#include "widgets/SyntaxMemoView.h"
#include "widgets/TemplateList.h"

#include <QSignalSpy>
#include <QtTest>

using tessaly::widgets::TSyntaxMemoView;
namespace memo = tessaly::memo;

namespace {

QString text(const TSyntaxMemoView& v)
{
    return QString::fromStdString(v.memo().text());
}

QString sel(const TSyntaxMemoView& v)
{
    return QString::fromStdString(v.memo().selText());
}

// Key presses that type text which has no key of its own on the test keyboard.
void typeText(QWidget* w, const QString& s)
{
    for (QChar c : s) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

} // namespace

class MemoViewKeysTest : public QObject {
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

    void indentSequenceIgnoresTheSecondKeysCtrl()
    {
        view->memo().setSelText("one\r\ntwo\r\nthree");
        view->memo().setIndentStep(2);
        view->memo().setSelection(0, 8); // up to the start of the third line, which stays as it is
        QSignalSpy spy(view.get(), &TSyntaxMemoView::commandRecognised);
        QTest::keyClick(view.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(text(*view), QStringLiteral("  one\r\n  two\r\nthree"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), int(memo::kcIndentBlock));
        // Ctrl alone between the keys does not break the sequence.
        QTest::keyClick(view.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyPress(view.get(), Qt::Key_Control);
        QTest::keyClick(view.get(), Qt::Key_U);
        QCOMPARE(text(*view), QStringLiteral("one\r\ntwo\r\nthree"));
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(*view), QStringLiteral("  one\r\n  two\r\nthree"));
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(text(*view), QStringLiteral("one\r\ntwo\r\nthree")); // Ctrl+Shift+Z is Redo
    }

    void anUnboundSecondKeyIsTyped()
    {
        QTest::keyClicks(view.get(), "ab");
        QTest::keyClick(view.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_X, Qt::NoModifier, 'x');
        QCOMPARE(text(*view), QStringLiteral("abx"));
        QTest::keyClick(view.get(), Qt::Key_X, Qt::ControlModifier); // cut with nothing selected
        QCOMPARE(text(*view), QStringLiteral("abx"));
    }

    void shiftPassesThroughEndButNotZ()
    {
        view->memo().setSelText("first line\r\nsecond");
        view->memo().setSelStart(6);
        QTest::keyClick(view.get(), Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(sel(*view), QStringLiteral("line"));
        QTest::keyClick(view.get(), Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(sel(*view), QStringLiteral("line\r\nsecond"));
        QTest::keyClick(view.get(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(sel(*view), QStringLiteral("line\r\nsecon"));
        QTest::keyClick(view.get(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view->memo().caret(), std::int64_t{0});
        QCOMPARE(sel(*view), QString());
    }

    void bookmarksThroughKeys()
    {
        QSignalSpy set(view.get(), &TSyntaxMemoView::bookmarkSet);
        view->memo().setSelText("a\r\nbb\r\nccc\r\ndddd");
        view->memo().setSelStart(4); // line 2, column 3
        QTest::keyClick(view.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_3);
        QCOMPARE(view->memo().bookmarkLine(3), std::int64_t{2});
        QCOMPARE(set.count(), 1);
        QTest::keyClick(view.get(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_Return); // a line above: the bookmark moves down with its line
        QCOMPARE(view->memo().bookmarkLine(3), std::int64_t{3});
        QTest::keyClick(view.get(), Qt::Key_Q, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_3);
        QCOMPARE(view->memo().caret(), view->memo().store().recordStart(memo::TRecordIndex(2)).value() + 2);
        QTest::keyClick(view.get(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(view->memo().bookmarkLine(3), std::int64_t{0}); // set again on its line: off
    }

    void templateWithCaretMarkerAndIndent()
    {
        view->codeTemplates().items.push_back({"fn", "function", "function (|)\r\n}"});
        QTest::keyClicks(view.get(), "    fn");
        QTest::keyClick(view.get(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(text(*view), QStringLiteral("    function ()\r\n    }"));
        QCOMPARE(view->memo().caret(), std::int64_t{14});
        QTest::keyClicks(view.get(), "x");
        QCOMPARE(text(*view), QStringLiteral("    function (x)\r\n    }"));
    }

    void templateListChoosesByKeys()
    {
        auto& items = view->codeTemplates().items;
        items.push_back({"while", "loop", "while (|)"});
        items.push_back({"forin", "keys", "for (| in )"});
        items.push_back({"form", "form tag", "<FORM>|</FORM>"});
        QTest::keyClicks(view.get(), "x = FoR");
        QTest::keyClick(view.get(), Qt::Key_J, Qt::ControlModifier);
        auto* list = view->templateList();
        QVERIFY(list);
        QCOMPARE(list->currentRow(), 1); // the first name holding the fragment
        QCOMPARE(sel(*view), QStringLiteral("FoR"));
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(!view->templateList());
        QCOMPARE(text(*view), QStringLiteral("x = <FORM></FORM>"));
        QCOMPARE(view->memo().caret(), std::int64_t{10});

        QTest::keyClick(view.get(), Qt::Key_End);
        QTest::keyClicks(view.get(), " wh");
        QTest::keyClick(view.get(), Qt::Key_J, Qt::ControlModifier);
        QVERIFY(view->templateList());
        QTest::keyClick(view->templateList(), Qt::Key_Escape);
        QVERIFY(!view->templateList());
        QCOMPARE(text(*view), QStringLiteral("x = <FORM></FORM> wh"));
    }

    void templateListChoosesByClick()
    {
        view->codeTemplates().items.push_back({"alpha", "first", "A|"});
        view->codeTemplates().items.push_back({"beta", "second", "B|"});
        QTest::keyClick(view.get(), Qt::Key_J, Qt::ControlModifier);
        auto* list = view->templateList();
        QVERIFY(list);
        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(text(*view), QStringLiteral("B"));
    }

    void autoReplaceWithAndWithoutAWordAfter()
    {
        view->autoReplace().add({"teh", "the", ""});
        QTest::keyClicks(view.get(), "teh cat");
        QCOMPARE(text(*view), QStringLiteral("the cat"));
        view->memo().selectAll();
        view->memo().setSelText("tehx");
        view->memo().setSelStart(3);
        QTest::keyClicks(view.get(), " ");
        QCOMPARE(text(*view), QStringLiteral("teh x"));
        QTest::keyClick(view.get(), Qt::Key_End);
        QTest::keyClicks(view.get(), " teh");
        QTest::keyClick(view.get(), Qt::Key_Return);
        QCOMPARE(text(*view), QStringLiteral("teh x the\r\n"));
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(*view), QStringLiteral("teh x the")); // the line break is its own step
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(*view), QStringLiteral("teh x teh"));
    }

    void typedUtf8IsOneCharacter()
    {
        typeText(view.get(), QStringLiteral("a\u00E9\u20AC"));
        QCOMPARE(view->memo().textLength(), std::int64_t{6});
        QCOMPARE(view->memo().getCaretPos().columnNumber(), 4); // the status column counts characters
        QTest::keyClick(view.get(), Qt::Key_Left);
        QCOMPARE(view->memo().caret(), std::int64_t{3});
        QTest::keyClick(view.get(), Qt::Key_Backspace);
        QCOMPARE(text(*view), QStringLiteral("a\u20AC"));
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(*view), QStringLiteral("a\u00E9")); // undo takes the euro sign as a whole
        QTest::keyClick(view.get(), Qt::Key_Insert);
        view->memo().setSelStart(1);
        QTest::keyClicks(view.get(), "o");
        QCOMPARE(text(*view), QStringLiteral("ao")); // overwrite replaces the whole character

        QInputMethodEvent ime;
        ime.setCommitString(QStringLiteral("\u00FC"));
        QApplication::sendEvent(view.get(), &ime);
        QCOMPARE(text(*view), QStringLiteral("ao\u00FC"));
    }

    void menuShortcutsDoNotStealEditorKeys()
    {
        auto* action = new QAction(view.get());
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        action->setShortcutContext(Qt::WindowShortcut);
        view->addAction(action);
        QSignalSpy fired(action, &QAction::triggered);
        QTest::keyClicks(view.get(), "q");
        QTest::keyClick(view.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(text(*view), QString());
        QCOMPARE(fired.count(), 0);
    }

private:
    std::unique_ptr<TSyntaxMemoView> view;
};

QTEST_MAIN(MemoViewKeysTest)
#include "MemoViewKeysTest.moc"
