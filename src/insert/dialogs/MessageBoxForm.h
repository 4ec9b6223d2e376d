#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace tessaly::insert {

// "Insert Message Dialog": an alert, confirm or prompt call. It is shown
// modeless and writes into whichever document is active at OK.
class TMessageBoxForm : public TSnippetDialog {
    Q_OBJECT
public:
    TMessageBoxForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* messageEdit() const { return edit1_; }
    QLineEdit* defaultValueEdit() const { return edit2_; }
    QRadioButton* alertButton() const { return alert_; }
    QRadioButton* confirmButton() const { return confirm_; }
    QRadioButton* promptButton() const { return prompt_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    void resetFields();
    void enableDefaultValue(bool on);

    QLineEdit* edit1_;
    QLabel* defaultLabel_;
    QLineEdit* edit2_;
    QRadioButton* alert_;
    QRadioButton* confirm_;
    QRadioButton* prompt_;
};

} // namespace tessaly::insert
