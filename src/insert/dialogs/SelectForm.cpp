#include "insert/dialogs/SelectForm.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"
#include "insert/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace tessaly::insert {

TSelectForm::TSelectForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Select"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    itemsBox_ = addTextBox(fields, QStringLiteral("Items"), QStringLiteral("ItemsBox"));
    multiple_ = new QCheckBox(QStringLiteral("Allow multiple selections"), this);
    multiple_->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(multiple_);
    connect(multiple_, &QCheckBox::toggled, this,
            [this](bool on) { multipleFragment_ = insert::multipleFragment(on); });
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TSelectForm::okClicked()
{
    // Every use walks the items from the first line again.
    insertPieces(editor(), selectList(edit1_->text().toStdString(), multipleFragment_,
                                      splitLines(itemsBox_->toPlainText().toStdString())));
    cancelClicked();
}

void TSelectForm::cancelClicked()
{
    edit1_->clear();
    itemsBox_->clear();
    multiple_->setChecked(false);
    multipleFragment_.clear();
    closeDialog();
}

} // namespace tessaly::insert
