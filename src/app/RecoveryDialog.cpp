#include "app/RecoveryDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaly::app {

TRecoveryDialog::TRecoveryDialog(const std::vector<TRecoveryRecord>& records, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Recover Documents"));
    setObjectName(QStringLiteral("TRecoveryDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The last run did not end normally. These documents had changes "
                                                "that were not saved.\nRestore the checked ones?"),
                                 this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("RecoveryList"));
    for (const TRecoveryRecord& r : records) {
        const QString name = r.name.empty() ? QStringLiteral("Untitled") : QString::fromStdString(r.name);
        const QString when = QDateTime::fromSecsSinceEpoch(r.savedAt).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        auto* item = new QListWidgetItem(name + QStringLiteral("  (") + when + QStringLiteral(")"), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* restore = buttons->addButton(QStringLiteral("&Restore"), QDialogButtonBox::AcceptRole);
    QPushButton* discard = buttons->addButton(QStringLiteral("&Discard All"), QDialogButtonBox::DestructiveRole);
    restore->setDefault(true);
    connect(restore, &QPushButton::clicked, this, &QDialog::accept);
    connect(discard, &QPushButton::clicked, this, [this] { done(kDiscard); });
    layout->addWidget(buttons);
    restore->setFocus();
}

std::vector<bool> TRecoveryDialog::chosen() const
{
    std::vector<bool> out;
    for (int i = 0; i < list_->count(); ++i)
        out.push_back(list_->item(i)->checkState() == Qt::Checked);
    return out;
}

} // namespace tessaly::app
