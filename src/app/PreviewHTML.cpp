#include "app/PreviewHTML.h"

#include "app/WebViewModule.h"

#include <QMainWindow>
#include <QStatusBar>
#include <QVBoxLayout>

namespace tessaly::app {

namespace {

// Runs an engine call; the engine's failures never reach the caller.
template <typename F>
void guarded(F&& call)
{
    try {
        call();
    } catch (...) {
    }
}

constexpr int kNoteMs = 10000;

} // namespace

TPreviewHTML::TPreviewHTML(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

TPreviewHTML::~TPreviewHTML()
{
    // The handlers belong to objects that may already be going; the view
    // itself is a child widget and goes after this.
    onAfterNavigate = nullptr;
    onStatusBusyChange = nullptr;
    onLoadEnded = nullptr;
    if (view_)
        view_->onLoading = nullptr;
}

TWebView* TPreviewHTML::engine()
{
    if (view_ || failed_)
        return view_;
    TWebViewModule& module = TWebViewModule::instance();
    guarded([&] { view_ = module.create(this); });
    if (!view_) {
        // Said once per view, in the status bar of the window it sits in.
        failed_ = true;
        if (auto* main = qobject_cast<QMainWindow*>(window()))
            main->statusBar()->showMessage(QStringLiteral("The web view could not be started: ") + module.error(),
                                           kNoteMs);
        return nullptr;
    }
    view_->widget()->setObjectName(QStringLiteral("BrowsView"));
    view_->onLoading = [this](TWebView::LoadStatus status, int errorCode) { loadingChanged(status, errorCode); };
    layout()->addWidget(view_->widget());
    return view_;
}

void TPreviewHTML::navigate(const QString& address)
{
    guarded([&] {
        const QUrl url = QUrl::fromUserInput(address, QString(), QUrl::AssumeLocalFile);
        if (url.isValid())
            if (TWebView* v = engine())
                v->load(url);
    });
}

void TPreviewHTML::navigateContent(const QByteArray& html, const QUrl& base, const QString& fallbackFile)
{
    guarded([&] {
        TWebView* v = engine();
        if (!v)
            return;
        if (html.size() < kDirectContentLimit)
            v->setContent(html, base);
        else
            v->load(QUrl::fromLocalFile(fallbackFile));
    });
}

void TPreviewHTML::goBack()
{
    if (view_)
        guarded([&] { view_->back(); });
}

void TPreviewHTML::goForward()
{
    if (view_)
        guarded([&] { view_->forward(); });
}

void TPreviewHTML::stop()
{
    if (view_)
        guarded([&] { view_->stop(); });
}

QString TPreviewHTML::locationURL() const
{
    QString url;
    if (view_)
        guarded([&] { url = view_->url().toString(); });
    return url;
}

QPointF TPreviewHTML::scrollPosition() const
{
    QPointF at;
    if (view_)
        guarded([&] { at = view_->scrollPosition(); });
    return at;
}

void TPreviewHTML::runScript(const QString& script, std::function<void(const QVariant&)> done)
{
    if (!view_) {
        if (done)
            done(QVariant());
        return;
    }
    guarded([&] { view_->runScript(script, std::move(done)); });
}

void TPreviewHTML::loadingChanged(TWebView::LoadStatus status, int errorCode)
{
    switch (status) {
    case TWebView::LoadStatus::started:
        setBusy(true);
        return;
    case TWebView::LoadStatus::succeeded:
    case TWebView::LoadStatus::failed:
        if (status == TWebView::LoadStatus::succeeded || errorCode != kAbortedLoad)
            if (onAfterNavigate)
                onAfterNavigate();
        break;
    case TWebView::LoadStatus::stopped:
        break;
    }
    setBusy(false);
    if (onLoadEnded)
        onLoadEnded(status == TWebView::LoadStatus::succeeded);
}

void TPreviewHTML::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (onStatusBusyChange)
        onStatusBusyChange(busy);
}

} // namespace tessaly::app
