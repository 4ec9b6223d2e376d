#pragma once

#include "library/ScriptFiles.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tessaly::platform {
class TDialogs;
}

namespace tessaly::library {

// The "Add Custom Script" dialog: a name, the script's file (typed or chosen
// through Browse), its kind and an HTML description. OK checks that the name
// and the file are given, hands the entry to onAdd and closes; Cancel closes.
// Either way the fields are emptied and the first kind chosen again, so each
// use starts blank.
class TAddCustScript : public QDialog {
    Q_OBJECT
public:
    TAddCustScript(platform::TDialogs& dialogs, QWidget* parent = nullptr);

    // Adds the entry to the library; runs before the dialog closes.
    std::function<void(const TScriptEntry&)> onAdd;

    QLineEdit* edit1() const { return edit1_; }
    QLineEdit* edit2() const { return edit2_; }
    QComboBox* scriptType() const { return scriptType_; }
    QPlainTextEdit* memo1() const { return memo1_; }
    QPushButton* browseButton() const { return browse_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void browseClick();
    void okClick();
    void cancelClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    // Empties the fields and chooses the first kind.
    void clearFields();

    platform::TDialogs& dialogs_;
    QLineEdit* edit1_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    QComboBox* scriptType_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    QPushButton* browse_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace tessaly::library
