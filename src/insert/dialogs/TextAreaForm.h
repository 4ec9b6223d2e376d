#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace tessaly::insert {

// "Text Area": a TEXTAREA element holding a default text.
class TTextAreaForm : public TSnippetDialog {
    Q_OBJECT
public:
    TTextAreaForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QSpinBox* rowsSpin() const { return edit2_; }
    QSpinBox* columnsSpin() const { return edit3_; }
    QPlainTextEdit* defaultTextBox() const { return memo1_; }
    QCheckBox* wordWrapBox() const { return wordWrap_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QLineEdit* edit1_;
    QSpinBox* edit2_;
    QSpinBox* edit3_;
    QPlainTextEdit* memo1_;
    QCheckBox* wordWrap_;
};

} // namespace tessaly::insert
