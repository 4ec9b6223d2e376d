#pragma once

#include "widgets/OptionsPage.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace tessaly::widgets {

// "Code templates": the templates of the language (name, description and
// body, where "|" marks the caret), the key that expands them and the four
// switches of the expansion.
class TOptionsTemplatesPage : public TOptionsPage {
    Q_OBJECT
public:
    TOptionsTemplatesPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent = nullptr);
    void reload() override;
    bool validate() override;

    QListWidget& list() { return *list_; }

private:
    void showCurrent();
    void storeCurrent();
    void storeSwitches();

    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPlainTextEdit* body_ = nullptr;
    QLineEdit* hotKey_ = nullptr;
    QCheckBox* swallow_ = nullptr;
    QCheckBox* indent_ = nullptr;
    QCheckBox* caretMarker_ = nullptr;
    QCheckBox* showList_ = nullptr;
    bool showing_ = false;
};

} // namespace tessaly::widgets
