#include "app/DocumentHistory.h"

#include "platform/Dialogs.h"

#include <QMenu>

namespace tessaly::app {

TDocumentHistory::TDocumentHistory(Host& host, QObject* parent)
    : QObject(parent)
    , host_(host)
{
}

void TDocumentHistory::fillMenu(QMenu* menu)
{
    reopenMenu_ = menu;
    reopenMenu_->clear();
    int n = 0;
    for (const std::string& file : recent_.files()) {
        ++n;
        // &1..&9 and &0 for the tenth, so each entry has a key.
        const QString label = QStringLiteral("&%1 %2").arg(n % 10).arg(QString::fromStdString(file));
        QAction* a = reopenMenu_->addAction(label);
        connect(a, &QAction::triggered, this, [this, file] { reopen(file); });
    }
    if (n == 0)
        reopenMenu_->addAction(QStringLiteral("(No recent files)"))->setEnabled(false);
    reopenMenu_->addSeparator();
    QAction* toggle = reopenMenu_->addAction(QStringLiteral("Reopen Documents at Start"));
    toggle->setObjectName(QStringLiteral("ReopenSession1"));
    toggle->setStatusTip(QStringLiteral("Opens the documents of the last run again when the program starts"));
    toggle->setCheckable(true);
    toggle->setChecked(session_.restore);
    connect(toggle, &QAction::toggled, this, [this](bool on) { session_.restore = on; });
}

void TDocumentHistory::noteFile(const std::filesystem::path& file)
{
    recent_.add(file.string());
}

void TDocumentHistory::reopen(const std::string& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        const QString text = QString::fromLatin1(kMissingText).replace(QStringLiteral("%s"), QString::fromStdString(file));
        host_.historyDialogs().showMessage(text.toStdString(), platform::TMsgKind::warning, platform::btnOk);
        recent_.remove(file);
        return;
    }
    host_.openHistoryFile(file);
}

void TDocumentHistory::captureSession()
{
    session_.active = -1;
    session_.documents = host_.sessionDocuments(session_.active);
    if (session_.active >= static_cast<int>(session_.documents.size()))
        session_.active = -1;
}

void TDocumentHistory::restoreSession()
{
    if (!session_.restore)
        return;
    QMdiSubWindow* toActivate = nullptr;
    for (std::size_t i = 0; i < session_.documents.size(); ++i) {
        const TSessionDocument& d = session_.documents[i];
        std::error_code ec;
        if (!std::filesystem::is_regular_file(d.file, ec))
            continue;
        QMdiSubWindow* w = host_.openSessionDocument(d);
        if (w && static_cast<int>(i) == session_.active)
            toActivate = w;
    }
    if (toActivate)
        host_.activateSessionDocument(toActivate);
}

void TDocumentHistory::load(const platform::TIniFile& ini)
{
    recent_.load(ini);
    session_.load(ini);
}

void TDocumentHistory::save(platform::TIniFile& ini) const
{
    recent_.save(ini);
    session_.save(ini);
}

} // namespace tessaly::app
