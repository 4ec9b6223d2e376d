// The Edit menu's search, bookmark and Format commands.
#include "ShellTestSupport.h"

#include "widgets/SearchDialog.h"

#include <QLineEdit>

using namespace shelltest;
using tessaly::widgets::TSearchDialog;

class SearchCommandsTest : public QObject {
    Q_OBJECT

    static TEditor* documentWith(Shell& s, const std::string& text)
    {
        TEditor* e = s.form->newClick();
        e->memo().selectAll();
        e->memo().setSelText(text);
        e->memo().setSelStart(0);
        return e;
    }

private slots:
    void findThroughTheDialogThenFindNext()
    {
        Shell s;
        s.start();
        TEditor* e = documentWith(s, "alpha beta\r\nbeta gamma beta");
        s.item("UseRegularExpressions1")->setChecked(false);
        s.item("Find1")->trigger();
        auto dialogs = e->code().findChildren<TSearchDialog*>();
        QCOMPARE(dialogs.size(), 1);
        dialogs[0]->findEdit()->setText(QStringLiteral("beta"));
        QVERIFY(dialogs[0]->findNext());
        QCOMPARE(e->memo().selStart(), std::int64_t{6});
        dialogs[0]->close();
        s.item("FindNExt1")->trigger();
        QCOMPARE(e->memo().selStart(), std::int64_t{11});
        s.item("FindNextButton")->trigger(); // the toolbar button hinted "Replace (Ctrl+R)"
        QCOMPARE(e->memo().selStart(), std::int64_t{22});
        QVERIFY(e->code().findChildren<TSearchDialog*>()[0]->mode() == TSearchDialog::Mode::find);

        // Nothing more: the editor's message, then the shell's.
        s.item("FindNExt1")->trigger();
        QCOMPARE(e->memo().selStart(), std::int64_t{22});
        QVERIFY(s.dialogs->messages.size() >= 2);
        QCOMPARE(s.dialogs->messages.back().text, std::string("\"beta\" not found."));
        QCOMPARE(s.dialogs->messages[s.dialogs->messages.size() - 2].text, std::string("Search string \"beta\" not found."));
    }

    void findNextWithoutASearchDoesNothing()
    {
        Shell s;
        s.start();
        TEditor* e = documentWith(s, "text");
        s.item("FindNExt1")->trigger();
        QCOMPARE(e->memo().selStart(), std::int64_t{0});
        QVERIFY(s.dialogs->messages.empty());
    }

    void replaceOpensItsDialogInPlaceOfFind()
    {
        Shell s;
        s.start();
        TEditor* e = documentWith(s, "a-b-c");
        s.item("Find1")->trigger();
        s.item("Replace1")->trigger();
        const auto dialogs = e->code().findChildren<TSearchDialog*>();
        QCOMPARE(dialogs.size(), 1);
        QVERIFY(dialogs[0]->mode() == TSearchDialog::Mode::replace);
        dialogs[0]->findEdit()->setText(QStringLiteral("-"));
        dialogs[0]->replaceEdit()->setText(QStringLiteral("+"));
        QCOMPARE(dialogs[0]->replaceAll(), 2);
        QCOMPARE(QString::fromStdString(e->memo().text()), QStringLiteral("a+b+c"));
        e->memo().undo();
        QCOMPARE(QString::fromStdString(e->memo().text()), QStringLiteral("a-b-c"));
    }

    void caseConversionSelectTagAndBookmarks()
    {
        Shell s;
        s.start();
        TEditor* e = documentWith(s, "<b>\xC3\xA9t\xC3\xA9</b>\r\nline two\r\nline three");
        e->memo().setSelection(0, 12);
        s.item("ConvertSelectiontoUpperCase1")->trigger();
        QCOMPARE(QString::fromStdString(e->memo().text().substr(0, 12)), QStringLiteral("<B>\u00E9T\u00E9</B>"));

        e->memo().setSelStart(3);
        s.item("SelectTag1")->trigger();
        QCOMPARE(s.dialogs->messages.back().text, std::string("Cursor is not within a tag."));

        const std::int64_t onLine3 = e->memo().store().recordStart(2) + 4;
        e->memo().setSelStart(onLine3);
        s.item("SetBookmark3")->trigger();
        e->memo().setSelStart(0);
        s.item("FindBookmark4")->trigger();
        QCOMPARE(e->memo().caret(), std::int64_t{0});
        s.item("FindBookmark3")->trigger();
        QCOMPARE(e->memo().caret(), onLine3);
    }
};

QTEST_MAIN(SearchCommandsTest)
#include "SearchCommandsTest.moc"
