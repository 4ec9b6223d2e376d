#include "widgets/OptionsTemplatesPage.h"

#include "parser/Settings.h"
#include "platform/Dialogs.h"
#include "widgets/KeyCodes.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly::widgets {

namespace {

// Bodies are kept with CR line breaks, as the editor stores its lines.
QString shownBody(const std::string& body)
{
    QString t = QString::fromStdString(body);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

std::string storedBody(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return t.toStdString();
}

} // namespace

TOptionsTemplatesPage::TOptionsTemplatesPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs,
                                             QWidget* parent)
    : TOptionsPage(settings, dialogs, parent)
{
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("TemplateNames"));
    left->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("&Add"), this);
    add->setObjectName(QStringLiteral("AddTemplate"));
    auto* remove = new QPushButton(QStringLiteral("&Remove"), this);
    remove->setObjectName(QStringLiteral("RemoveTemplate"));
    buttons->addWidget(add);
    buttons->addWidget(remove);
    left->addLayout(buttons);
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    auto* form = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("TemplateName"));
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("TemplateDescription"));
    body_ = new QPlainTextEdit(this);
    body_->setObjectName(QStringLiteral("TemplateBody"));
    body_->setToolTip(QStringLiteral("\"|\" marks where the caret goes"));
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    body_->setFont(mono);
    form->addRow(QStringLiteral("&Name:"), name_);
    form->addRow(QStringLiteral("&Description:"), description_);
    form->addRow(QStringLiteral("&Body:"), body_);
    hotKey_ = new QLineEdit(this);
    hotKey_->setObjectName(QStringLiteral("TemplateHotKey"));
    form->addRow(QStringLiteral("&Hot key:"), hotKey_);
    right->addLayout(form, 1);
    swallow_ = new QCheckBox(QStringLiteral("Do not type the hot key after an expansion"), this);
    swallow_->setObjectName(QStringLiteral("TemplateSwallow"));
    indent_ = new QCheckBox(QStringLiteral("Indent body lines to the name"), this);
    indent_->setObjectName(QStringLiteral("TemplateIndent"));
    caretMarker_ = new QCheckBox(QStringLiteral("\"|\" in the body marks the caret"), this);
    caretMarker_->setObjectName(QStringLiteral("TemplateCaretMarker"));
    showList_ = new QCheckBox(QStringLiteral("Offer a list when no name matches"), this);
    showList_->setObjectName(QStringLiteral("TemplateShowList"));
    for (QCheckBox* box : {swallow_, indent_, caretMarker_, showList_}) {
        right->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &TOptionsTemplatesPage::storeSwitches);
    }
    layout->addLayout(right, 2);

    reload();

    connect(list_, &QListWidget::currentRowChanged, this, &TOptionsTemplatesPage::showCurrent);
    connect(name_, &QLineEdit::textEdited, this, &TOptionsTemplatesPage::storeCurrent);
    connect(description_, &QLineEdit::textEdited, this, &TOptionsTemplatesPage::storeCurrent);
    connect(body_, &QPlainTextEdit::textChanged, this, &TOptionsTemplatesPage::storeCurrent);
    connect(hotKey_, &QLineEdit::textEdited, this, [this](const QString& t) {
        if (const std::uint16_t code = shortcutOfText(t)) {
            settings_.templates.hotKey = code;
            emit changed();
        }
    });
    connect(add, &QPushButton::clicked, this, [this] {
        settings_.templates.items.push_back({"new", "", ""});
        reload();
        list_->setCurrentRow(list_->count() - 1);
        name_->setFocus();
        name_->selectAll();
        emit changed();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = list_->currentRow();
        if (row < 0 || row >= static_cast<int>(settings_.templates.items.size()))
            return;
        settings_.templates.items.erase(settings_.templates.items.begin() + row);
        reload();
        emit changed();
    });
}

void TOptionsTemplatesPage::reload()
{
    const int row = list_->currentRow();
    {
        const QSignalBlocker block(list_);
        list_->clear();
        for (const memo::TCodeTemplate& t : settings_.templates.items)
            list_->addItem(QString::fromStdString(t.name));
        if (list_->count() > 0)
            list_->setCurrentRow(std::clamp(row, 0, list_->count() - 1));
    }
    hotKey_->setText(textOfShortcut(settings_.templates.hotKey));
    const auto m = settings_.templateSwitches();
    const QSignalBlocker b1(swallow_), b2(indent_), b3(caretMarker_), b4(showList_);
    swallow_->setChecked(m.swallow);
    indent_->setChecked(m.indent);
    caretMarker_->setChecked(m.caretMarker);
    showList_->setChecked(m.showList);
    showCurrent();
}

void TOptionsTemplatesPage::showCurrent()
{
    const int row = list_->currentRow();
    const bool valid = row >= 0 && row < static_cast<int>(settings_.templates.items.size());
    showing_ = true;
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(description_), static_cast<QWidget*>(body_)})
        w->setEnabled(valid);
    const memo::TCodeTemplate none;
    const memo::TCodeTemplate& t = valid ? settings_.templates.items[static_cast<std::size_t>(row)] : none;
    name_->setText(QString::fromStdString(t.name));
    description_->setText(QString::fromStdString(t.description));
    body_->setPlainText(shownBody(t.body));
    showing_ = false;
}

void TOptionsTemplatesPage::storeCurrent()
{
    const int row = list_->currentRow();
    if (showing_ || row < 0 || row >= static_cast<int>(settings_.templates.items.size()))
        return;
    memo::TCodeTemplate& t = settings_.templates.items[static_cast<std::size_t>(row)];
    t.name = name_->text().toStdString();
    t.description = description_->text().toStdString();
    t.body = storedBody(body_->toPlainText());
    if (QListWidgetItem* item = list_->item(row))
        item->setText(name_->text());
    emit changed();
}

void TOptionsTemplatesPage::storeSwitches()
{
    settings_.setTemplateSwitches({swallow_->isChecked(), indent_->isChecked(), caretMarker_->isChecked(),
                                   showList_->isChecked()});
    emit changed();
}

bool TOptionsTemplatesPage::validate()
{
    if (shortcutOfText(hotKey_->text()) == 0) {
        dialogs_.showMessage("Bad key specifier", platform::TMsgKind::error, platform::btnOk);
        hotKey_->setFocus();
        return false;
    }
    for (const memo::TCodeTemplate& t : settings_.templates.items)
        if (t.name.empty()) {
            dialogs_.showMessage("Every code template needs a name.", platform::TMsgKind::error, platform::btnOk);
            return false;
        }
    return true;
}

} // namespace tessaly::widgets
