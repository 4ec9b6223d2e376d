#include "insert/dialogs/MessageBoxForm.h"

#include "insert/Insertion.h"
#include "insert/ScriptSnippets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tessaly::insert {

TMessageBoxForm::TMessageBoxForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Insert Message Dialog"), parent)
{
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter message to be displayed"), this));
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    layout->addWidget(edit1_);

    auto* type = new QGroupBox(QStringLiteral("Message Type"), this);
    auto* typeLayout = new QHBoxLayout(type);
    auto makeChoice = [&](const QString& caption, const QString& name, QStyle::StandardPixmap icon) {
        auto* b = new QRadioButton(caption, type);
        b->setObjectName(name);
        b->setIcon(style()->standardIcon(icon));
        typeLayout->addWidget(b);
        return b;
    };
    alert_ = makeChoice(QStringLiteral("Alert"), QStringLiteral("RadioButton1"), QStyle::SP_MessageBoxWarning);
    confirm_ = makeChoice(QStringLiteral("Confirm"), QStringLiteral("RadioButton2"), QStyle::SP_MessageBoxQuestion);
    prompt_ = makeChoice(QStringLiteral("Prompt"), QStringLiteral("RadioButton3"), QStyle::SP_MessageBoxInformation);
    layout->addWidget(type);

    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    defaultLabel_ = new QLabel(QStringLiteral("Default Value"), this);
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    defaultLabel_->setBuddy(edit2_);
    fields->addRow(defaultLabel_, edit2_);

    // Only a prompt has a default value to offer.
    connect(alert_, &QRadioButton::clicked, this, [this] { enableDefaultValue(false); });
    connect(confirm_, &QRadioButton::clicked, this, [this] { enableDefaultValue(false); });
    connect(prompt_, &QRadioButton::clicked, this, [this] { enableDefaultValue(true); });
    alert_->setChecked(true);
    enableDefaultValue(false);
    addButtons(layout, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
}

void TMessageBoxForm::enableDefaultValue(bool on)
{
    defaultLabel_->setEnabled(on);
    edit2_->setEnabled(on);
}

void TMessageBoxForm::okClicked()
{
    TMessageType type = TMessageType::Alert;
    if (confirm_->isChecked())
        type = TMessageType::Confirm;
    else if (prompt_->isChecked())
        type = TMessageType::Prompt;
    insertText(editor(), messageDialog(type, edit1_->text().toStdString(), edit2_->text().toStdString()));
    closeDialog(true);
    resetFields();
}

void TMessageBoxForm::cancelClicked()
{
    resetFields();
    closeDialog();
}

void TMessageBoxForm::resetFields()
{
    edit1_->clear();
    edit2_->clear();
    alert_->setChecked(true);
    enableDefaultValue(false);
}

} // namespace tessaly::insert
