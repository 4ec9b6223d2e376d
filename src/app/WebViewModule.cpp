#include "app/WebViewModule.h"

#include <QCoreApplication>
#include <QDir>

namespace tessaly::app {

namespace {

// The web engine draws with contexts shared with the program's windows, and
// that sharing must be asked for before the application object exists. When
// the engine is linked into a program it asks itself; loaded later from its
// module it cannot, so the program asks for it as it starts.
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();

} // namespace

TWebViewModule::TWebViewModule(QStringList candidates) : candidates_(std::move(candidates)) {}

QStringList TWebViewModule::defaultCandidates()
{
    (void)kSharedContexts;
    const QString named = qEnvironmentVariable("TESSALY_WEBVIEW_MODULE");
    if (!named.isEmpty())
        return {named};
    return {QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kWebViewModuleName))};
}

TWebViewModule& TWebViewModule::instance()
{
    static TWebViewModule module(defaultCandidates());
    return module;
}

void TWebViewModule::load()
{
    tried_ = true;
    QStringList reasons;
    for (const QString& file : candidates_) {
        library_.setFileName(file);
        if (!library_.load()) {
            reasons << library_.errorString();
            continue;
        }
        factory_ = reinterpret_cast<TWebViewFactory>(library_.resolve(kWebViewFactorySymbol));
        if (factory_) {
            error_.clear();
            return;
        }
        reasons << library_.errorString();
        library_.unload();
    }
    if (candidates_.isEmpty())
        reasons << QStringLiteral("no module to load");
    error_ = reasons.join(QStringLiteral("; "));
}

TWebView* TWebViewModule::create(QWidget* parent)
{
    if (!tried_)
        load();
    if (!factory_)
        return nullptr;
    try {
        return factory_(parent);
    } catch (...) {
        return nullptr;
    }
}

} // namespace tessaly::app
