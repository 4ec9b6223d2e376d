#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QLineEdit;
class QRadioButton;

namespace tessaly::insert {

// "Form": a FORM element around the selection, with its name and method.
class TFormWindow : public TSnippetDialog {
    Q_OBJECT
public:
    TFormWindow(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QRadioButton* postButton() const { return post_; }
    QRadioButton* getButton() const { return get_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    void clearFields();

    QLineEdit* edit1_;
    QRadioButton* post_;
    QRadioButton* get_;
};

} // namespace tessaly::insert
