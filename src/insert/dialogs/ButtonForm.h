#pragma once

#include "insert/dialogs/SnippetDialog.h"

#include <string>

class QLineEdit;
class QRadioButton;

namespace tessaly::insert {

// "Button": a submit or reset button. The onClick text stays from one use to
// the next; a reset button never carries it.
class TButtonForm : public TSnippetDialog {
    Q_OBJECT
public:
    TButtonForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QLineEdit* valueEdit() const { return edit2_; }
    QLineEdit* onClickEdit() const { return edit3_; }
    QRadioButton* submitButton() const { return submit_; }
    QRadioButton* resetButton() const { return reset_; }
    const std::string& onClickFragment() const { return onClickFragment_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLineEdit* edit3_;
    QRadioButton* submit_;
    QRadioButton* reset_;
    std::string onClickFragment_;
};

} // namespace tessaly::insert
