#include "insert/dialogs/CustomObjectForm.h"

#include "insert/Insertion.h"
#include "insert/ScriptSnippets.h"
#include "insert/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaly::insert {

TCustomObjectForm::TCustomObjectForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Custom Object"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    auto* element = new QGroupBox(QStringLiteral("Object Element"), this);
    auto* elementLayout = new QHBoxLayout(element);
    property_ = new QRadioButton(QStringLiteral("Property"), element);
    property_->setObjectName(QStringLiteral("RadioButton1"));
    method_ = new QRadioButton(QStringLiteral("Method"), element);
    method_->setObjectName(QStringLiteral("RadioButton2"));
    property_->setChecked(true);
    elementLayout->addWidget(property_);
    elementLayout->addWidget(method_);
    layout->addWidget(element);
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TCustomObjectForm::okClicked()
{
    insertText(editor(), customObject(edit1_->text().toStdString()));
    cancelClicked();
}

void TCustomObjectForm::cancelClicked()
{
    edit1_->clear();
    // Cancel leaves "Property" unchecked; exclusivity is lifted for a moment
    // because a checked exclusive radio button cannot be unchecked directly.
    property_->setAutoExclusive(false);
    property_->setChecked(false);
    property_->setAutoExclusive(true);
    closeDialog();
}

} // namespace tessaly::insert
