#include "insert/dialogs/RadioCheckForm.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"
#include "insert/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessaly::insert {

TRadioCheckForm::TRadioCheckForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QString::fromLatin1(kRadioCaption), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    edit2_ = addLineEdit(fields, QStringLiteral("Value"), QStringLiteral("Edit2"));
    edit3_ = addLineEdit(fields, QStringLiteral("Text"), QStringLiteral("Edit3"));
    checked_ = new QCheckBox(QStringLiteral("Checked"), this);
    checked_->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(checked_);
    // The fragment follows the box whether the user or Cancel changes it.
    connect(checked_, &QCheckBox::toggled, this,
            [this](bool on) { checkedFragment_ = insert::checkedFragment(on); });
    addButtons(layout, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
}

void TRadioCheckForm::okClicked()
{
    const QString caption = windowTitle();
    const bool radio = caption == QLatin1String(kRadioCaption);
    if (radio || caption == QLatin1String(kCheckBoxCaption))
        insertText(editor(), choiceInput(radio ? TChoiceKind::Radio : TChoiceKind::CheckBox,
                                         edit1_->text().toStdString(), edit2_->text().toStdString(),
                                         checkedFragment_, edit3_->text().toStdString()));
    cancelClicked();
}

void TRadioCheckForm::cancelClicked()
{
    edit1_->clear();
    edit2_->clear();
    edit3_->clear();
    checked_->setChecked(false);
    closeDialog();
}

} // namespace tessaly::insert
