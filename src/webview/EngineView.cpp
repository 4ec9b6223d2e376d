// The web view module: the desktop's web engine behind the program's small
// web view interface. Loaded by the program at the first preview, so the
// engine's libraries cost nothing at start-up.
#include "app/WebView.h"

#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

using tessaly::app::TWebView;

TWebView::LoadStatus statusOf(QWebEngineLoadingInfo::LoadStatus s)
{
    switch (s) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        return TWebView::LoadStatus::started;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        return TWebView::LoadStatus::succeeded;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        return TWebView::LoadStatus::failed;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        break;
    }
    return TWebView::LoadStatus::stopped;
}

// Pages run their scripts as a browser would and no more: no bridge into the
// program, no access from local pages to remote addresses, no clipboard.
class EngineView final : public QWebEngineView, public TWebView {
public:
    explicit EngineView(QWidget* parent) : QWebEngineView(parent)
    {
        QWebEngineSettings* s = settings();
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
        s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        connect(page(), &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (onLoading)
                onLoading(statusOf(info.status()), info.errorCode());
        });
    }

    QWidget* widget() override { return this; }
    void load(const QUrl& url) override { QWebEngineView::load(url); }
    void setContent(const QByteArray& html, const QUrl& base) override
    {
        // The text is UTF-8; said here, it wins over a guess and over a
        // charset the page declares for the file it came from.
        QWebEngineView::setContent(html, QStringLiteral("text/html;charset=UTF-8"), base);
    }
    void back() override { QWebEngineView::back(); }
    void forward() override { QWebEngineView::forward(); }
    void stop() override { QWebEngineView::stop(); }
    QUrl url() const override { return QWebEngineView::url(); }
    QPointF scrollPosition() const override { return page()->scrollPosition(); }
    void runScript(const QString& script, std::function<void(const QVariant&)> done) override
    {
        page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                              [done = std::move(done)](const QVariant& v) {
                                  if (done)
                                      done(v);
                              });
    }
};

} // namespace

extern "C" Q_DECL_EXPORT TWebView* tessaly_create_web_view(QWidget* parent)
{
    return new EngineView(parent);
}
