#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace tessaly::insert {

// "Text Field": a one-line INPUT, or a password field when "Hidden" is ticked.
class TTextBoxForm : public TSnippetDialog {
    Q_OBJECT
public:
    TTextBoxForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QLineEdit* valueEdit() const { return edit2_; }
    QSpinBox* widthSpin() const { return edit3_; }
    QSpinBox* maxLengthSpin() const { return edit4_; }
    QCheckBox* hiddenBox() const { return checkBox1_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QSpinBox* edit3_;
    QSpinBox* edit4_;
    QCheckBox* checkBox1_;
};

} // namespace tessaly::insert
