#include "widgets/OptionsKeysPage.h"

#include "parser/KeyStore.h"
#include "parser/Settings.h"
#include "platform/Dialogs.h"
#include "widgets/KeyCodes.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tessaly::widgets {

namespace {

constexpr int kCommandRole = Qt::UserRole;
constexpr int kFirstRole = Qt::UserRole + 1;
constexpr int kSecondRole = Qt::UserRole + 2;

QString keysText(std::uint16_t first, std::uint16_t second)
{
    if (first == 0)
        return {};
    QString t = textOfShortcut(first);
    if (second != 0)
        t += QStringLiteral(", ") + textOfShortcut(second);
    return t;
}

} // namespace

TOptionsKeysPage::TOptionsKeysPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent)
    : TOptionsPage(settings, dialogs, parent)
{
    auto* layout = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("KeyList"));
    list_->setHeaderLabels({QStringLiteral("Command"), QStringLiteral("Keys")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(list_, 1);

    auto* form = new QFormLayout;
    firstKey_ = new QLineEdit(this);
    firstKey_->setObjectName(QStringLiteral("FirstKey"));
    firstKey_->setPlaceholderText(QStringLiteral("e.g. Ctrl+K"));
    secondKey_ = new QLineEdit(this);
    secondKey_->setObjectName(QStringLiteral("SecondKey"));
    secondKey_->setPlaceholderText(QStringLiteral("optional, e.g. B"));
    form->addRow(QStringLiteral("&Key:"), firstKey_);
    form->addRow(QStringLiteral("&Then:"), secondKey_);
    layout->addLayout(form);

    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("AddKey"));
    auto* change = new QPushButton(QStringLiteral("C&hange"), this);
    change->setObjectName(QStringLiteral("ChangeKey"));
    auto* remove = new QPushButton(QStringLiteral("&Remove"), this);
    remove->setObjectName(QStringLiteral("RemoveKey"));
    buttons->addWidget(add);
    buttons->addWidget(change);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, [this] { addBinding(); });
    connect(change, &QPushButton::clicked, this, [this] { changeBinding(); });
    connect(remove, &QPushButton::clicked, this, &TOptionsKeysPage::removeBinding);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        const auto first = static_cast<std::uint16_t>(item->data(0, kFirstRole).toUInt());
        const auto second = static_cast<std::uint16_t>(item->data(0, kSecondRole).toUInt());
        firstKey_->setText(first ? textOfShortcut(first) : QString());
        secondKey_->setText(second ? textOfShortcut(second) : QString());
    });
    reload();
}

void TOptionsKeysPage::reload()
{
    const QSignalBlocker block(list_);
    list_->clear();
    const auto bindings = settings_.keys.store().bindings();
    for (const auto& entry : settings_.keys.names()) {
        const int command = entry.first;
        const std::string& name = entry.second;
        if (name.empty())
            continue;
        bool any = false;
        auto addRow = [&](std::uint16_t first, std::uint16_t second) {
            auto* item = new QTreeWidgetItem(list_, {QString::fromStdString(name), keysText(first, second)});
            item->setData(0, kCommandRole, command);
            item->setData(0, kFirstRole, first);
            item->setData(0, kSecondRole, second);
        };
        for (const parser::TKeyBinding& b : bindings)
            if (b.command == command) {
                addRow(b.first, b.second);
                any = true;
            }
        if (!any)
            addRow(0, 0);
    }
}

int TOptionsKeysPage::selectedCommand() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->data(0, kCommandRole).toInt() : -1;
}

bool TOptionsKeysPage::selectedBinding(std::uint16_t& first, std::uint16_t& second) const
{
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item)
        return false;
    first = static_cast<std::uint16_t>(item->data(0, kFirstRole).toUInt());
    second = static_cast<std::uint16_t>(item->data(0, kSecondRole).toUInt());
    return first != 0;
}

bool TOptionsKeysPage::keysFromFields(std::uint16_t& first, std::uint16_t& second)
{
    first = shortcutOfText(firstKey_->text());
    second = secondKey_->text().trimmed().isEmpty() ? 0 : shortcutOfText(secondKey_->text());
    if (first != 0 && (second != 0 || secondKey_->text().trimmed().isEmpty()))
        return true;
    dialogs_.showMessage("Bad key specifier", platform::TMsgKind::error, platform::btnOk);
    return false;
}

void TOptionsKeysPage::select(int command, std::uint16_t first, std::uint16_t second)
{
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->data(0, kCommandRole).toInt() == command
            && static_cast<std::uint16_t>(item->data(0, kFirstRole).toUInt()) == first
            && static_cast<std::uint16_t>(item->data(0, kSecondRole).toUInt()) == second) {
            list_->setCurrentItem(item);
            return;
        }
    }
}

bool TOptionsKeysPage::addBinding()
{
    const int command = selectedCommand();
    std::uint16_t first = 0, second = 0;
    if (command < 0 || !keysFromFields(first, second))
        return false;
    try {
        settings_.keys.bind(first, second, command);
    } catch (const parser::EAmbigiousKeyPair& e) {
        dialogs_.showMessage(e.what(), platform::TMsgKind::error, platform::btnOk);
        return false;
    }
    reload();
    select(command, first, second);
    emit changed();
    return true;
}

namespace {

// The controller without one binding: the others are bound again in their order.
void removeFrom(parser::TKeyboardActionContoller& keys, std::uint16_t first, std::uint16_t second)
{
    const auto all = keys.store().bindings();
    keys.store().clear();
    for (const parser::TKeyBinding& b : all)
        if (!(b.first == first && b.second == second))
            keys.bind(b.first, b.second, b.command);
}

} // namespace

bool TOptionsKeysPage::changeBinding()
{
    const int command = selectedCommand();
    std::uint16_t oldFirst = 0, oldSecond = 0, first = 0, second = 0;
    if (command < 0 || !keysFromFields(first, second))
        return false;
    if (!selectedBinding(oldFirst, oldSecond))
        return addBinding();
    const parser::TKeyboardActionContoller before = settings_.keys;
    try {
        removeFrom(settings_.keys, oldFirst, oldSecond);
        settings_.keys.bind(first, second, command);
    } catch (const parser::EAmbigiousKeyPair& e) {
        settings_.keys = before;
        dialogs_.showMessage(e.what(), platform::TMsgKind::error, platform::btnOk);
        return false;
    }
    reload();
    select(command, first, second);
    emit changed();
    return true;
}

void TOptionsKeysPage::removeBinding()
{
    std::uint16_t first = 0, second = 0;
    if (!selectedBinding(first, second))
        return;
    const int command = selectedCommand();
    removeFrom(settings_.keys, first, second);
    reload();
    select(command, 0, 0);
    emit changed();
}

} // namespace tessaly::widgets
