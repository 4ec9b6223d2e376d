#include "widgets/OptionsAutoCorrectPage.h"

#include "memo/MemoErrors.h"
#include "parser/Settings.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tessaly::widgets {

TOptionsAutoCorrectPage::TOptionsAutoCorrectPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs,
                                                 QWidget* parent)
    : TOptionsPage(settings, dialogs, parent)
{
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget(0, 3, this);
    table_->setObjectName(QStringLiteral("AutoReplaceList"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Word"), QStringLiteral("Replacement"), QStringLiteral("Description")});
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("AddReplacement"));
    auto* remove = new QPushButton(QStringLiteral("&Remove"), this);
    remove->setObjectName(QStringLiteral("RemoveReplacement"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* form = new QFormLayout;
    triggers_ = new QLineEdit(this);
    triggers_->setObjectName(QStringLiteral("TriggerKeys"));
    triggers_->setToolTip(QStringLiteral("Characters, or key names such as \\{Return}, \\{Tab}, \\{Space}"));
    form->addRow(QStringLiteral("&Trigger keys:"), triggers_);
    layout->addLayout(form);
    swallow_ = new QCheckBox(QStringLiteral("Do not type the trigger key after a replacement"), this);
    swallow_->setObjectName(QStringLiteral("ReplaceSwallow"));
    indent_ = new QCheckBox(QStringLiteral("Indent replacement lines to the word"), this);
    indent_->setObjectName(QStringLiteral("ReplaceIndent"));
    caretMarker_ = new QCheckBox(QStringLiteral("\"|\" in a replacement marks the caret"), this);
    caretMarker_->setObjectName(QStringLiteral("ReplaceCaretMarker"));
    layout->addWidget(swallow_);
    layout->addWidget(indent_);
    layout->addWidget(caretMarker_);

    reload();

    connect(add, &QPushButton::clicked, this, [this] {
        const int row = table_->rowCount();
        table_->insertRow(row);
        for (int c = 0; c < 3; ++c)
            table_->setItem(row, c, new QTableWidgetItem);
        table_->setCurrentCell(row, 0);
        table_->editItem(table_->item(row, 0));
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        if (table_->currentRow() >= 0) {
            table_->removeRow(table_->currentRow());
            storeTable();
        }
    });
    connect(table_, &QTableWidget::itemChanged, this, &TOptionsAutoCorrectPage::storeTable);
    // A trigger text that names an unknown key is not taken: the settings
    // keep the last sound one, and OK reports the field.
    connect(triggers_, &QLineEdit::textEdited, this, [this](const QString& t) {
        try {
            settings_.autoReplace.setTriggerText(t.toStdString());
            emit changed();
        } catch (const memo::ESyntaxMemo&) {
        }
    });
    for (QCheckBox* box : {swallow_, indent_, caretMarker_})
        connect(box, &QCheckBox::toggled, this, [this] {
            parser::TSM_Settings::MacroSwitches m = settings_.autoReplaceSwitches();
            m.swallow = swallow_->isChecked();
            m.indent = indent_->isChecked();
            m.caretMarker = caretMarker_->isChecked();
            settings_.setAutoReplaceSwitches(m);
            emit changed();
        });
}

void TOptionsAutoCorrectPage::reload()
{
    {
        const QSignalBlocker block(table_);
        table_->setRowCount(0);
        for (const memo::TAutoReplaceItem& i : settings_.autoReplace.items) {
            const int row = table_->rowCount();
            table_->insertRow(row);
            table_->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(i.item)));
            table_->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(i.replacement)));
            table_->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(i.description)));
        }
    }
    triggers_->setText(QString::fromStdString(settings_.autoReplace.triggerText()));
    const auto m = settings_.autoReplaceSwitches();
    const QSignalBlocker b1(swallow_), b2(indent_), b3(caretMarker_);
    swallow_->setChecked(m.swallow);
    indent_->setChecked(m.indent);
    caretMarker_->setChecked(m.caretMarker);
}

void TOptionsAutoCorrectPage::storeTable()
{
    auto text = [this](int row, int column) {
        const QTableWidgetItem* item = table_->item(row, column);
        return item ? item->text().toStdString() : std::string();
    };
    settings_.autoReplace.items.clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        const std::string word = text(row, 0);
        if (!word.empty())
            settings_.autoReplace.add({word, text(row, 1), text(row, 2)});
    }
    emit changed();
}

bool TOptionsAutoCorrectPage::validate()
{
    memo::TAutoReplace check;
    try {
        check.setTriggerText(triggers_->text().toStdString());
        return true;
    } catch (const memo::ESyntaxMemo& e) {
        dialogs_.showMessage(e.what(), platform::TMsgKind::error, platform::btnOk);
        triggers_->setFocus();
        return false;
    }
}

} // namespace tessaly::widgets
