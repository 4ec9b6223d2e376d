#pragma once

#include "insert/dialogs/SnippetDialog.h"

#include <string>

class QCheckBox;
class QLineEdit;

namespace tessaly::insert {

// One dialog for radio buttons and check boxes: the command sets the caption
// to "Radio Button" or "Check Box" before showing it, and OK writes the input
// of that kind.
class TRadioCheckForm : public TSnippetDialog {
    Q_OBJECT
public:
    static constexpr const char* kRadioCaption = "Radio Button";
    static constexpr const char* kCheckBoxCaption = "Check Box";

    TRadioCheckForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QLineEdit* valueEdit() const { return edit2_; }
    QLineEdit* textEdit() const { return edit3_; }
    QCheckBox* checkedBox() const { return checked_; }
    // " CHECKED" while "Checked" is ticked.
    const std::string& checkedFragment() const { return checkedFragment_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLineEdit* edit3_;
    QCheckBox* checked_;
    std::string checkedFragment_;
};

} // namespace tessaly::insert
