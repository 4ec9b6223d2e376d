#pragma once

#include "widgets/OptionsPage.h"

class QCheckBox;
class QLineEdit;
class QTableWidget;

namespace tessaly::widgets {

// "Auto correct": the words replaced as they are typed (word, replacement,
// an optional description), the keys that trigger a replacement and the
// switches of the replacement.
class TOptionsAutoCorrectPage : public TOptionsPage {
    Q_OBJECT
public:
    TOptionsAutoCorrectPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent = nullptr);
    void reload() override;
    bool validate() override;

    QTableWidget& table() { return *table_; }

private:
    void storeTable();

    QTableWidget* table_ = nullptr;
    QLineEdit* triggers_ = nullptr;
    QCheckBox* swallow_ = nullptr;
    QCheckBox* indent_ = nullptr;
    QCheckBox* caretMarker_ = nullptr;
};

} // namespace tessaly::widgets
