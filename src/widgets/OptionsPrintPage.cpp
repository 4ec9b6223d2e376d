#include "widgets/OptionsPrintPage.h"

#include "parser/Settings.h"
#include "widgets/OptionsEditorPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tessaly::widgets {

using memo::TSyntaxMemoOption;

TOptionsPrintPage::TOptionsPrintPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, std::string& title,
                                     QWidget* parent)
    : TOptionsPage(settings, dialogs, parent), title_(title)
{
    auto* layout = new QVBoxLayout(this);
    const std::pair<TSyntaxMemoOption, const char*> kBoxes[] = {
        {TSyntaxMemoOption::smoPrintWrap, "Wrap long lines"},
        {TSyntaxMemoOption::smoPrintLineNos, "Print line numbers"},
        {TSyntaxMemoOption::smoPrintFilename, "Print the title in the header"},
        {TSyntaxMemoOption::smoPrintDate, "Print the date"},
        {TSyntaxMemoOption::smoPrintPageNos, "Print page numbers"},
    };
    for (const auto& [option, label] : kBoxes) {
        QCheckBox* box = makeOptionBox(option, QString::fromLatin1(label), settings_, this);
        connect(box, &QCheckBox::toggled, this, &TOptionsPage::changed);
        layout->addWidget(box);
        boxes_[option] = box;
    }
    auto* form = new QFormLayout;
    titleEdit_ = new QLineEdit(this);
    titleEdit_->setObjectName(QStringLiteral("PrintTitle"));
    form->addRow(QStringLiteral("&Title:"), titleEdit_);
    layout->addLayout(form);
    layout->addStretch(1);
    // A title the user types is the document's and, kept with the settings,
    // the language's for documents that have none; one merely shown (the
    // file name of a loaded document) stays the document's alone.
    connect(titleEdit_, &QLineEdit::textEdited, this, [this](const QString& t) {
        title_ = t.toStdString();
        settings_.printTitle = title_;
    });
    reload();
}

void TOptionsPrintPage::reload()
{
    const auto o = memo::TSyntaxMemoOptions::fromSettingsMask(static_cast<std::uint32_t>(settings_.options));
    for (auto& [option, box] : boxes_) {
        const QSignalBlocker block(box);
        box->setChecked(o.has(option));
    }
    titleEdit_->setText(QString::fromStdString(title_));
}

} // namespace tessaly::widgets
