#include "insert/dialogs/FormWindow.h"

#include "insert/FormSnippets.h"
#include "insert/Insertion.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaly::insert {

TFormWindow::TFormWindow(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Form"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    fields->addRow(QStringLiteral("Name"), edit1_);
    layout->addLayout(fields);

    auto* method = new QGroupBox(QStringLiteral("Method"), this);
    auto* methodLayout = new QHBoxLayout(method);
    post_ = new QRadioButton(QStringLiteral("Post"), method);
    post_->setObjectName(QStringLiteral("RadioButton1"));
    get_ = new QRadioButton(QStringLiteral("Get"), method);
    get_->setObjectName(QStringLiteral("RadioButton2"));
    post_->setChecked(true);
    methodLayout->addWidget(post_);
    methodLayout->addWidget(get_);
    layout->addWidget(method);

    addButtons(layout, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
}

void TFormWindow::okClicked()
{
    const TFormMethod method = get_->isChecked() ? TFormMethod::Get : TFormMethod::Post;
    writeSnippet(editor(), formBlock(edit1_->text().toStdString(), method));
    clearFields();
    closeDialog(true);
}

void TFormWindow::cancelClicked()
{
    clearFields();
    closeDialog();
}

void TFormWindow::clearFields()
{
    edit1_->clear();
    post_->setChecked(true);
}

} // namespace tessaly::insert
