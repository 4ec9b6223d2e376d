#include "widgets/OptionsHighlightPage.h"

#include "parser/ColourSchemes.h"
#include "parser/runtime/SyntaxMemoParser.h"
#include "widgets/ColourButton.h"
#include "widgets/LanguageSettings.h"
#include "widgets/SyntaxMemoView.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tessaly::widgets {

TOptionsHighlightPage::TOptionsHighlightPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs,
                                             const parser::TSyntaxMemoParser& parser,
                                             const parser::TSM_Settings& builtin, QWidget* parent)
    : TOptionsPage(settings, dialogs, parent), builtin_(builtin),
      previewParser_(std::make_unique<parser::TSyntaxMemoParser>())
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    styles_ = new QListWidget(this);
    styles_->setObjectName(QStringLiteral("Styles"));
    top->addWidget(styles_, 1);

    auto* edit = new QFormLayout;
    foreground_ = new TColourButton(dialogs_, this);
    foreground_->setObjectName(QStringLiteral("Foreground"));
    edit->addRow(QStringLiteral("&Text colour:"), foreground_);
    background_ = new TColourButton(dialogs_, this);
    background_->setObjectName(QStringLiteral("Background"));
    edit->addRow(QStringLiteral("&Background:"), background_);
    ownBackground_ = new QCheckBox(QStringLiteral("Own &background"), this);
    ownBackground_->setObjectName(QStringLiteral("OwnBackground"));
    edit->addRow(ownBackground_);
    bold_ = new QCheckBox(QStringLiteral("B&old"), this);
    bold_->setObjectName(QStringLiteral("Bold"));
    italic_ = new QCheckBox(QStringLiteral("&Italic"), this);
    italic_->setObjectName(QStringLiteral("Italic"));
    underline_ = new QCheckBox(QStringLiteral("&Underline"), this);
    underline_->setObjectName(QStringLiteral("Underline"));
    edit->addRow(bold_);
    edit->addRow(italic_);
    edit->addRow(underline_);
    auto* schemes = new QHBoxLayout;
    schemes->addWidget(new QLabel(QStringLiteral("Scheme:"), this));
    for (const std::string& name : parser::colourSchemeNames()) {
        auto* b = new QPushButton(QString::fromStdString(name), this);
        b->setObjectName(QStringLiteral("Scheme") + QString::fromStdString(name));
        connect(b, &QPushButton::clicked, this, [this, name] { applyScheme(QString::fromStdString(name)); });
        schemes->addWidget(b);
    }
    edit->addRow(schemes);
    top->addLayout(edit);
    layout->addLayout(top);

    preview_ = new TSyntaxMemoView(this);
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setMinimumHeight(120);
    previewParser_->assign(parser);
    preview_->memo().setParser(1, previewParser_.get());
    preview_->memo().setActiveParser(1);
    preview_->memo().lines().setText(settings_.exampleText);
    preview_->memo().setReadOnly(true);
    layout->addWidget(preview_, 1);

    connect(styles_, &QListWidget::currentRowChanged, this, &TOptionsHighlightPage::showCurrent);
    connect(foreground_, &TColourButton::colourChosen, this, [this](memo::TColor c) {
        if (parser::TSM_Style* s = current()) {
            s->foreground = c;
            styleEdited();
        }
    });
    connect(background_, &TColourButton::colourChosen, this, [this](memo::TColor c) {
        if (parser::TSM_Style* s = current()) {
            s->background = c;
            // Choosing a background means the style brings its own.
            s->ownColours = true;
            ownBackground_->setChecked(true);
            styleEdited();
        }
    });
    connect(ownBackground_, &QCheckBox::toggled, this, [this](bool on) {
        if (parser::TSM_Style* s = current()) {
            s->ownColours = on;
            styleEdited();
        }
    });
    auto fontBit = [this](QCheckBox* box, std::uint8_t bit) {
        connect(box, &QCheckBox::toggled, this, [this, bit](bool on) {
            if (parser::TSM_Style* s = current()) {
                s->fontStyle = static_cast<std::uint8_t>(on ? (s->fontStyle | bit) : (s->fontStyle & ~bit));
                styleEdited();
            }
        });
    };
    fontBit(bold_, parser::kBold);
    fontBit(italic_, parser::kItalic);
    fontBit(underline_, parser::kUnderline);
    connect(this, &TOptionsPage::changed, this, &TOptionsHighlightPage::refreshPreview);

    reload();
    refreshPreview();
}

TOptionsHighlightPage::~TOptionsHighlightPage()
{
    // The preview is a child widget and outlives the parser: let go first.
    preview_->memo().setActiveParser(0);
    preview_->memo().setParser(1, nullptr);
}

void TOptionsHighlightPage::reload()
{
    const int row = std::max(0, styles_->currentRow());
    const QSignalBlocker block(styles_);
    styles_->clear();
    for (const parser::TSM_EditableStyle& e : settings_.editableStyles)
        styles_->addItem(QString::fromStdString(e.name));
    if (styles_->count() > 0)
        styles_->setCurrentRow(std::min(row, styles_->count() - 1));
    showCurrent();
}

parser::TSM_Style* TOptionsHighlightPage::current()
{
    const int row = styles_->currentRow();
    if (row < 0 || row >= static_cast<int>(settings_.editableStyles.size()))
        return nullptr;
    auto& slot = settings_.styles[settings_.editableStyles[static_cast<std::size_t>(row)].style];
    if (!slot)
        slot = parser::TSM_Style{};
    return &*slot;
}

void TOptionsHighlightPage::showCurrent()
{
    const parser::TSM_Style* s = current();
    for (QWidget* w : {static_cast<QWidget*>(foreground_), static_cast<QWidget*>(background_),
                       static_cast<QWidget*>(ownBackground_), static_cast<QWidget*>(bold_),
                       static_cast<QWidget*>(italic_), static_cast<QWidget*>(underline_)})
        w->setEnabled(s != nullptr);
    if (!s)
        return;
    foreground_->setColour(s->foreground);
    background_->setColour(s->background);
    const QSignalBlocker b1(ownBackground_), b2(bold_), b3(italic_), b4(underline_);
    ownBackground_->setChecked(s->ownColours);
    bold_->setChecked(s->fontStyle & parser::kBold);
    italic_->setChecked(s->fontStyle & parser::kItalic);
    underline_->setChecked(s->fontStyle & parser::kUnderline);
}

void TOptionsHighlightPage::styleEdited()
{
    emit changed();
}

void TOptionsHighlightPage::applyScheme(const QString& name)
{
    parser::applyColourScheme(name.toStdString(), builtin_, settings_);
    reload();
    emit changed();
}

void TOptionsHighlightPage::refreshPreview()
{
    previewParser_->setSettings(settings_);
    applyLanguageSettings(*preview_, *previewParser_);
    // The example is shown as it is, whatever the editing switches say.
    preview_->memo().setReadOnly(true);
}

} // namespace tessaly::widgets
