#include "app/PreviewHTML.h"

#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

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

// ERR_ABORTED: the load was replaced by another navigation.
constexpr int kAborted = -3;

} // namespace

TPreviewHTML::TPreviewHTML(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

TPreviewHTML::~TPreviewHTML()
{
    // The handlers belong to objects that may already be going.
    onAfterNavigate = nullptr;
    onStatusBusyChange = nullptr;
    onLoadEnded = nullptr;
    if (view_)
        view_->disconnect(this);
}

QWebEngineView& TPreviewHTML::engine()
{
    if (!view_) {
        view_ = new QWebEngineView(this);
        view_->setObjectName(QStringLiteral("BrowsView"));
        QWebEngineSettings* s = view_->settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
        s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        connect(view_->page(), &QWebEnginePage::loadingChanged, this,
                [this](const QWebEngineLoadingInfo& info) { loadingChanged(info); });
        layout()->addWidget(view_);
    }
    return *view_;
}

void TPreviewHTML::navigate(const QString& address)
{
    guarded([&] {
        const QUrl url = QUrl::fromUserInput(address, QString(), QUrl::AssumeLocalFile);
        if (url.isValid())
            engine().load(url);
    });
}

void TPreviewHTML::navigateContent(const QByteArray& html, const QUrl& base, const QString& fallbackFile)
{
    guarded([&] {
        if (html.size() < kDirectContentLimit)
            engine().setContent(html, QStringLiteral("text/html"), base);
        else
            engine().load(QUrl::fromLocalFile(fallbackFile));
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

void TPreviewHTML::loadingChanged(const QWebEngineLoadingInfo& info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        setBusy(true);
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
    case QWebEngineLoadingInfo::LoadFailedStatus:
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus || info.errorCode() != kAborted)
            if (onAfterNavigate)
                onAfterNavigate();
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        break;
    }
    setBusy(false);
    if (onLoadEnded)
        onLoadEnded(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
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
