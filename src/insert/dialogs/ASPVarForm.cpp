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
    // Wide enough for the longest expression, in the dialog's font.
    prev_->setMinimumWidth(prev_->fontMetrics().horizontalAdvance(
        QString::fromStdString(aspServerVariable("GATEWAY_INTERFACE"))));
    syntaxLayout->addWidget(prev_);
    layout->addWidget(syntax);

    // The panel shows the chosen variable, chosen by mouse or keyboard; a
    // current row without a selection (as focus alone gives) is no choice.
    connect(listBox1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QListWidgetItem* item = chosenItem();
        prev_->setText(item ? QString::fromStdString(aspServerVariable(item->text().toStdString())) : QString());
    });
    addButtons(layout, QStringLiteral("OK"), QStringLiteral("Cancel"));
}

QListWidgetItem* TASPVarForm::chosenItem() const
{
    const auto items = listBox1_->selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

void TASPVarForm::okClicked()
{
    const QListWidgetItem* item = chosenItem();
    if (!item)
        return;
    insertText(editor(), aspServerVariable(item->text().toStdString()));
    cancelClicked();
}

void TASPVarForm::cancelClicked()
{
    // The list forgets its choice with the panel, so the two always agree.
    listBox1_->clearSelection();
    listBox1_->setCurrentRow(-1);
    prev_->clear();
    if (QWidget* panel = listBox1_->parentWidget())
        panel->setFocus();
    closeDialog();
}

} // namespace tessaly::insert
