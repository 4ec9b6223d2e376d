#pragma once

#include "app/RecoveryFile.h"

#include <QObject>
#include <QThreadPool>

#include <filesystem>
#include <map>

class QTimer;

namespace tessaly::app {

class TEditor;
class TMainForm;

// Keeps a recovery file for every modified document: written within two
// seconds of a change, on a worker thread from a snapshot of the text so
// typing never waits for the disk, and removed when the document is saved
// or closed. At start, the files a crashed or killed run left behind are
// offered back.
class TRecoveryKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

    explicit TRecoveryKeeper(TMainForm& form, std::filesystem::path folder = recoveryFolder());
    ~TRecoveryKeeper() override;

    const std::filesystem::path& folder() const { return folder_; }
    // The recovery file of a document (it may not exist yet).
    std::filesystem::path fileOf(const TEditor& editor) const;

    // A document changed, was saved or was reloaded.
    void documentChanged(TEditor& editor);
    // A document window closed: its changes were saved or given up.
    void documentClosed(TEditor& editor);
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
    Entry& entryFor(TEditor& editor);
    TRecoveryRecord snapshot(TEditor& editor) const;
    void writeNow(TEditor& editor);
    void removeFile(const std::filesystem::path& file);

    TMainForm& form_;
    std::filesystem::path folder_;
    std::map<const TEditor*, Entry> entries_;
    // One thread: writes and removals of a file happen in the order asked.
    QThreadPool pool_;
    int serial_ = 0;
};

} // namespace tessaly::app
