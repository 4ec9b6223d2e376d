#include "insert/dialogs/TextAreaForm.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"
#include "insert/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessaly::insert {

TTextAreaForm::TTextAreaForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Text Area"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    edit2_ = addSpin(fields, QStringLiteral("Rows"), QStringLiteral("Edit2"), 100);
    edit3_ = addSpin(fields, QStringLiteral("Columns"), QStringLiteral("Edit3"), 100);
    memo1_ = addTextBox(fields, QStringLiteral("Default text:"), QStringLiteral("Memo1"));
    wordWrap_ = new QCheckBox(QStringLiteral("Word Wrap"), this);
    wordWrap_->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(wordWrap_);
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TTextAreaForm::okClicked()
{
    insertText(editor(), textArea(edit1_->text().toStdString(), spinText(edit2_), spinText(edit3_), crLfText(memo1_),
                                  wordWrap_->isChecked()));
    cancelClicked();
}

void TTextAreaForm::cancelClicked()
{
    edit1_->clear();
    memo1_->clear();
    edit2_->setValue(0);
    edit3_->setValue(0);
    wordWrap_->setChecked(false);
    closeDialog();
}

} // namespace tessaly::insert
