#include "library/AddCustScript.h"

#include "library/LibraryMessages.h"
#include "library/ScriptKinds.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly::library {

using platform::TMsgKind;

TAddCustScript::TAddCustScript(platform::TDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , dialogs_(dialogs)
{
    setObjectName(QStringLiteral("AddCustScript"));
    setWindowTitle(QStringLiteral("Add Custom Script"));

    edit1_ = new QLineEdit;
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit2_ = new QLineEdit;
    edit2_->setObjectName(QStringLiteral("Edit2"));
    browse_ = new QPushButton(QStringLiteral("Browse"));
    browse_->setObjectName(QStringLiteral("Browse"));
    browse_->setAutoDefault(false);
    scriptType_ = new QComboBox;
    scriptType_->setObjectName(QStringLiteral("ScriptType"));
    for (std::string_view kind : scriptKinds)
        scriptType_->addItem(QString::fromUtf8(kind.data(), qsizetype(kind.size())));
    memo1_ = new QPlainTextEdit;
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setTabChangesFocus(true);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(edit2_, 1);
    fileRow->addWidget(browse_);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Script Name"), edit1_);
    form->addRow(QStringLiteral("Filename"), fileRow);
    form->addRow(QStringLiteral("Script Type"), scriptType_);
    form->addRow(QStringLiteral("Description"), memo1_);

    auto* buttons = new QDialogButtonBox;
    ok_ = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    cancel_ = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("Cancel"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(380, 260);

    connect(browse_, &QPushButton::clicked, this, &TAddCustScript::browseClick);
    connect(ok_, &QPushButton::clicked, this, &TAddCustScript::okClick);
    connect(cancel_, &QPushButton::clicked, this, &TAddCustScript::cancelClick);
}

void TAddCustScript::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    edit1_->setFocus(Qt::OtherFocusReason);
}

void TAddCustScript::browseClick()
{
    platform::TFileDialogRequest r;
    r.title = "Open";
    r.filters = {{"HTML Files (*.html,*.htm)", "*.html;*.htm"},
                 {"Java Files (*.java,*.jav)", "*.java;*.jav"},
                 {"Active Server Pages (*.asp)", "*.asp"},
                 {"All Files (*.*)", "*.*"}};
    if (const auto file = dialogs_.openFile(r))
        edit2_->setText(QString::fromStdString(file->string()));
}

void TAddCustScript::okClick()
{
    if (edit1_->text().isEmpty()) {
        dialogs_.showMessage(messages::needName, TMsgKind::information, platform::btnOk);
        edit1_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (edit2_->text().isEmpty()) {
        dialogs_.showMessage(messages::needFile, TMsgKind::information, platform::btnOk);
        edit2_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const TScriptEntry entry{edit1_->text().toStdString(), scriptType_->currentText().toStdString(),
                             memo1_->toPlainText().toStdString(), edit2_->text().toStdString()};
    if (onAdd)
        onAdd(entry);
    clearFields();
    accept();
}

void TAddCustScript::cancelClick()
{
    reject();
}

void TAddCustScript::reject()
{
    // Escape and the window's close button cancel as the button does.
    clearFields();
    QDialog::reject();
}

void TAddCustScript::clearFields()
{
    edit1_->clear();
    edit2_->clear();
    memo1_->clear();
    scriptType_->setCurrentIndex(0);
}

} // namespace tessaly::library
