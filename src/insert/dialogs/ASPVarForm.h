#pragma once

#include "insert/dialogs/SnippetDialog.h"

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace tessaly::insert {

// "ASP Server Variables": pick a server variable; the Syntax panel shows the
// expression that reads it, and OK writes that expression. OK with no
// variable chosen writes nothing and keeps the dialog open.
class TASPVarForm : public TSnippetDialog {
    Q_OBJECT
public:
    TASPVarForm(EditorAccess editor, QWidget* parent = nullptr);

    QListWidget* variableList() const { return listBox1_; }
    QLabel* syntaxPanel() const { return prev_; }

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    QListWidgetItem* chosenItem() const;

    QListWidget* listBox1_;
    QLabel* prev_;
};

} // namespace tessaly::insert
