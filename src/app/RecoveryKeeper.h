#pragma once

#include "app/RecoverableDocument.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

class QTimer;

namespace tessaly::app {


// Keeps a recovery file for every modified document: written within two
// seconds of a change, on a worker thread from a snapshot of the text so
// typing never waits for the disk, and removed when the document is saved
// or closed. At start, the files a crashed or killed run left behind are
// offered back.
//
// The snapshot is copied kSliceBytes at a time, one slice per turn of the
// event loop, so a large document never stalls it; a change of the text
// between slices starts the copy over. Only a complete, current copy is
// handed to the worker.
class TRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;
    // About 6 ms of copying on the machines we measured.
    static constexpr std::int64_t kSliceBytes = std::int64_t{2} << 20;

    // What the keeper needs of the main window.
    class Host {
    public:
        // The open documents.
        virtual QList<TRecoverableDocument*> recoverableDocuments() const = 0;
        // Asks which of the found documents to bring back: QDialog::Accepted
        // with one choice per record, TRecoveryDialog::kDiscard to drop them
        // all, QDialog::Rejected to keep them for the next start.
        virtual int chooseRecovered(const std::vector<TRecoveryRecord>& found, std::vector<bool>& chosen) = 0;
        // Opens a record as a new document window with its name, language,
        // caret, encoding and line breaks, its text typed in as one edit.
        virtual TRecoverableDocument& openRecovered(const TRecoveryRecord& record) = 0;

    protected:
        ~Host() = default;
    };

    explicit TRecoveryKeeper(Host& host, QObject* parent = nullptr, std::filesystem::path folder = recoveryFolder());
    ~TRecoveryKeeper() override;

    const std::filesystem::path& folder() const { return folder_; }
    // The recovery file of a document (it may not exist yet).
    std::filesystem::path fileOf(const TRecoverableDocument& document) const;

    // A document changed, was saved or was reloaded.
    void documentChanged(TRecoverableDocument& document);
    // A document window closed: its changes were saved or given up.
    void documentClosed(TRecoverableDocument& document);
    // Writes every modified document now and waits (session end, SIGTERM).
    void writeAllNow();
    // Waits until every queued write and removal is done.
    void waitForWrites();
    // Whether a snapshot of the document is being copied.
    bool snapshotting(const TRecoverableDocument& document) const;
    // How much each turn of the event loop copies (tests use small slices).
    void setSliceBytes(std::int64_t bytes) { sliceBytes_ = bytes > 0 ? bytes : kSliceBytes; }

    // Offers the orphaned recovery files in a dialog and restores the chosen
    // documents as new, modified windows. Returns how many were restored.
    int offerRestore();
    // Opens one record as a new, modified document window with its name,
    // language, caret, encoding and line-break style.
    void restore(const TRecoveryRecord& record);

private:
    // A copy of the text being taken, slice by slice.
    struct Snapshot {
        std::uint64_t version = 0;
        std::int64_t length = 0;
        std::string text;
    };
    struct Entry {
        std::filesystem::path file;
        QTimer* timer = nullptr;
        // Fires with the event loop's next turn to copy the next slice.
        QTimer* slicer = nullptr;
        std::unique_ptr<Snapshot> snapshot;
    };
    Entry& entryFor(TRecoverableDocument& document);
    // The delay is over: starts a snapshot (or removes the file of a
    // document no longer modified).
    void startSnapshot(TRecoverableDocument& document);
    // Copies one slice; hands the text to the worker once it is complete.
    void copySlice(TRecoverableDocument& document);
    // Stops and drops a snapshot in progress.
    void dropSnapshot(Entry& e);
    // Queues the write of the document's record with text.
    void write(TRecoverableDocument& document, Entry& e, std::string text);
    void removeFile(const std::filesystem::path& file);

    Host& host_;
    std::filesystem::path folder_;
    std::map<const TRecoverableDocument*, Entry> entries_;
    // One thread: writes and removals of a file happen in the order asked.
    QThreadPool pool_;
    int serial_ = 0;
    std::int64_t sliceBytes_ = kSliceBytes;
};

} // namespace tessaly::app
