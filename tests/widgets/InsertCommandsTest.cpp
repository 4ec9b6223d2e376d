#include "insert/dialogs/FormWindow.h"
#include "insert/dialogs/HTMLColorDialog.h"
#include "insert/dialogs/InsertCommands.h"
#include "insert/dialogs/MessageBoxForm.h"
#include "insert/dialogs/RadioCheckForm.h"
#include "insert/dialogs/LinkForm.h"
#include "memo/SyntaxMemo.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace tessaly::insert;
using tessaly::memo::TSyntaxMemo;

namespace {

QString storeText(const TSyntaxMemo& m)
{
    return QString::fromStdString(m.textRange(0, m.textLength()));
}

} // namespace

// The commands as the main window uses them: actions in menus and toolbars,
// run against whichever editor is active, each one Undo away.
class InsertCommandsTest : public QObject {
    Q_OBJECT
    QMainWindow* window_ = nullptr;
    TInsertCommands* commands_ = nullptr;
    QMenu* html_ = nullptr;
    QMenu* script_ = nullptr;
    QToolBar* htmlBar_ = nullptr;
    QToolBar* scriptBar_ = nullptr;
    TSyntaxMemo first_;
    TSyntaxMemo second_;
    TSyntaxMemo* active_ = nullptr;
    TLanguage language_ = TLanguage::JavaScript;

    void trigger(const char* name)
    {
        QAction* a = commands_->action(QString::fromLatin1(name));
        QVERIFY2(a, name);
        QVERIFY2(a->isEnabled(), name);
        a->trigger();
    }

private slots:
    void init()
    {
        window_ = new QMainWindow;
        commands_ = new TInsertCommands([this] { return active_; }, [this] { return language_; }, window_);
        html_ = window_->menuBar()->addMenu(QStringLiteral("&HTML"));
        script_ = window_->menuBar()->addMenu(QStringLiteral("&Script"));
        htmlBar_ = window_->addToolBar(QStringLiteral("HTML Toolbar"));
        scriptBar_ = window_->addToolBar(QStringLiteral("Scripting Toolbar"));
        commands_->fillHtmlMenu(html_);
        commands_->fillScriptMenu(script_);
        commands_->fillHtmlToolbar(htmlBar_);
        commands_->fillScriptToolbar(scriptBar_);
        first_.clear();
        second_.clear();
        active_ = &first_;
        language_ = TLanguage::JavaScript;
        commands_->updateDocumentActions();
    }

    void cleanup()
    {
        delete window_;
    }

    void captionsShortcutsAndHints()
    {
        QAction* bold = commands_->action("Bold1");
        QCOMPARE(bold->text(), QStringLiteral("&Bold"));
        QCOMPARE(bold->shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
        QCOMPARE(bold->toolTip(), QStringLiteral("Bold (Ctrl+B)"));
        QCOMPARE(commands_->action("ShortCut1")->toolTip(), QStringLiteral("Insert Sevlet"));
        QVERIFY(commands_->action("ShortCut1")->shortcut().isEmpty());
        QCOMPARE(commands_->action("Paragraph1")->shortcuts().size(), 2);
        QCOMPARE(commands_->action("NoBreakSpace1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+Space")));
        QCOMPARE(commands_->action("swich1")->text(), QStringLiteral("\"switch\""));
        QVERIFY(!commands_->qadAction()->isVisible());
        QCOMPARE(commands_->qadAction()->text(), QStringLiteral("'"));

        // The HTML menu: Bold, Italic, Underline, Headings, Center, ..., Forms last.
        const auto items = html_->actions();
        QCOMPARE(items.at(3)->text(), QStringLiteral("Headings"));
        QCOMPARE(items.at(3)->menu()->actions().size(), 6);
        QCOMPARE(items.last()->text(), QStringLiteral("Forms"));
        QCOMPARE(items.last()->menu()->actions().size(), 7);
        QCOMPARE(script_->actions().last()->text(), QStringLiteral("ASP (Active Server Pages)"));

        // The Heading button drops down the six headings.
        QToolButton* heading = commands_->headingButton();
        QVERIFY(heading);
        QCOMPARE(heading->popupMode(), QToolButton::InstantPopup);
        QCOMPARE(commands_->headingsMenu()->actions().size(), 6);
        QCOMPARE(commands_->headingsMenu()->actions().at(5)->text(), QStringLiteral("Heading 6"));

        QMenu paste;
        commands_->fillPasteSpecialMenu(&paste);
        QCOMPARE(paste.actions().size(), 1);
        QCOMPARE(paste.actions().first()->text(), QStringLiteral("Standard HTML Tags"));
    }

    void commandsFollowTheDocumentCount()
    {
        active_ = nullptr;
        commands_->updateDocumentActions();
        QVERIFY(!commands_->action("Bold1")->isEnabled());
        QVERIFY(!commands_->action("Forms2")->isEnabled());
        QVERIFY(!commands_->action("Heading")->isEnabled());
        // Run anyway (a stale shortcut): nothing happens, no dialog shows.
        commands_->run(*findInsertCommand("Forms2"));
        QVERIFY(!commands_->formWindow()->isVisible());
        active_ = &first_;
        emit html_->aboutToShow();
        QVERIFY(commands_->action("Bold1")->isEnabled());
        QVERIFY(commands_->action("ASPTag1")->isEnabled());
    }

    void wrapWithAndWithoutSelection()
    {
        first_.setSelText("abc");
        first_.clearUndo();
        first_.setSelection(0, 3);
        trigger("Bold1");
        QCOMPARE(storeText(first_), QStringLiteral("<B>abc</B>"));
        QCOMPARE(first_.selLength(), 0);
        first_.undo();
        QCOMPARE(storeText(first_), QStringLiteral("abc"));

        first_.setSelection(3, 3);
        trigger("Heading31");
        QCOMPARE(storeText(first_), QStringLiteral("abc<H3></H3>"));
        QCOMPARE(first_.caret(), first_.textLength());
        first_.undo();
        QCOMPARE(storeText(first_), QStringLiteral("abc"));
        QVERIFY(!first_.canUndo());
    }

    void scriptAndCommentBlocksFollowTheLanguage()
    {
        language_ = TLanguage::VBScript;
        trigger("ScriptBlock");
        QCOMPARE(storeText(first_), QStringLiteral("<SCRIPT LANGUAGE=\"VBScript\">\r<!--\r\r\r-->\r</SCRIPT>"));
        first_.undo();
        QCOMPARE(storeText(first_), QString());

        first_.setSelText("abc");
        first_.clearUndo();
        first_.setSelection(0, 3);
        language_ = TLanguage::PlainText;
        trigger("CommentBlock1");
        QCOMPARE(storeText(first_), QStringLiteral("abc"));
        QVERIFY(!first_.canUndo());

        language_ = TLanguage::VBScript;
        trigger("CommentBlock1");
        QCOMPARE(storeText(first_), QStringLiteral("'"));
        first_.undo();
        QCOMPARE(storeText(first_), QStringLiteral("abc"));

        language_ = TLanguage::HTML;
        first_.setSelection(0, 3);
        trigger("CommentBlock1");
        QCOMPARE(storeText(first_), QStringLiteral("<!--abc-->"));
    }

    void quickColorWritesTheScriptedColour()
    {
        commands_->runColorPicker = [](THTMLColorDialog& dialog) {
            dialog.setCurrentColor(QColor(1, 2, 3));
            return true;
        };
        first_.setSelText("old");
        first_.clearUndo();
        first_.setSelection(0, 3);
        trigger("QuickColor1");
        QCOMPARE(storeText(first_), QStringLiteral("#010203"));
        first_.undo();
        QCOMPARE(storeText(first_), QStringLiteral("old"));

        commands_->runColorPicker = [](THTMLColorDialog& dialog) {
            dialog.setCurrentColor(QColor(255, 0, 0));
            return false;
        };
        trigger("QuickColor1");
        QCOMPARE(storeText(first_), QStringLiteral("old"));
        QVERIFY(!first_.canUndo());
    }

    void modalDialogFilledAndConfirmed()
    {
        trigger("Forms2");
        TFormWindow* form = commands_->formWindow();
        QVERIFY(form->isVisible());
        QVERIFY(form->isModal());
        form->nameEdit()->setText("f1");
        form->getButton()->setChecked(true);
        form->okButton()->click();
        QVERIFY(!form->isVisible());
        QCOMPARE(storeText(first_), QStringLiteral("<FORM NAME=\"f1\" METHOD=\"GET\">\r\r</FORM>"));
        first_.undo();
        QCOMPARE(storeText(first_), QString());

        // The shared radio/check dialog takes its caption from the command.
        trigger("Checkbox1");
        QCOMPARE(commands_->radioCheckForm()->windowTitle(), QStringLiteral("Check Box"));
        commands_->radioCheckForm()->okButton()->click();
        QCOMPARE(storeText(first_), QStringLiteral("<INPUT TYPE=\"checkbox\" NAME=\"\" VALUE=\"\">"));
        trigger("RadioButton2");
        QCOMPARE(commands_->radioCheckForm()->windowTitle(), QStringLiteral("Radio Button"));
        commands_->radioCheckForm()->cancelButton()->click();

        trigger("Link1");
        QCOMPARE(commands_->linkForm()->windowTitle(), QStringLiteral("Link"));
        commands_->linkForm()->cancelButton()->click();
    }

    void modelessMessageDialogWritesIntoTheActiveDocument()
    {
        trigger("Messagedialog1");
        TMessageBoxForm* box = commands_->messageBoxForm();
        QVERIFY(box->isVisible());
        QVERIFY(!box->isModal());
        box->messageEdit()->setText("Hi");
        active_ = &second_; // the user switches documents while the dialog stays open
        box->okButton()->click();
        QCOMPARE(storeText(first_), QString());
        QCOMPARE(storeText(second_), QStringLiteral("alert(\"Hi\")"));
        second_.undo();
        QCOMPARE(storeText(second_), QString());
    }

    void worksWithoutAParentWindow()
    {
        TSyntaxMemo memo;
        TInsertCommands commands([&memo] { return &memo; }, nullptr, nullptr);
        commands.updateDocumentActions();
        commands.action("ScriptBlock")->trigger();
        // With no language accessor the JavaScript block is written.
        QCOMPARE(storeText(memo), QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">\r<!--\r\r\r-->\r</SCRIPT>"));
    }

    void dialogsAreCreatedOnceAndReused()
    {
        TFormWindow* form = commands_->formWindow();
        trigger("Forms2");
        form->cancelButton()->click();
        trigger("Forms2");
        QCOMPARE(commands_->formWindow(), form);
        QCOMPARE(window_->findChildren<TFormWindow*>().size(), 1);
        form->cancelButton()->click();
    }
};

QTEST_MAIN(InsertCommandsTest)
#include "InsertCommandsTest.moc"
