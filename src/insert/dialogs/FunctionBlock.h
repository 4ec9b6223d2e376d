#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace tessaly::insert {

// "Function Block": a function skeleton, optionally under a comment box
// holding its description (at most kMaxDescription characters).
class TFunctionBlock : public TSnippetDialog {
    Q_OBJECT
public:
    static constexpr int kMaxDescription = 110;

    TFunctionBlock(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QPlainTextEdit* descriptionBox() const { return description_; }
    QCheckBox* includeDescriptionBox() const { return include_; }

protected:
    void okClicked() override;

private:
    void limitDescription();

    QLineEdit* edit1_;
    QPlainTextEdit* description_;
    QCheckBox* include_;
};

} // namespace tessaly::insert
