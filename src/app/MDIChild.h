#pragma once

#include <QMdiSubWindow>

#include <functional>

namespace tessaly::app {

// What becomes of a window whose close was allowed.
enum class TCloseAction { keep, hide, free, minimize };

// A document window of the main window's multiple-document area, with the
// two handlers that other parts may hook: onActivate runs whenever the
// window becomes the active child, onClose once its close has been allowed
// and decides what the close does (free unless a handler says otherwise).
// A hook that replaces a handler keeps the old one and calls it itself.
class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    using ActivateHandler = std::function<void(TMDIChild&)>;
    using CloseHandler = std::function<void(TMDIChild&, TCloseAction&)>;

    explicit TMDIChild(QWidget* parent = nullptr);

    ActivateHandler onActivate;
    CloseHandler onClose;

    // Runs the activate handler; the main window calls it when the
    // multiple-document area activates this window.
    void activated();
    // True from the moment a close was allowed (its close handler runs with
    // it set) until the window is gone.
    bool isClosing() const { return closing_; }
    // Skip the close query on the next close (it was asked already).
    void setCloseQueried(bool done) { closeQueried_ = done; }
    // Gives the keyboard focus to what the user works in; the window
    // itself by default.
    virtual void takeFocus() { setFocus(); }

protected:
    // Whether the window may close; asked before every close.
    virtual bool closeQuery() { return true; }
    void closeEvent(QCloseEvent* event) override;

private:
    bool closing_ = false;
    bool closeQueried_ = false;
};

} // namespace tessaly::app
