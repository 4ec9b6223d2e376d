#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <functional>

class QWidget;

namespace tessaly::app {

// A web view as the preview sees it. The engine behind it is large and slow
// to link, so it lives in a module of its own (src/webview) that the program
// loads the first time a page is shown; the program itself knows only this
// interface. The module and the program are built together, from this one
// header, so the layout of the class is shared.
class TWebView {
public:
    enum class LoadStatus { started, succeeded, failed, stopped };

    virtual ~TWebView() = default;

    // The widget that shows the page; it owns this object, so deleting the
    // widget (or its parent) deletes the view.
    virtual QWidget* widget() = 0;
    virtual void load(const QUrl& url) = 0;
    // Shows html (UTF-8) as if it had been loaded from base.
    virtual void setContent(const QByteArray& html, const QUrl& base) = 0;
    virtual void back() = 0;
    virtual void forward() = 0;
    virtual void stop() = 0;
    virtual QUrl url() const = 0;
    virtual QPointF scrollPosition() const = 0;
    // Runs a script in a world of its own beside the page's scripts (it sees
    // the page's document, not the page's variables); done gets its result.
    virtual void runScript(const QString& script, std::function<void(const QVariant&)> done) = 0;

    // Each change of a load's state; errorCode is the engine's code of a
    // failed load (kAbortedLoad when another navigation replaced it).
    std::function<void(LoadStatus status, int errorCode)> onLoading;
};

// A load replaced by another navigation ends with this code.
inline constexpr int kAbortedLoad = -3;

// The module's one entry point: creates a view as a child of parent.
using TWebViewFactory = TWebView* (*)(QWidget* parent);
inline constexpr char kWebViewFactorySymbol[] = "tessaly_create_web_view";
// The module's file name without the platform's prefix and suffix.
inline constexpr char kWebViewModuleName[] = "tessaly_webview";

} // namespace tessaly::app
