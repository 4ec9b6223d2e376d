// Edit > Set Bookmark puts the bookmark at the caret's character column,
// also when tabs before the caret make the screen column wider.
#include "ShellTestSupport.h"

#include "app/Editor.h"
#include "memo/SyntaxMemo.h"

using namespace shelltest;

class BookmarkCommandTest : public QObject {
    Q_OBJECT
private slots:
    void setBookmarkTakesTheCharacterColumnAfterTabs()
    {
        Shell s;
        s.start();
        TEditor* e = s.form->newClick();
        QVERIFY(e);
        e->memo().setSelText("one\r\t\tab\r");
        // After "\t\ta" on line 2: character column 4, screen column well past it.
        e->memo().setSelection(7, 7);
        QVERIFY(e->memo().getCaretPos().columnNumber() > 4);

        // The engine's own rule for the caret's place is the model.
        tessaly::memo::TSyntaxMemo model;
        model.setSelText("one\r\t\tab\r");
        model.setSelection(7, 7);
        model.setBookmark(2, -1, 0);

        s.item("SetBookmark2")->trigger();
        QCOMPARE(e->memo().bookmarkLine(2), model.bookmarkLine(2));
        QCOMPARE(e->memo().bookmarkColumn(2), model.bookmarkColumn(2));
        QCOMPARE(e->memo().bookmarkColumn(2), 4);
    }
};

QTEST_MAIN(BookmarkCommandTest)
#include "BookmarkCommandTest.moc"
