#pragma once

#include "app/RecoverableDocument.h"

#include <QList>
#include <QObject>
#include <QThreadPool>

#include <filesystem>
#include <map>

class QTimer;

namespace tessaly::app {


// Keeps a recovery file for every modified document: written within two
// seconds of a change, on a worker thread from a snapshot of the text so
// typing never waits for the disk, and removed when the document is saved
// or closed. At start, the files a crashed or killed run left behind are
// offered back.
class TRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

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

    // Offers the orphaned recovery files in a dialog and restores the chosen
    // documents as new, modified windows. Returns how many were restored.
    int offerRestore();
    // Opens one record as a new, modified document window with its name,
    // language, caret, encoding and line-break style.
    void restore(const TRecoveryRecord& record);

private:
    struct Entry {
        std::filesystem::path file;
        QTimer* timer = nullptr;
    };
    Entry& entryFor(TRecoverableDocument& document);
    void writeNow(TRecoverableDocument& document);
    void removeFile(const std::filesystem::path& file);

    Host& host_;
    std::filesystem::path folder_;
    std::map<const TRecoverableDocument*, Entry> entries_;
    // One thread: writes and removals of a file happen in the order asked.
    QThreadPool pool_;
    int serial_ = 0;
};

} // namespace tessaly::app
