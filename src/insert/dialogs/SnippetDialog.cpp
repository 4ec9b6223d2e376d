#include "insert/dialogs/SnippetDialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QShowEvent>

namespace tessaly::insert {

TSnippetDialog::TSnippetDialog(EditorAccess editor, const QString& caption, QWidget* parent)
    : QDialog(parent), editor_(std::move(editor))
{
    setWindowTitle(caption);
}

void TSnippetDialog::addButtons(QBoxLayout* layout, const QString& okCaption, const QString& cancelCaption)
{
    auto* box = new QDialogButtonBox(this);
    ok_ = box->addButton(okCaption, QDialogButtonBox::AcceptRole);
    cancel_ = box->addButton(cancelCaption, QDialogButtonBox::RejectRole);
    ok_->setObjectName(QStringLiteral("OKBtn"));
    cancel_->setObjectName(QStringLiteral("CancelBtn"));
    ok_->setDefault(true);
    // The buttons call the handlers directly, so a dialog that refuses to
    // close on OK (nothing to write) stays open.
    connect(ok_, &QPushButton::clicked, this, [this] { okClicked(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelClicked(); });
    layout->addWidget(box);
}

QWidget* TSnippetDialog::firstField() const
{
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!isAncestorOf(w) || qobject_cast<QPushButton*>(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this))
            return w;
    }
    return nullptr;
}

void TSnippetDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QWidget* field = firstField())
        field->setFocus(Qt::OtherFocusReason);
    if (ok_)
        ok_->setDefault(true);
}

void TSnippetDialog::closeDialog(bool accepted)
{
    QDialog::done(accepted ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace tessaly::insert
