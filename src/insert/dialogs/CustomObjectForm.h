#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QLineEdit;
class QRadioButton;

namespace tessaly::insert {

// "Custom Object": a constructor function for a named object. The Object
// Element choice is offered but does not change what is written.
class TCustomObjectForm : public TSnippetDialog {
    Q_OBJECT
public:
    TCustomObjectForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QRadioButton* propertyButton() const { return property_; }
    QRadioButton* methodButton() const { return method_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QLineEdit* edit1_;
    QRadioButton* property_;
    QRadioButton* method_;
};

} // namespace tessaly::insert
