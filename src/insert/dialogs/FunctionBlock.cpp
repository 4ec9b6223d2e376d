#include "insert/dialogs/FunctionBlock.h"

#include "insert/Insertion.h"
#include "insert/ScriptSnippets.h"
#include "insert/dialogs/DialogFields.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace tessaly::insert {

TFunctionBlock::TFunctionBlock(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Function Block"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Function Name"), QStringLiteral("Edit1"));
    description_ = addTextBox(fields, QStringLiteral("Description"), QStringLiteral("Description"));
    connect(description_, &QPlainTextEdit::textChanged, this, [this] { limitDescription(); });
    include_ = new QCheckBox(QStringLiteral("Include Description"), this);
    include_->setObjectName(QStringLiteral("CheckBox1"));
    include_->setChecked(true);
    layout->addWidget(include_);
    addButtons(layout, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
}

void TFunctionBlock::limitDescription()
{
    const QString text = description_->toPlainText();
    if (text.size() <= kMaxDescription)
        return;
    // Typing or pasting past the limit keeps only its first characters.
    const QSignalBlocker blocker(description_);
    description_->setPlainText(text.left(kMaxDescription));
    description_->moveCursor(QTextCursor::End);
}

void TFunctionBlock::okClicked()
{
    insertPieces(editor(), functionBlock(edit1_->text().toStdString(), include_->isChecked(), crLfText(description_)));
    edit1_->clear();
    description_->clear();
    closeDialog(true);
}

} // namespace tessaly::insert
