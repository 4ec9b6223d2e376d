#include "insert/dialogs/TextBoxForm.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"
#include "insert/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessaly::insert {

TTextBoxForm::TTextBoxForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Text Field"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    edit2_ = addLineEdit(fields, QStringLiteral("Value"), QStringLiteral("Edit2"));
    edit3_ = addSpin(fields, QStringLiteral("Width"), QStringLiteral("Edit3"), 1000);
    edit4_ = addSpin(fields, QStringLiteral("Max Length"), QStringLiteral("Edit4"), 1000);
    checkBox1_ = new QCheckBox(QStringLiteral("Hidden"), this);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(checkBox1_);
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TTextBoxForm::okClicked()
{
    insertText(editor(), textField(edit1_->text().toStdString(), edit2_->text().toStdString(), spinText(edit3_),
                                   spinText(edit4_), checkBox1_->isChecked()));
    cancelClicked();
}

void TTextBoxForm::cancelClicked()
{
    edit1_->clear();
    edit2_->clear();
    edit3_->setValue(0);
    edit4_->setValue(0);
    checkBox1_->setChecked(false);
    closeDialog();
}

} // namespace tessaly::insert
