#include "app/DocumentHistory.h"

#include "app/Editor.h"
#include "app/MainForm.h"
#include "memo/SyntaxMemo.h"
#include "platform/Dialogs.h"

#include <QMdiArea>
#include <QMenu>

namespace tessaly::app {

TDocumentHistory::TDocumentHistory(TMainForm& form)
    : QObject(&form)
    , form_(form)
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
        form_.dialogs().showMessage(text.toStdString(), platform::TMsgKind::warning, platform::btnOk);
        recent_.remove(file);
        return;
    }
    form_.openFile(file);
}

void TDocumentHistory::captureSession()
{
    session_.documents.clear();
    session_.active = -1;
    const TEditor* active = form_.activeEditor();
    for (TEditor* e : form_.editors()) {
        if (e->untitled())
            continue;
        if (e == active)
            session_.active = static_cast<int>(session_.documents.size());
        session_.documents.push_back({e->path().string(), e->activeParser(), e->memo().selStart()});
    }
}

void TDocumentHistory::restoreSession()
{
    if (!session_.restore)
        return;
    TEditor* toActivate = nullptr;
    for (std::size_t i = 0; i < session_.documents.size(); ++i) {
        const TSessionDocument& d = session_.documents[i];
        std::error_code ec;
        if (!std::filesystem::is_regular_file(d.file, ec))
            continue;
        TEditor* e = form_.openFile(d.file);
        if (!e)
            continue;
        e->setActiveParser(d.language);
        memo::TSyntaxMemo& m = e->memo();
        const std::int64_t caret = std::min<std::int64_t>(d.caret, m.textLength());
        m.setSelection(caret, caret);
        if (static_cast<int>(i) == session_.active)
            toActivate = e;
    }
    if (toActivate)
        form_.mdiArea()->setActiveSubWindow(toActivate);
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
