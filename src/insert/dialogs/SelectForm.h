#pragma once

#include "insert/dialogs/SnippetDialog.h"

#include <string>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace tessaly::insert {

// "Select": a drop-down list with one option per line of "Items", written up
// to the first empty line.
class TSelectForm : public TSnippetDialog {
    Q_OBJECT
public:
    TSelectForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit1_; }
    QPlainTextEdit* itemsBox() const { return itemsBox_; }
    QCheckBox* multipleBox() const { return multiple_; }
    // " MULTIPLE" while "Allow multiple selections" is ticked.
    const std::string& multipleFragment() const { return multipleFragment_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QLineEdit* edit1_;
    QPlainTextEdit* itemsBox_;
    QCheckBox* multiple_;
    std::string multipleFragment_;
};

} // namespace tessaly::insert
