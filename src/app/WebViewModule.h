#pragma once

#include "app/WebView.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace tessaly::app {

// Finds and loads the web view module. Candidates are tried in order; the
// first that loads and has the entry point wins. A module is loaded once and
// stays loaded for the rest of the run (views it made may still exist).
class TWebViewModule {
public:
    explicit TWebViewModule(QStringList candidates);

    // A new view as a child of parent; null when no module could be loaded.
    TWebView* create(QWidget* parent);
    // Why the module could not be loaded; empty while nothing failed.
    const QString& error() const { return error_; }
    bool tried() const { return tried_; }

    // The module of this run: the file named by TESSALY_WEBVIEW_MODULE when
    // set, else the module in the program's own folder.
    static TWebViewModule& instance();
    static QStringList defaultCandidates();

private:
    void load();

    QStringList candidates_;
    QLibrary library_;
    TWebViewFactory factory_ = nullptr;
    QString error_;
    bool tried_ = false;
};

} // namespace tessaly::app
