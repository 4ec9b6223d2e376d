#pragma once

#include "insert/dialogs/SnippetDialog.h"

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaly::insert {

// "Hyperlink": an A element with an optional frame target and status-line
// text. The commands set the caption to "Link" before showing it; OK writes
// only under that caption.
class TLinkForm : public TSnippetDialog {
    Q_OBJECT
public:
    static constexpr const char* kLinkCaption = "Link";

    TLinkForm(EditorAccess editor, QWidget* parent = nullptr);

    QLineEdit* urlEdit() const { return edit2_; }
    QLineEdit* descriptionEdit() const { return edit1_; }
    QComboBox* targetBox() const { return comboBox1_; }
    QLineEdit* mouseOverEdit() const { return edit3_; }
    QPushButton* browseButton() const { return browse_; }
    const std::string& targetFragment() const { return targetFragment_; }
    const std::string& mouseOverFragment() const { return mouseOverFragment_; }

    // Asks for a file for the URL field; returns an empty string when the
    // user cancels. Replaceable so tests never wait on a file dialog.
    std::function<QString(QWidget* parent)> chooseFile;

protected:
    void okClicked() override;
    void cancelClicked() override;

private:
    void browseClicked();

    QLineEdit* edit2_;
    QLineEdit* edit1_;
    QComboBox* comboBox1_;
    QLineEdit* edit3_;
    QLabel* dotty_;
    QPushButton* browse_;
    std::string quote_;
    std::string targetFragment_;
    std::string mouseOverFragment_;
};

} // namespace tessaly::insert
