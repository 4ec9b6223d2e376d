#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QLineEdit;

namespace tessaly::insert {

// "Insert Servlet": a SERVLET element around the selection. Its fields keep
// their texts from one use to the next.
class TServletForm : public TSnippetDialog {
    Q_OBJECT
public:
    TServletForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QLineEdit* codeEdit() const { return edit2_; }
    QLineEdit* codebaseEdit() const { return edit3_; }

protected:
    void okClicked() override;

private:
    QLineEdit* edit1_;
    QLineEdit* edit2_;
    QLineEdit* edit3_;
};

} // namespace tessaly::insert
