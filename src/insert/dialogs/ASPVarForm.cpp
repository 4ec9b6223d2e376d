#include "insert/dialogs/ASPVarForm.h"

#include "insert/Insertion.h"
#include "insert/ScriptSnippets.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tessaly::insert {

TASPVarForm::TASPVarForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("ASP Server Variables"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* variables = new QGroupBox(QStringLiteral("Variables"), this);
    variables->setObjectName(QStringLiteral("VariablesPanel"));
    variables->setFocusPolicy(Qt::StrongFocus);
    auto* variablesLayout = new QVBoxLayout(variables);
    listBox1_ = new QListWidget(variables);
    listBox1_->setObjectName(QStringLiteral("ListBox1"));
    for (const std::string& name : aspServerVariables())
        listBox1_->addItem(QString::fromStdString(name));
    variablesLayout->addWidget(listBox1_);
    layout->addWidget(variables, 1);

    auto* syntax = new QGroupBox(QStringLiteral("Syntax"), this);
    auto* syntaxLayout = new QVBoxLayout(syntax);
    prev_ = new QLabel(syntax);
    prev_->setObjectName(QStringLiteral("Prev"));
    prev_->setTextFormat(Qt::PlainText);
    prev_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    syntaxLayout->addWidget(prev_);
    layout->addWidget(syntax);

    // The panel follows the chosen variable, by mouse or by keyboard.
    connect(listBox1_, &QListWidget::currentRowChanged, this, [this](int row) {
        prev_->setText(row < 0 ? QString() : QString::fromStdString(aspServerVariable(listBox1_->item(row)->text().toStdString())));
    });
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

void TASPVarForm::okClicked()
{
    const QListWidgetItem* item = listBox1_->currentItem();
    if (!item || !item->isSelected())
        return;
    insertText(editor(), aspServerVariable(item->text().toStdString()));
    cancelClicked();
}

void TASPVarForm::cancelClicked()
{
    // The list forgets its choice with the panel, so the two always agree.
    listBox1_->setCurrentRow(-1);
    prev_->clear();
    if (QWidget* panel = listBox1_->parentWidget())
        panel->setFocus();
    closeDialog();
}

} // namespace tessaly::insert
