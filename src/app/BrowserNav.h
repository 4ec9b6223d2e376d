#pragma once

#include <QComboBox>
#include <QIcon>
#include <QWidget>

#include <functional>

class QLabel;
class QToolButton;

namespace tessaly::app {

class TMainForm;
class TPreviewHTML;

// The address box: an editable list of the addresses visited. Enter in the
// box and a choice from its list are told apart (enterPressed, chosen), and
// neither adds the typed text to the list by itself.
class TURLBox : public QComboBox {
    Q_OBJECT
public:
    explicit TURLBox(QWidget* parent = nullptr);
signals:
    void enterPressed();
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The tool row above a web view: "Open in Browser", "Step Back...", "Step
// Forward...", "Stop Loading...", the "Address" label and the address box,
// each button at its fixed place. The owner may add buttons of its own
// between Stop and the label (addressLeft says where the label goes).
//
// It keeps the view's own small history: a record flag (the next completed
// navigation goes into the address list), a back count (entries Back can
// still step through, counting the current page) and a forward count.
class TBrowserNav : public QWidget {
    Q_OBJECT
public:
    TBrowserNav(TPreviewHTML& brows, TMainForm& owner, int addressLeft, QWidget* parent = nullptr);

    TURLBox& urls() { return *urls_; }
    QToolButton* button(const char* name) const;
    QToolButton* addToolButton(const char* name, int left, int width, const QIcon& icon, const QString& hint);
    bool recordFlag() const { return recordFlag_; }
    void setRecordFlag(bool on) { recordFlag_ = on; }
    int backCount() const { return backCount_; }
    int forwardCount() const { return forwardCount_; }

    // Called on every busy change of the view, before the row's own handling
    // (busy cursor, Stop enabled while busy).
    std::function<void(bool busy)> onBusy;

    void backClick();
    void forwardClick();
    void stopClick();
    void urlsEnter();
    void urlsChoose();
    void openInBrowserClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void statusBusyChange(bool busy);
    void afterNavigate();

    TPreviewHTML& brows_;
    TMainForm& owner_;
    TURLBox* urls_ = nullptr;
    QLabel* label1_ = nullptr;
    bool recordFlag_ = false;
    int backCount_ = 0;
    int forwardCount_ = 0;
};

} // namespace tessaly::app
