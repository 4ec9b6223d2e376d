#pragma once

#include <QDialog>

#include <functional>

class QBoxLayout;
class QPushButton;

namespace tessaly::memo {
class TSyntaxMemo;
}

namespace tessaly::insert {

// How a dialog reaches the active document's editor; it is asked afresh on
// every OK, and may return nullptr when no document is open.
using EditorAccess = std::function<memo::TSyntaxMemo*()>;

// Base of the snippet dialogs: created once and reused, an OK button that
// writes the snippet, and a Cancel button (also Esc and the close box) that
// runs the dialog's own clearing rule.
class TSnippetDialog : public QDialog {
    Q_OBJECT
public:
    TSnippetDialog(EditorAccess editor, const QString& caption, QWidget* parent);

    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Escape and the window's close box count as Cancel.
    void reject() override { cancelClicked(); }

    // The first field in the tab order (not a push button), or nullptr.
    QWidget* firstField() const;

protected:
    // Every opening starts with the keyboard in the first field, whatever
    // had the focus when the dialog was last closed: typing goes in at once
    // and Return runs OK.
    void showEvent(QShowEvent* event) override;

    memo::TSyntaxMemo* editor() const { return editor_ ? editor_() : nullptr; }

    // Puts the OK and Cancel buttons, with these captions, at the bottom of layout.
    void addButtons(QBoxLayout* layout, const QString& okCaption, const QString& cancelCaption);

    // OK: write the snippet, clear what the dialog clears, close.
    virtual void okClicked() = 0;
    // Cancel: clear what the dialog clears, close.
    virtual void cancelClicked() { closeDialog(); }

    // Closes the dialog as accepted or rejected without running Cancel again.
    void closeDialog(bool accepted = false);

private:
    EditorAccess editor_;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tessaly::insert
