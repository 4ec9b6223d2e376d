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

        // Nothing more: one message, the shell's.
        const std::size_t before = s.dialogs->messages.size();
        s.item("FindNExt1")->trigger();
        QCOMPARE(e->memo().selStart(), std::int64_t{22});
        QCOMPARE(s.dialogs->messages.size(), before + 1);
        QCOMPARE(s.dialogs->messages.back().text, std::string("\"beta\" not found."));
    }

    // While the dialog is open the match is drawn selected and in view,
    // although the dialog has the focus.
    void theMatchShowsWhileTheDialogIsOpen()
    {
        Shell s;
        s.start();
        std::string text;
        for (int i = 0; i < 200; ++i)
            text += "filler line\r\n";
        text += "the needle is here";
        TEditor* e = documentWith(s, text);
        s.item("UseRegularExpressions1")->setChecked(false);
        s.item("Find1")->trigger();
        auto* dialog = e->code().findChildren<TSearchDialog*>().value(0);
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTRY_VERIFY2(QApplication::focusWidget() == dialog->findEdit(),
                     QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "no focus");
        QTest::keyClicks(dialog->findEdit(), QStringLiteral("needle"));
        QTest::keyClick(dialog->findEdit(), Qt::Key_Return);
        QCOMPARE(e->memo().selText(), std::string("needle"));
        QVERIFY(!e->code().hasFocus());
        const QRect area = e->code().selectionArea();
        QVERIFY2(!area.isEmpty(), "the match is out of view");
        // The selection colour is on screen on the match's line.
        const QImage shot = e->code().viewport()->grab().toImage();
        const QPoint at = e->code().pointOf(e->memo().selStart()) + QPoint(e->code().charWidth() / 2, 0);
        QCOMPARE(QColor(shot.pixel(at)), e->code().selTextBack());
        dialog->close();
        QVERIFY(!e->code().keepSelectionVisible());
    }

    // The replace confirmation goes beside the match, never over it.
    void theConfirmationLeavesTheMatchVisible()
    {
        const QRect screen(0, 0, 1000, 800);
        const QSize box(300, 120);
        for (const QRect& match :
             {QRect(10, 20, 900, 16), QRect(500, 400, 400, 16), QRect(0, 770, 990, 16), QRect(0, 300, 1000, 400)}) {
            const QRect placed(TSearchDialog::besideMatch(box, match, screen), box);
            QVERIFY2(screen.contains(placed), qPrintable(QStringLiteral("%1,%2").arg(placed.x()).arg(placed.y())));
            if (match.height() < 300)
                QVERIFY(!placed.intersects(match));
        }
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

        const std::int64_t onLine3 = e->memo().store().recordStart(tessaly::memo::TRecordIndex(2)).value() + 4;
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
