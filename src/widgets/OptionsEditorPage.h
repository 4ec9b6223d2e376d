#pragma once

#include "memo/Options.h"
#include "widgets/OptionsPage.h"

#include <map>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tessaly::widgets {

class TColourButton;

// The check box of an option, named after the option for tests and tools.
QCheckBox* makeOptionBox(memo::TSyntaxMemoOption option, const QString& label, parser::TSM_Settings& settings,
                         QWidget* parent);

// "Options": the editor's switches, tabs, indent, margins, wrapping, gutter,
// selection colours and font.
class TOptionsEditorPage : public TOptionsPage {
    Q_OBJECT
public:
    TOptionsEditorPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent = nullptr);
    void reload() override;
    bool validate() override;

private:
    void chooseFont();
    void showFont();

    std::map<memo::TSyntaxMemoOption, QCheckBox*> boxes_;
    QSpinBox* tabWidth_ = nullptr;
    QLineEdit* tabColumns_ = nullptr;
    QSpinBox* indentStep_ = nullptr;
    QSpinBox* rightMargin_ = nullptr;
    QSpinBox* wrapColumn_ = nullptr;
    QLineEdit* wrapOverride_ = nullptr;
    QSpinBox* gutterWidth_ = nullptr;
    TColourButton* gutterColour_ = nullptr;
    TColourButton* selText_ = nullptr;
    TColourButton* selBack_ = nullptr;
    QPushButton* font_ = nullptr;
};

} // namespace tessaly::widgets
