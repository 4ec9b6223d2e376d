#include "insert/dialogs/ASPVarForm.h"
#include "insert/dialogs/ButtonForm.h"
#include "insert/dialogs/CustomObjectForm.h"
#include "insert/dialogs/FormWindow.h"
#include "insert/dialogs/FunctionBlock.h"
#include "insert/dialogs/LinkForm.h"
#include "insert/dialogs/MessageBoxForm.h"
#include "insert/dialogs/RadioCheckForm.h"
#include "insert/dialogs/SelectForm.h"
#include "insert/dialogs/ServletForm.h"
#include "insert/dialogs/TextAreaForm.h"
#include "insert/dialogs/TextBoxForm.h"
#include "memo/SyntaxMemo.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

using namespace tessaly::insert;
using tessaly::memo::TSyntaxMemo;

namespace {

QString storeText(const TSyntaxMemo& m)
{
    return QString::fromStdString(m.textRange(0, m.textLength()));
}

void select(TSyntaxMemo& m, const char* text, std::int64_t from, std::int64_t to)
{
    m.setSelText(text);
    m.clearUndo();
    m.setSelection(from, to);
}

} // namespace

// The form element dialogs, filled as a user would and confirmed with their
// own buttons, writing into a bare editor.
class InsertFormDialogsTest : public QObject {
    Q_OBJECT
    TSyntaxMemo memo_;
    EditorAccess access_ = [this] { return &memo_; };

private slots:
    void init()
    {
        memo_.clear();
    }

    void formWrapsTheSelectionThenResets()
    {
        TFormWindow dialog(access_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Form"));
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("&OK"));
        QVERIFY(dialog.postButton()->isChecked());
        select(memo_, "abc", 0, 3);
        dialog.nameEdit()->setText("f1");
        dialog.getButton()->setChecked(true);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<FORM NAME=\"f1\" METHOD=\"GET\">\rabc\r</FORM>"));
        QCOMPARE(memo_.caret(), memo_.textLength());
        QVERIFY(dialog.nameEdit()->text().isEmpty());
        QVERIFY(dialog.postButton()->isChecked());
        memo_.undo();
        QCOMPARE(storeText(memo_), QStringLiteral("abc"));
        QVERIFY(!memo_.canUndo());

        dialog.nameEdit()->setText("x");
        dialog.getButton()->setChecked(true);
        dialog.cancelButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("abc"));
        QVERIFY(dialog.nameEdit()->text().isEmpty());
        QVERIFY(dialog.postButton()->isChecked());
    }

    void textFieldDefaultsAndPassword()
    {
        TTextBoxForm dialog(access_);
        QCOMPARE(dialog.widthSpin()->maximum(), 1000);
        QCOMPARE(dialog.maxLengthSpin()->maximum(), 1000);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_),
                 QStringLiteral("<INPUT TYPE=\"text\" NAME=\"\" VALUE=\"\" SIZE=\"0\" MAXLENGTH=\"0\">"));
        memo_.clear();
        dialog.nameEdit()->setText("pw");
        dialog.valueEdit()->setText("v");
        dialog.widthSpin()->setValue(20);
        dialog.maxLengthSpin()->setValue(8);
        dialog.hiddenBox()->setChecked(true);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_),
                 QStringLiteral("<INPUT TYPE=\"password\" NAME=\"pw\" VALUE=\"v\" SIZE=\"20\" MAXLENGTH=\"8\">"));
        QCOMPARE(dialog.widthSpin()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.maxLengthSpin()->text(), QStringLiteral("0"));
        QVERIFY(!dialog.hiddenBox()->isChecked());
        QVERIFY(dialog.valueEdit()->text().isEmpty());
    }

    void textAreaKeepsTheDefaultTextLines()
    {
        TTextAreaForm dialog(access_);
        QCOMPARE(dialog.rowsSpin()->maximum(), 100);
        dialog.nameEdit()->setText("t");
        dialog.rowsSpin()->setValue(3);
        dialog.columnsSpin()->setValue(40);
        dialog.defaultTextBox()->setPlainText("one\ntwo");
        dialog.wordWrapBox()->setChecked(true);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_),
                 QStringLiteral("<TEXTAREA NAME=\"t\" ROWS=\"3\" COLS=\"40\" WRAP=\"physical\">\rone\rtwo\r</TEXTAREA>"));
        QVERIFY(dialog.defaultTextBox()->toPlainText().isEmpty());
        QCOMPARE(dialog.rowsSpin()->value(), 0);
        QVERIFY(!dialog.wordWrapBox()->isChecked());
    }

    void radioAndCheckBoxFollowTheCaption()
    {
        TRadioCheckForm dialog(access_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Radio Button"));
        dialog.nameEdit()->setText("r");
        dialog.valueEdit()->setText("1");
        dialog.textEdit()->setText("One");
        dialog.checkedBox()->click();
        QCOMPARE(dialog.checkedFragment(), std::string(" CHECKED"));
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<INPUT TYPE=\"radio\" NAME=\"r\" VALUE=\"1\" CHECKED>One"));
        // Cancel's unticking empties the fragment too.
        QVERIFY(!dialog.checkedBox()->isChecked());
        QVERIFY(dialog.checkedFragment().empty());

        memo_.clear();
        dialog.setWindowTitle("Check Box");
        dialog.nameEdit()->setText("c");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<INPUT TYPE=\"checkbox\" NAME=\"c\" VALUE=\"\">"));

        // Any other caption writes nothing.
        memo_.clear();
        dialog.setWindowTitle("Other");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QString());
    }

    void selectStopsAtAnEmptyLineAndStartsOverNextTime()
    {
        TSelectForm dialog(access_);
        dialog.nameEdit()->setText("s");
        dialog.itemsBox()->setPlainText("a\nb\n\nc");
        dialog.multipleBox()->click();
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<SELECT NAME=\"s\" MULTIPLE>\r<OPTION>a\r<OPTION>b\r</SELECT>\r"));
        memo_.undo();
        QCOMPARE(storeText(memo_), QString());
        QVERIFY(dialog.multipleFragment().empty());

        dialog.nameEdit()->setText("t");
        dialog.itemsBox()->setPlainText("x");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<SELECT NAME=\"t\">\r<OPTION>x\r</SELECT>\r"));

        memo_.clear();
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<SELECT NAME=\"\">\r<OPTION>\r</SELECT>\r"));
    }

    void onClickSurvivesAResetButton()
    {
        TButtonForm dialog(access_);
        QVERIFY(dialog.submitButton()->isChecked());
        dialog.onClickEdit()->setText("go()");
        dialog.resetButton()->setChecked(true);
        dialog.nameEdit()->setText("r");
        dialog.valueEdit()->setText("Clear");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<INPUT TYPE=\"reset\" NAME=\"r\" VALUE=\"Clear\">"));
        QVERIFY(dialog.nameEdit()->text().isEmpty());
        QCOMPARE(dialog.onClickEdit()->text(), QStringLiteral("go()"));

        memo_.clear();
        dialog.submitButton()->setChecked(true);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<INPUT TYPE=\"submit\" NAME=\"\" VALUE=\"\" onClick=\"go()\">"));

        memo_.clear();
        dialog.onClickEdit()->clear();
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<INPUT TYPE=\"submit\" NAME=\"\" VALUE=\"\">"));
    }

    // Each dialog, reopened after the focus was left on another control,
    // takes typed text in its first field at once, and Return is OK.
    void reopenedDialogsTakeTheKeys()
    {
        using Make = std::function<std::unique_ptr<TSnippetDialog>()>;
        const std::vector<Make> makers = {
            [this] { return std::make_unique<TFormWindow>(access_); },
            [this] { return std::make_unique<TTextBoxForm>(access_); },
            [this] { return std::make_unique<TTextAreaForm>(access_); },
            [this] { return std::make_unique<TRadioCheckForm>(access_); },
            [this] { return std::make_unique<TSelectForm>(access_); },
            [this] { return std::make_unique<TButtonForm>(access_); },
            [this] { return std::make_unique<TASPVarForm>(access_); },
            [this] { return std::make_unique<TCustomObjectForm>(access_); },
            [this] { return std::make_unique<TFunctionBlock>(access_); },
            [this] {
                auto link = std::make_unique<TLinkForm>(access_);
                link->setWindowTitle(QString::fromLatin1(TLinkForm::kLinkCaption)); // as the Hyperlink command opens it
                return link;
            },
            [this] { return std::make_unique<TMessageBoxForm>(access_); },
            [this] { return std::make_unique<TServletForm>(access_); },
        };
        for (const Make& make : makers) {
            memo_.clear();
            std::unique_ptr<TSnippetDialog> dialog = make();
            const QString name = dialog->windowTitle();
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            QWidget* first = dialog->firstField();
            QVERIFY2(first, qPrintable(name));
            QCOMPARE(QApplication::focusWidget(), first);

            // The user leaves the focus elsewhere and cancels.
            dialog->cancelButton()->setFocus();
            QTest::keyClick(dialog->cancelButton(), Qt::Key_Escape);
            QVERIFY2(!dialog->isVisible(), qPrintable(name));

            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            QVERIFY2(QApplication::focusWidget() == first, qPrintable(name));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("q1"));
            if (auto* edit = qobject_cast<QLineEdit*>(first))
                QVERIFY2(edit->text().contains(QStringLiteral("q1")), qPrintable(name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            // A list or a text area keeps its own use of the keys; a name
            // field passes Return on to OK.
            if (qobject_cast<QLineEdit*>(first)) {
                QVERIFY2(!dialog->isVisible(), qPrintable(name + QStringLiteral(": Return did not run OK")));
                QVERIFY2(storeText(memo_).contains(QStringLiteral("q1")),
                         qPrintable(name + " wrote " + storeText(memo_)));
            }
            dialog->hide();
        }
    }

    void noDocumentMeansNothingWritten()
    {
        TFormWindow dialog([] { return static_cast<TSyntaxMemo*>(nullptr); });
        dialog.nameEdit()->setText("f");
        dialog.okButton()->click();
        QVERIFY(dialog.nameEdit()->text().isEmpty());
    }
};

QTEST_MAIN(InsertFormDialogsTest)
#include "InsertFormDialogsTest.moc"
