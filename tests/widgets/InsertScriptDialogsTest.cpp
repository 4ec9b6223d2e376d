#include "insert/dialogs/ASPVarForm.h"
#include "insert/dialogs/CustomObjectForm.h"
#include "insert/dialogs/FunctionBlock.h"
#include "insert/dialogs/HTMLColorDialog.h"
#include "insert/dialogs/LinkForm.h"
#include "insert/dialogs/MessageBoxForm.h"
#include "insert/dialogs/ServletForm.h"
#include "memo/SyntaxMemo.h"
#include "widgets/QtColor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace tessaly::insert;
using tessaly::memo::TSyntaxMemo;

namespace {

QString storeText(const TSyntaxMemo& m)
{
    return QString::fromStdString(m.textRange(0, m.textLength()));
}

} // namespace

class InsertScriptDialogsTest : public QObject {
    Q_OBJECT
    TSyntaxMemo memo_;
    EditorAccess access_ = [this] { return &memo_; };

private slots:
    void init()
    {
        memo_.clear();
    }

    void hyperlinkTargetAndMouseOver()
    {
        TLinkForm dialog(access_);
        QCOMPARE(dialog.targetBox()->count(), 4);
        QVERIFY(dialog.targetBox()->currentText().isEmpty());
        dialog.setWindowTitle("Link");
        dialog.urlEdit()->setText("a.html");
        dialog.descriptionEdit()->setText("A");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<A HREF=\"a.html\">A</A>"));

        memo_.clear();
        dialog.urlEdit()->setText("a.html");
        dialog.descriptionEdit()->setText("A");
        dialog.targetBox()->setEditText("_top");
        dialog.mouseOverEdit()->setText("Go");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<A HREF=\"a.html\" TARGET=\"_top\"  onMouseOver=\"self.status='Go'; "
                                                  "return true\" onMouseOut=\"' '\" >A</A>"));
        // The box shows "_parent", but the next link has no target until it changes.
        QCOMPARE(dialog.targetBox()->currentText(), QStringLiteral("_parent"));
        QVERIFY(dialog.targetFragment().empty());
        QVERIFY(dialog.mouseOverFragment().empty());
        memo_.clear();
        dialog.urlEdit()->setText("b");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<A HREF=\"b\"></A>"));

        memo_.clear();
        dialog.targetBox()->setCurrentIndex(3);
        dialog.setWindowTitle("Hyperlink");
        dialog.okButton()->click();
        // Only the Link caption writes.
        QCOMPARE(storeText(memo_), QString());
    }

    void hyperlinkBrowseFillsTheUrl()
    {
        TLinkForm dialog(access_);
        dialog.chooseFile = [](QWidget*) { return QStringLiteral("/tmp/page.html"); };
        dialog.browseButton()->click();
        QCOMPARE(dialog.urlEdit()->text(), QStringLiteral("/tmp/page.html"));
        dialog.chooseFile = [](QWidget*) { return QString(); };
        dialog.browseButton()->click();
        QCOMPARE(dialog.urlEdit()->text(), QStringLiteral("/tmp/page.html"));
    }

    void servletWrapsAndKeepsItsFields()
    {
        TServletForm dialog(access_);
        memo_.setSelText("abc");
        memo_.clearUndo();
        memo_.setSelection(0, 3);
        dialog.nameEdit()->setText("n");
        dialog.codeEdit()->setText("c");
        dialog.codebaseEdit()->setText("b");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("<SERVLET NAME=\"n\" CODE=\"c\" CODEBASE=\"b\">\rabc\r</SERVLET>"));
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("n"));
        dialog.cancelButton()->click();
        QCOMPARE(dialog.codebaseEdit()->text(), QStringLiteral("b"));
        memo_.undo();
        QCOMPARE(storeText(memo_), QStringLiteral("abc"));
    }

    void customObject()
    {
        TCustomObjectForm dialog(access_);
        QVERIFY(dialog.propertyButton()->isChecked());
        dialog.nameEdit()->setText("Car");
        dialog.methodButton()->setChecked(true);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("// Car object constructor\rfunction Car() {\r}"));
        QVERIFY(dialog.nameEdit()->text().isEmpty());
        QVERIFY(!dialog.propertyButton()->isChecked());
    }

    void functionBlockWithAndWithoutDescription()
    {
        TFunctionBlock dialog(access_);
        QVERIFY(dialog.includeDescriptionBox()->isChecked());
        dialog.nameEdit()->setText("f");
        dialog.includeDescriptionBox()->setChecked(false);
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("function f()\r\r{\r\r\r}"));

        memo_.clear();
        dialog.includeDescriptionBox()->setChecked(true);
        dialog.nameEdit()->setText("g");
        dialog.descriptionBox()->setPlainText("adds");
        dialog.okButton()->click();
        const QString dashes(47, QLatin1Char('-'));
        QCOMPARE(storeText(memo_),
                 "/* " + dashes + "\radds\r" + dashes + " */\rfunction g()\r{\r\r\r}");
        QVERIFY(dialog.descriptionBox()->toPlainText().isEmpty());
        memo_.undo();
        QCOMPARE(storeText(memo_), QString()); // both pieces go with one Undo

        // Cancel keeps the texts; the description holds at most 110 characters.
        dialog.nameEdit()->setText("h");
        dialog.descriptionBox()->setPlainText(QString(200, QLatin1Char('x')));
        QCOMPARE(dialog.descriptionBox()->toPlainText().size(), 110);
        dialog.cancelButton()->click();
        QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("h"));
        QCOMPARE(storeText(memo_), QString());
    }

    void messageDialogTypes()
    {
        TMessageBoxForm dialog(access_);
        QVERIFY(!dialog.isModal());
        QVERIFY(dialog.alertButton()->isChecked());
        QVERIFY(!dialog.defaultValueEdit()->isEnabled());
        dialog.promptButton()->click();
        QVERIFY(dialog.defaultValueEdit()->isEnabled());
        dialog.messageEdit()->setText("Name?");
        dialog.defaultValueEdit()->setText("x");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("prompt(\"Name?\", \"x\")"));
        QVERIFY(dialog.alertButton()->isChecked());
        QVERIFY(!dialog.defaultValueEdit()->isEnabled());
        QVERIFY(dialog.defaultValueEdit()->text().isEmpty());

        memo_.clear();
        dialog.promptButton()->click();
        dialog.defaultValueEdit()->setText("ignored");
        dialog.alertButton()->click();
        QVERIFY(!dialog.defaultValueEdit()->isEnabled());
        dialog.messageEdit()->setText("Hi");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("alert(\"Hi\")"));

        memo_.clear();
        dialog.confirmButton()->click();
        dialog.messageEdit()->setText("Sure?");
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QStringLiteral("confirm(\"Sure?\")"));
    }

    void aspVariableNeedsAChoice()
    {
        TASPVarForm dialog(access_);
        QCOMPARE(dialog.variableList()->count(), 20);
        dialog.open();
        dialog.okButton()->click();
        QVERIFY2(dialog.isVisible(), "OK without a variable keeps the dialog open");
        QCOMPARE(storeText(memo_), QString());

        dialog.variableList()->setCurrentRow(8);
        QCOMPARE(dialog.syntaxPanel()->text(), QStringLiteral("<% Request.ServerVariables(\"QUERY_STRING\") %>"));
        dialog.okButton()->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(storeText(memo_), QStringLiteral("<% Request.ServerVariables(\"QUERY_STRING\") %>"));
        QVERIFY(dialog.syntaxPanel()->text().isEmpty());

        // After Cancel no variable is chosen, so OK writes nothing again.
        memo_.clear();
        dialog.open();
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QString());

        // A current row without a selection is no choice either.
        dialog.variableList()->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QVERIFY(dialog.syntaxPanel()->text().isEmpty());
        dialog.okButton()->click();
        QCOMPARE(storeText(memo_), QString());
        dialog.cancelButton()->click();
        QVERIFY(!dialog.isVisible());
    }

    void htmlColorRule()
    {
        THTMLColorDialog dialog;
        dialog.setCurrentColor(QColor(255, 0, 0));
        QCOMPARE(dialog.htmlColor(), QStringLiteral("#FF0000"));
        dialog.setCurrentColor(QColor(1, 2, 3));
        QCOMPARE(dialog.property("HTMLColor").toString(), QStringLiteral("#010203"));
        QVERIFY(tessaly::widgets::fromQColor(QColor()).isNone());
    }
};

QTEST_MAIN(InsertScriptDialogsTest)
#include "InsertScriptDialogsTest.moc"
