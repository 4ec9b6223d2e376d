#pragma once

#include "memo/SyntaxMemo.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tessaly::widgets {

class TSyntaxMemoView;

// The editor's Find and Replace dialog (one class, two faces). It does not
// block: the user searches while editing. Every search goes to the editor it
// was opened for.
class TSearchDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { find, replace };

    TSearchDialog(memo::TSyntaxMemo& memo, Mode mode, memo::TSearchFlags flags, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The search flags that the dialog's options give.
    memo::TSearchFlags flags() const;

    // The buttons' commands (public for tests and for the keyboard).
    bool findNext();
    bool replaceOne();
    int replaceAll();

    QLineEdit* findEdit() const { return find_; }
    QLineEdit* replaceEdit() const { return replace_; }
    QCheckBox* matchCase() const { return matchCase_; }
    QCheckBox* wholeWord() const { return wholeWord_; }
    QCheckBox* confirm() const { return confirm_; }
    QRadioButton* down() const { return down_; }

    // Asks whether to replace; yes returns true. Replaced by tests.
    std::function<bool(const QString& question)> ask;

    // Where a box of the given size goes so that it does not cover the
    // match: below it when there is room on the screen, else above it, else
    // where it covers the least. The result lies inside available.
    static QPoint besideMatch(const QSize& box, const QRect& match, const QRect& available);

protected:
    // While the dialog is open the editor keeps the match on show.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TSyntaxMemoView* view() const;

    memo::TSyntaxMemo& memo_;
    Mode mode_;
    bool regExp_;
    QLineEdit* find_ = nullptr;
    QLineEdit* replace_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
};

} // namespace tessaly::widgets
