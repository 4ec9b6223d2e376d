#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

#include "app/WebView.h"

namespace tessaly::app {

// The web view of a document window: a small wrapper around the desktop's web
// engine with the few operations the preview needs. The engine is loaded from
// its module and started the first time the wrapper is asked to show
// something, never before, so opening the program costs nothing for it. Every
// failure of the engine is swallowed here, a missing module included (the
// page stays empty and the status bar says why); a failed read of the address
// gives an empty text.
class TPreviewHTML : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewHTML(QWidget* parent = nullptr);
    ~TPreviewHTML() override;

    // Loads an address (a URL, or a local path).
    void navigate(const QString& address);
    // Shows the given page text as if it had been loaded from base: relative
    // addresses in it resolve against base, and base is the page's address.
    // Text too large to hand over directly is loaded from fallbackFile.
    void navigateContent(const QByteArray& html, const QUrl& base, const QString& fallbackFile);
    void goBack();
    void goForward();
    void stop();
    // The address of the page shown; empty before the first page or on failure.
    QString locationURL() const;
    bool busy() const { return busy_; }
    // Whether the engine has been started.
    bool started() const { return view_ != nullptr; }
    // The engine's view, null until started (or when it cannot start).
    TWebView* view() const { return view_; }
    // Where the page is scrolled to; the origin before the first page.
    QPointF scrollPosition() const;
    // Runs a script beside the page's own (seeing its document, not its
    // variables); done gets the result, or an invalid value without engine.
    void runScript(const QString& script, std::function<void(const QVariant&)> done);

    // After a navigation has completed (loaded or failed, not when stopped
    // or superseded by another navigation).
    std::function<void()> onAfterNavigate;
    // Each time the busy state differs from the last one reported.
    std::function<void(bool busy)> onStatusBusyChange;
    // After every load that ends, with its success (used to restore scrolling).
    std::function<void(bool ok)> onLoadEnded;

private:
    // The view, started on first use; null when the engine cannot start.
    TWebView* engine();
    void loadingChanged(TWebView::LoadStatus status, int errorCode);
    void setBusy(bool busy);

    TWebView* view_ = nullptr;
    bool failed_ = false;
    bool busy_ = false;
};

// Under this size a page is handed to the engine directly; larger ones are
// loaded from their file (the engine refuses larger direct content).
inline constexpr qsizetype kDirectContentLimit = 1500 * 1024;

} // namespace tessaly::app
