#include "insert/dialogs/ServletForm.h"

#include "insert/Insertion.h"
#include "insert/ScriptSnippets.h"
#include "insert/dialogs/DialogFields.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessaly::insert {

TServletForm::TServletForm(EditorAccess editor, QWidget* parent)
    : TSnippetDialog(std::move(editor), QStringLiteral("Insert Servlet"), parent)
{
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    layout->addLayout(fields);
    edit1_ = addLineEdit(fields, QStringLiteral("Name"), QStringLiteral("Edit1"));
    edit2_ = addLineEdit(fields, QStringLiteral("Code (filename)"), QStringLiteral("Edit2"));
    edit3_ = addLineEdit(fields, QStringLiteral("Codebase (base URL)"), QStringLiteral("Edit3"));
    addButtons(layout, QStringLiteral("&OK"), QStringLiteral("&Cancel"));
}

void TServletForm::okClicked()
{
    writeSnippet(editor(), servletBlock(edit1_->text().toStdString(), edit2_->text().toStdString(),
                                        edit3_->text().toStdString()));
    closeDialog(true);
}

} // namespace tessaly::insert
