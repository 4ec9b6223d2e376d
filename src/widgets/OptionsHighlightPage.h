#pragma once

#include "parser/Settings.h"
#include "widgets/OptionsPage.h"

#include <memory>

class QCheckBox;
class QListWidget;

namespace tessaly::parser {
class TSyntaxMemoParser;
}

namespace tessaly::widgets {

class TColourButton;
class TSyntaxMemoView;

// "Highlighting": the language's editable styles with their colours and
// font styles, the colour schemes to start from, and the language's
// example text shown with the edited styles as they change.
class TOptionsHighlightPage : public TOptionsPage {
    Q_OBJECT
public:
    TOptionsHighlightPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs,
                          const parser::TSyntaxMemoParser& parser, const parser::TSM_Settings& builtin,
                          QWidget* parent = nullptr);
    ~TOptionsHighlightPage() override;
    void reload() override;

    TSyntaxMemoView& preview() { return *preview_; }
    // Applies a colour scheme by name ("Classic", "Dark").
    void applyScheme(const QString& name);
    // Shows the example text in the settings as they are now.
    void refreshPreview();

private:
    // The style edited now, null when the language offers none.
    parser::TSM_Style* current();
    void showCurrent();
    void styleEdited();

    const parser::TSM_Settings& builtin_;
    std::unique_ptr<parser::TSyntaxMemoParser> previewParser_;
    QListWidget* styles_ = nullptr;
    TColourButton* foreground_ = nullptr;
    TColourButton* background_ = nullptr;
    QCheckBox* ownBackground_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* underline_ = nullptr;
    TSyntaxMemoView* preview_ = nullptr;
};

} // namespace tessaly::widgets
