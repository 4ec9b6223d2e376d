#pragma once

#include "memo/Options.h"
#include "widgets/OptionsPage.h"

#include <map>
#include <string>

class QCheckBox;
class QLineEdit;

namespace tessaly::widgets {

// "Print Options": what a printout carries (wrapping, line numbers, file
// name, date, page numbers) and the document's print title.
class TOptionsPrintPage : public TOptionsPage {
    Q_OBJECT
public:
    // title: the print title the page edits (the dialog's copy).
    TOptionsPrintPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, std::string& title,
                      QWidget* parent = nullptr);
    void reload() override;

private:
    std::map<memo::TSyntaxMemoOption, QCheckBox*> boxes_;
    std::string& title_;
    QLineEdit* titleEdit_ = nullptr;
};

} // namespace tessaly::widgets
