#pragma once

#include <QComboBox>
#include <QWidget>

class QActionGroup;
class QLabel;
class QMenu;
class QToolButton;

namespace tessaly::app {

class TEditor;
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

// The "Browser" page of a document window: a tool row (open, back, forward,
// stop, browser size, default browser, the address box) above the web view
// Brows. It keeps the window's own small history: a record flag (the next
// completed navigation goes into the address list), a back count (entries
// Back can still step through, counting the current page) and a forward count.
class TBrowserPage : public QWidget {
    Q_OBJECT
public:
    TBrowserPage(TEditor& editor, TMainForm& owner, QWidget* parent = nullptr);

    TPreviewHTML& brows() { return *brows_; }
    TURLBox& urls() { return *urls_; }
    QToolButton* button(const char* name) const;
    QMenu& browsSize() { return *browsSize_; }
    bool recordFlag() const { return recordFlag_; }
    int backCount() const { return backCount_; }
    int forwardCount() const { return forwardCount_; }

    // The window changes from its "Editor" page to this one: writes the
    // preview file from the document's current text and shows it. The
    // document itself (its text, history and modified state) is not touched.
    void pageEntered();
    // Shows an address and puts it into the address box (web links).
    void showAddress(const QString& address);

    void backClick();
    void forwardClick();
    void stopClick();
    void urlsEnter();
    void urlsChoose();
    void openInBrowserClick();
    void defaultBrowserClick();
    // 0: 640 x 480, 1: 800 x 600, 2: fit to the page.
    void setBrowserSize(int choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void statusBusyChange(bool busy);
    void afterNavigate();
    void layoutBrows();
    QToolButton* addToolButton(const char* name, int left, const QIcon& icon, const QString& hint);

    TEditor& editor_;
    TMainForm& owner_;
    QWidget* toolbar3_ = nullptr;
    QWidget* holder_ = nullptr;
    TPreviewHTML* brows_ = nullptr;
    TURLBox* urls_ = nullptr;
    QLabel* label1_ = nullptr;
    QMenu* browsSize_ = nullptr;
    QActionGroup* sizes_ = nullptr;
    int sizeChoice_ = 2;
    bool recordFlag_ = false;
    int backCount_ = 0;
    int forwardCount_ = 0;
};

} // namespace tessaly::app
