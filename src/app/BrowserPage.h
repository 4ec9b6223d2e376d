#pragma once

#include "app/BrowserNav.h"

#include <QWidget>

class QActionGroup;
class QMenu;
class QToolButton;

namespace tessaly::app {

class TEditor;
class TMainForm;
class TPreviewHTML;

// The "Browser" page of a document window: a tool row (open, back, forward,
// stop, browser size, default browser, the address box) above the web view
// Brows. The row keeps the window's own small history (TBrowserNav).
class TBrowserPage : public QWidget {
    Q_OBJECT
public:
    TBrowserPage(TEditor& editor, TMainForm& owner, QWidget* parent = nullptr);

    TPreviewHTML& brows() { return *brows_; }
    TBrowserNav& nav() { return *toolbar3_; }
    TURLBox& urls() { return toolbar3_->urls(); }
    QToolButton* button(const char* name) const { return toolbar3_->button(name); }
    QMenu& browsSize() { return *browsSize_; }
    bool recordFlag() const { return toolbar3_->recordFlag(); }
    int backCount() const { return toolbar3_->backCount(); }
    int forwardCount() const { return toolbar3_->forwardCount(); }

    // The window changes from its "Editor" page to this one: writes the
    // preview file from the document's current text and shows it. The
    // document itself (its text, history and modified state) is not touched.
    void pageEntered();
    // Shows an address and puts it into the address box (web links).
    void showAddress(const QString& address);

    void backClick() { toolbar3_->backClick(); }
    void forwardClick() { toolbar3_->forwardClick(); }
    void stopClick() { toolbar3_->stopClick(); }
    void urlsEnter() { toolbar3_->urlsEnter(); }
    void urlsChoose() { toolbar3_->urlsChoose(); }
    void openInBrowserClick() { toolbar3_->openInBrowserClick(); }
    void defaultBrowserClick();
    // 0: 640 x 480, 1: 800 x 600, 2: fit to the page.
    void setBrowserSize(int choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layoutBrows();

    TEditor& editor_;
    TMainForm& owner_;
    TBrowserNav* toolbar3_ = nullptr;
    QWidget* holder_ = nullptr;
    TPreviewHTML* brows_ = nullptr;
    QMenu* browsSize_ = nullptr;
    QActionGroup* sizes_ = nullptr;
    int sizeChoice_ = 2;
};

} // namespace tessaly::app
