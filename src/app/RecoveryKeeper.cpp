#include "app/RecoveryKeeper.h"

#include "app/Editor.h"
#include "app/MDITab.h"
#include "app/MainForm.h"
#include "app/RecoveryDialog.h"
#include "memo/SyntaxMemo.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMdiArea>
#include <QTimer>

#include <unistd.h>

namespace tessaly::app {

TRecoveryKeeper::TRecoveryKeeper(TMainForm& form, std::filesystem::path folder)
    : QObject(&form)
    , form_(form)
    , folder_(std::move(folder))
{
    pool_.setMaxThreadCount(1);
}

TRecoveryKeeper::~TRecoveryKeeper()
{
    pool_.waitForDone();
}

std::filesystem::path TRecoveryKeeper::fileOf(const TEditor& editor) const
{
    const auto it = entries_.find(&editor);
    return it == entries_.end() ? std::filesystem::path() : it->second.file;
}

TRecoveryKeeper::Entry& TRecoveryKeeper::entryFor(TEditor& editor)
{
    auto it = entries_.find(&editor);
    if (it != entries_.end())
        return it->second;
    Entry e;
    e.file = folder_ / (std::to_string(::getpid()) + "-" + std::to_string(++serial_) + ".recovery");
    e.timer = new QTimer(this);
    e.timer->setSingleShot(true);
    e.timer->setInterval(kDelayMs);
    connect(e.timer, &QTimer::timeout, this, [this, &editor] { writeNow(editor); });
    return entries_.emplace(&editor, e).first->second;
}

void TRecoveryKeeper::documentChanged(TEditor& editor)
{
    Entry& e = entryFor(editor);
    if (!editor.modified()) {
        e.timer->stop();
        removeFile(e.file);
        return;
    }
    // Not restarted by further changes: a file at most kDelayMs after the
    // first change, however long the typing goes on.
    if (!e.timer->isActive())
        e.timer->start();
}

void TRecoveryKeeper::documentClosed(TEditor& editor)
{
    const auto it = entries_.find(&editor);
    if (it == entries_.end())
        return;
    it->second.timer->stop();
    it->second.timer->deleteLater();
    removeFile(it->second.file);
    entries_.erase(it);
}

TRecoveryRecord TRecoveryKeeper::snapshot(TEditor& editor) const
{
    TRecoveryRecord r;
    r.name = editor.untitled() ? std::string() : editor.path().string();
    r.language = editor.activeParser();
    r.caret = editor.memo().selStart();
    r.savedAt = QDateTime::currentSecsSinceEpoch();
    r.pid = ::getpid();
    r.text = editor.memo().textRange(0, editor.memo().textLength());
    r.format = editor.textFormat();
    return r;
}

void TRecoveryKeeper::writeNow(TEditor& editor)
{
    Entry& e = entryFor(editor);
    if (!editor.modified()) {
        removeFile(e.file);
        return;
    }
    // The text is copied here; encoding and the disk happen on the worker.
    auto record = std::make_shared<TRecoveryRecord>(snapshot(editor));
    const std::filesystem::path file = e.file;
    pool_.start([record, file] { writeRecoveryFile(file, encodeRecovery(*record)); });
}

void TRecoveryKeeper::removeFile(const std::filesystem::path& file)
{
    pool_.start([file] {
        std::error_code ec;
        std::filesystem::remove(file, ec);
    });
}

void TRecoveryKeeper::writeAllNow()
{
    for (TEditor* e : form_.editors())
        if (e->modified())
            writeNow(*e);
    waitForWrites();
}

void TRecoveryKeeper::waitForWrites()
{
    pool_.waitForDone();
}

int TRecoveryKeeper::offerRestore()
{
    const std::vector<TRecoveryRecord> found = orphanRecoveryFiles(folder_);
    if (found.empty())
        return 0;
    TRecoveryDialog dialog(found, &form_);
    const int result = form_.showModal(dialog);
    if (result == QDialog::Rejected)
        return 0; // closed without a choice: offered again next time
    int restored = 0;
    const std::vector<bool> chosen = dialog.chosen();
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (result == QDialog::Accepted && chosen[i]) {
            restore(found[i]);
            ++restored;
        }
        std::error_code ec;
        std::filesystem::remove(found[i].file, ec);
    }
    return restored;
}

void TRecoveryKeeper::restore(const TRecoveryRecord& record)
{
    TEditor* e = form_.newClick();
    if (!record.name.empty()) {
        e->setCaption(QString::fromStdString(record.name));
        form_.mdiTab()->setTabCaption(form_.mdiTab()->indexOf(e), QFileInfo(QString::fromStdString(record.name)).fileName());
    }
    e->setActiveParser(record.language);
    memo::TSyntaxMemo& m = e->memo();
    // Typed in as one edit, so the document is modified and Undo empties it.
    m.setSelection(0, m.textLength());
    m.setSelText(record.text);
    const std::int64_t at = std::min<std::int64_t>(record.caret, m.textLength());
    m.setSelection(at, at);
    e->setTextFormat(record.format);
    documentChanged(*e);
}

} // namespace tessaly::app
