#include "app/RecoveryKeeper.h"

#include "app/RecoveryDialog.h"

#include <QDateTime>
#include <QTimer>

#include <algorithm>

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
    connect(e.timer, &QTimer::timeout, this, [this, &document] { startSnapshot(document); });
    e.slicer = new QTimer(this);
    e.slicer->setSingleShot(true);
    e.slicer->setInterval(0);
    connect(e.slicer, &QTimer::timeout, this, [this, &document] { copySlice(document); });
    return entries_.emplace(&document, std::move(e)).first->second;
}

bool TRecoveryKeeper::snapshotting(const TRecoverableDocument& document) const
{
    const auto it = entries_.find(&document);
    return it != entries_.end() && it->second.snapshot != nullptr;
}

void TRecoveryKeeper::documentChanged(TRecoverableDocument& document)
{
    Entry& e = entryFor(document);
    if (!document.modified()) {
        e.timer->stop();
        dropSnapshot(e);
        removeFile(e.file);
        return;
    }
    // A snapshot in progress sees the change at its next slice and starts
    // over. The timer is not restarted by further changes: a snapshot
    // starts at most kDelayMs after the first change, however long the
    // typing goes on.
    if (!e.snapshot && !e.timer->isActive())
        e.timer->start();
}

void TRecoveryKeeper::documentClosed(TRecoverableDocument& document)
{
    const auto it = entries_.find(&document);
    if (it == entries_.end())
        return;
    Entry& e = it->second;
    e.timer->stop();
    dropSnapshot(e);
    e.timer->deleteLater();
    e.slicer->deleteLater();
    removeFile(e.file);
    entries_.erase(it);
}

void TRecoveryKeeper::startSnapshot(TRecoverableDocument& document)
{
    Entry& e = entryFor(document);
    if (!document.modified()) {
        removeFile(e.file);
        return;
    }
    e.snapshot = std::make_unique<Snapshot>();
    e.snapshot->version = document.textVersion();
    e.snapshot->length = document.textLength();
    e.snapshot->text.reserve(static_cast<std::size_t>(e.snapshot->length));
    copySlice(document);
}

void TRecoveryKeeper::copySlice(TRecoverableDocument& document)
{
    const auto it = entries_.find(&document);
    if (it == entries_.end() || !it->second.snapshot)
        return;
    Entry& e = it->second;
    if (!document.modified()) {
        dropSnapshot(e);
        removeFile(e.file);
        return;
    }
    if (!document.textComplete()) {
        // The end of the file is still being read: try again later.
        dropSnapshot(e);
        e.timer->start();
        return;
    }
    Snapshot& s = *e.snapshot;
    const std::uint64_t version = document.textVersion();
    if (version != s.version) {
        // The text changed since the last slice: what was copied may no
        // longer be the text, so copy from the start.
        s.version = version;
        s.length = document.textLength();
        s.text.clear();
        s.text.reserve(static_cast<std::size_t>(s.length));
    }
    const auto copied = static_cast<std::int64_t>(s.text.size());
    document.appendText(copied, std::min(s.length, copied + sliceBytes_), s.text);
    if (static_cast<std::int64_t>(s.text.size()) < s.length) {
        e.slicer->start();
        return;
    }
    std::string text = std::move(s.text);
    dropSnapshot(e);
    write(document, e, std::move(text));
}

void TRecoveryKeeper::dropSnapshot(Entry& e)
{
    e.slicer->stop();
    e.snapshot.reset();
}

void TRecoveryKeeper::write(TRecoverableDocument& document, Entry& e, std::string text)
{
    // Encoding and the disk happen on the worker.
    auto record = std::make_shared<TRecoveryRecord>(document.recoveryHeader());
    record->text = std::move(text);
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
    // At the end of a session there is no event loop to wait for: every
    // modified document is copied whole, at once.
    for (TRecoverableDocument* d : host_.recoverableDocuments()) {
        if (!d->modified())
            continue;
        Entry& e = entryFor(*d);
        e.timer->stop();
        dropSnapshot(e);
        d->completeText();
        std::string text;
        d->appendText(0, d->textLength(), text);
        write(*d, e, std::move(text));
    }
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
