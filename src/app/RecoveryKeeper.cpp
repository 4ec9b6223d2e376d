#include "app/RecoveryKeeper.h"

#include "app/RecoveryDialog.h"

#include <QDateTime>
#include <QTimer>

#include <unistd.h>

namespace tessaly::app {

TRecoveryKeeper::TRecoveryKeeper(Host& host, QObject* parent, std::filesystem::path folder)
    : QObject(parent)
    , host_(host)
    , folder_(std::move(folder))
{
    pool_.setMaxThreadCount(1);
}

TRecoveryKeeper::~TRecoveryKeeper()
{
    pool_.waitForDone();
}

std::filesystem::path TRecoveryKeeper::fileOf(const TRecoverableDocument& document) const
{
    const auto it = entries_.find(&document);
    return it == entries_.end() ? std::filesystem::path() : it->second.file;
}

TRecoveryKeeper::Entry& TRecoveryKeeper::entryFor(TRecoverableDocument& document)
{
    auto it = entries_.find(&document);
    if (it != entries_.end())
        return it->second;
    Entry e;
    e.file = folder_ / (std::to_string(::getpid()) + "-" + std::to_string(++serial_) + ".recovery");
    e.timer = new QTimer(this);
    e.timer->setSingleShot(true);
    e.timer->setInterval(kDelayMs);
    connect(e.timer, &QTimer::timeout, this, [this, &document] { writeNow(document); });
    return entries_.emplace(&document, e).first->second;
}

void TRecoveryKeeper::documentChanged(TRecoverableDocument& document)
{
    Entry& e = entryFor(document);
    if (!document.modified()) {
        e.timer->stop();
        removeFile(e.file);
        return;
    }
    // Not restarted by further changes: a file at most kDelayMs after the
    // first change, however long the typing goes on.
    if (!e.timer->isActive())
        e.timer->start();
}

void TRecoveryKeeper::documentClosed(TRecoverableDocument& document)
{
    const auto it = entries_.find(&document);
    if (it == entries_.end())
        return;
    it->second.timer->stop();
    it->second.timer->deleteLater();
    removeFile(it->second.file);
    entries_.erase(it);
}

void TRecoveryKeeper::writeNow(TRecoverableDocument& document)
{
    Entry& e = entryFor(document);
    if (!document.modified()) {
        removeFile(e.file);
        return;
    }
    // The text is copied here; encoding and the disk happen on the worker.
    auto record = std::make_shared<TRecoveryRecord>(document.recoveryRecord());
    record->savedAt = QDateTime::currentSecsSinceEpoch();
    record->pid = ::getpid();
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
    for (TRecoverableDocument* d : host_.recoverableDocuments())
        if (d->modified())
            writeNow(*d);
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
    std::vector<bool> chosen;
    const int result = host_.chooseRecovered(found, chosen);
    if (result == QDialog::Rejected)
        return 0; // closed without a choice: offered again next time
    int restored = 0;
    chosen.resize(found.size(), false);
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
    documentChanged(host_.openRecovered(record));
}

} // namespace tessaly::app
