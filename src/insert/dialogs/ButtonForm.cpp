#include "insert/dialogs/ButtonForm.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"
#include "insert/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaly::insert {

TButtonForm::TButtonForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Button"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    edit2_ = addLineEdit(fields, QStringLiteral("Value (Caption)"), QStringLiteral("Edit2"));
    edit3_ = addLineEdit(fields, QStringLiteral("onClick"), QStringLiteral("Edit3"));
    connect(edit3_, &QLineEdit::textChanged, this,
            [this](const QString& text) { onClickFragment_ = insert::onClickFragment(text.toStdString()); });

    auto* type = new QGroupBox(QStringLiteral("Button Type"), this);
    auto* typeLayout = new QHBoxLayout(type);
    submit_ = new QRadioButton(QStringLiteral("Submit"), type);
    submit_->setObjectName(QStringLiteral("RadioButton1"));
    reset_ = new QRadioButton(QStringLiteral("Reset"), type);
    reset_->setObjectName(QStringLiteral("RadioButton2"));
    submit_->setChecked(true);
    typeLayout->addWidget(submit_);
    typeLayout->addWidget(reset_);
    layout->addWidget(type);
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TButtonForm::okClicked()
{
    const TButtonType type = reset_->isChecked() ? TButtonType::Reset : TButtonType::Submit;
    insertText(editor(), buttonInput(type, edit1_->text().toStdString(), edit2_->text().toStdString(),
                                     onClickFragment_));
    cancelClicked();
}

void TButtonForm::cancelClicked()
{
    edit1_->clear();
    edit2_->clear();
    closeDialog();
}

} // namespace tessaly::insert
