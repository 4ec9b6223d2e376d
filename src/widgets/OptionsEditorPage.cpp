#include "widgets/OptionsEditorPage.h"

#include "parser/Settings.h"
#include "platform/Dialogs.h"
#include "widgets/ColourButton.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace tessaly::widgets {

using memo::TSyntaxMemoOption;
using memo::TSyntaxMemoOptions;

namespace {

const char* optionName(TSyntaxMemoOption o)
{
    static const char* const kNames[] = {
        "smoSyntaxHighlight", "smoPrintWrap",          "smoPrintLineNos",   "smoPrintFilename",
        "smoPrintDate",       "smoPrintPageNos",       "smoWordWrap",       "smoAutoIndent",
        "smoTabToColumn",     "smoWrapOverride",       "smoWordSelect",     "smoShowRMargin",
        "smoShowGutter",      "smoShowWrapColumn",     "smoTitleAsFilename", "smoProcessDroppedFiles",
        "smoBlockOverwriteCursor", "smoShowWrapGlyph", "smoColumnTrack",    "smoUseTAB",
        "smoSmartFill",       "smoOLEDragSource",
    };
    return kNames[static_cast<int>(o)];
}

struct Labelled {
    TSyntaxMemoOption option;
    const char* label;
};

// The switches of this page, in their published order.
const Labelled kSwitches[] = {
    {TSyntaxMemoOption::smoSyntaxHighlight, "Syntax highlighting"},
    {TSyntaxMemoOption::smoWordWrap, "Word wrap"},
    {TSyntaxMemoOption::smoAutoIndent, "Auto indent"},
    {TSyntaxMemoOption::smoTabToColumn, "Smart tab (to the column of the line above)"},
    {TSyntaxMemoOption::smoWrapOverride, "Do not wrap lines starting with a wrap-override character"},
    {TSyntaxMemoOption::smoWordSelect, "Double click selects a word"},
    {TSyntaxMemoOption::smoShowRMargin, "Show right margin"},
    {TSyntaxMemoOption::smoShowGutter, "Show gutter"},
    {TSyntaxMemoOption::smoShowWrapColumn, "Show word-wrap column"},
    {TSyntaxMemoOption::smoTitleAsFilename, "File name as print title"},
    {TSyntaxMemoOption::smoProcessDroppedFiles, "Open dropped files"},
    {TSyntaxMemoOption::smoBlockOverwriteCursor, "Block caret in overwrite mode"},
    {TSyntaxMemoOption::smoShowWrapGlyph, "Mark wrapped lines in the gutter"},
    {TSyntaxMemoOption::smoColumnTrack, "Keep the column on vertical moves"},
    {TSyntaxMemoOption::smoUseTAB, "Tab key inserts a tab character"},
    {TSyntaxMemoOption::smoSmartFill, "Fill with tabs and spaces"},
    {TSyntaxMemoOption::smoOLEDragSource, "Drag text to other programs"},
};

QSpinBox* spin(int min, int max, const char* name, QWidget* parent)
{
    auto* s = new QSpinBox(parent);
    s->setRange(min, max);
    s->setObjectName(QString::fromLatin1(name));
    return s;
}

} // namespace

QCheckBox* makeOptionBox(TSyntaxMemoOption option, const QString& label, parser::TSM_Settings& settings,
                         QWidget* parent)
{
    auto* box = new QCheckBox(label, parent);
    box->setObjectName(QString::fromLatin1(optionName(option)));
    QObject::connect(box, &QCheckBox::toggled, parent, [option, &settings](bool on) {
        TSyntaxMemoOptions o = TSyntaxMemoOptions::fromSettingsMask(static_cast<std::uint32_t>(settings.options));
        o.set(option, on);
        // Bits outside the options (none today) are kept as they were.
        const std::uint32_t others = static_cast<std::uint32_t>(settings.options) & ~(((1u << memo::kOptionCount) - 1) << 4);
        settings.options = static_cast<std::int32_t>(others | o.toSettingsMask());
    });
    return box;
}

TOptionsEditorPage::TOptionsEditorPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent)
    : TOptionsPage(settings, dialogs, parent)
{
    auto* layout = new QHBoxLayout(this);
    auto* switches = new QGroupBox(QStringLiteral("Editor"), this);
    auto* grid = new QGridLayout(switches);
    int row = 0;
    for (const Labelled& l : kSwitches) {
        QCheckBox* box = makeOptionBox(l.option, QString::fromLatin1(l.label), settings_, this);
        connect(box, &QCheckBox::toggled, this, &TOptionsPage::changed);
        grid->addWidget(box, row++, 0);
        boxes_[l.option] = box;
    }
    layout->addWidget(switches);

    auto* values = new QGroupBox(QStringLiteral("Layout"), this);
    auto* form = new QFormLayout(values);
    tabWidth_ = spin(1, 64, "TabWidth", values);
    form->addRow(QStringLiteral("&Tab width:"), tabWidth_);
    tabColumns_ = new QLineEdit(values);
    tabColumns_->setObjectName(QStringLiteral("TabColumns"));
    tabColumns_->setPlaceholderText(QStringLiteral("e.g. 8 16 24"));
    form->addRow(QStringLiteral("Tab &columns:"), tabColumns_);
    indentStep_ = spin(1, 32, "IndentStep", values);
    form->addRow(QStringLiteral("&Indent step:"), indentStep_);
    rightMargin_ = spin(0, 1024, "RightMargin", values);
    form->addRow(QStringLiteral("&Right margin:"), rightMargin_);
    wrapColumn_ = spin(0, 1024, "WordWrapColumn", values);
    wrapColumn_->setSpecialValueText(QStringLiteral("Window width"));
    form->addRow(QStringLiteral("&Word-wrap column:"), wrapColumn_);
    wrapOverride_ = new QLineEdit(values);
    wrapOverride_->setObjectName(QStringLiteral("WrapOverride"));
    form->addRow(QStringLiteral("Wrap-&override characters:"), wrapOverride_);
    gutterWidth_ = spin(0, 200, "GutterWidth", values);
    form->addRow(QStringLiteral("&Gutter width:"), gutterWidth_);
    gutterColour_ = new TColourButton(dialogs_, values);
    gutterColour_->setObjectName(QStringLiteral("GutterColour"));
    form->addRow(QStringLiteral("Gutter colour:"), gutterColour_);
    selText_ = new TColourButton(dialogs_, values);
    selText_->setObjectName(QStringLiteral("SelTextColour"));
    form->addRow(QStringLiteral("Selected text:"), selText_);
    selBack_ = new TColourButton(dialogs_, values);
    selBack_->setObjectName(QStringLiteral("SelTextBack"));
    form->addRow(QStringLiteral("Selection background:"), selBack_);
    font_ = new QPushButton(values);
    font_->setObjectName(QStringLiteral("Font"));
    form->addRow(QStringLiteral("&Font:"), font_);
    layout->addWidget(values);

    reload();

    auto number = [this](QSpinBox* box, std::int32_t parser::TSM_Settings::*field) {
        connect(box, &QSpinBox::valueChanged, this, [this, field](int v) {
            settings_.*field = v;
            emit changed();
        });
    };
    number(tabWidth_, &parser::TSM_Settings::tabDefault);
    number(indentStep_, &parser::TSM_Settings::indentStep);
    number(rightMargin_, &parser::TSM_Settings::rightMargin);
    number(wrapColumn_, &parser::TSM_Settings::wordWrapColumn);
    number(gutterWidth_, &parser::TSM_Settings::gutterWidth);
    connect(tabColumns_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const bool ok = settings_.setTabColumns(text.toStdString());
        tabColumns_->setStyleSheet(ok ? QString() : QStringLiteral("color: #B00020"));
        if (ok)
            emit changed();
    });
    connect(wrapOverride_, &QLineEdit::textEdited, this, [this](const QString& text) {
        settings_.wrapOverride = text.toStdString();
        emit changed();
    });
    auto colour = [this](TColourButton* b, memo::TColor parser::TSM_Settings::*field) {
        connect(b, &TColourButton::colourChosen, this, [this, field](memo::TColor c) {
            settings_.*field = c;
            emit changed();
        });
    };
    colour(gutterColour_, &parser::TSM_Settings::gutterColour);
    colour(selText_, &parser::TSM_Settings::selTextColour);
    colour(selBack_, &parser::TSM_Settings::selTextBack);
    connect(font_, &QPushButton::clicked, this, &TOptionsEditorPage::chooseFont);
}

void TOptionsEditorPage::reload()
{
    const TSyntaxMemoOptions o = TSyntaxMemoOptions::fromSettingsMask(static_cast<std::uint32_t>(settings_.options));
    for (auto& [option, box] : boxes_) {
        const QSignalBlocker block(box);
        box->setChecked(o.has(option));
    }
    auto set = [](QSpinBox* box, int v) {
        const QSignalBlocker block(box);
        box->setValue(v);
    };
    set(tabWidth_, settings_.tabDefault);
    set(indentStep_, settings_.indentStep);
    set(rightMargin_, settings_.rightMargin);
    set(wrapColumn_, settings_.wordWrapColumn);
    set(gutterWidth_, settings_.gutterWidth);
    tabColumns_->setText(QString::fromStdString(settings_.tabColumnsText()));
    wrapOverride_->setText(QString::fromStdString(settings_.wrapOverride));
    gutterColour_->setColour(settings_.gutterColour);
    selText_->setColour(settings_.selTextColour);
    selBack_->setColour(settings_.selTextBack);
    showFont();
}

bool TOptionsEditorPage::validate()
{
    if (settings_.setTabColumns(tabColumns_->text().toStdString()))
        return true;
    dialogs_.showMessage("The tab columns must be ascending numbers between 1 and 255, separated by spaces.",
                         platform::TMsgKind::error, platform::btnOk);
    tabColumns_->setFocus();
    return false;
}

void TOptionsEditorPage::chooseFont()
{
    const auto f = dialogs_.chooseFont({settings_.fontName, settings_.fontSize});
    if (!f || f->family.empty())
        return;
    settings_.fontName = f->family;
    settings_.fontSize = f->pointSize > 0 ? f->pointSize : settings_.fontSize;
    showFont();
    emit changed();
}

void TOptionsEditorPage::showFont()
{
    font_->setText(QStringLiteral("%1, %2 pt").arg(QString::fromStdString(settings_.fontName)).arg(settings_.fontSize));
}

} // namespace tessaly::widgets
