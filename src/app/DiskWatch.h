#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <optional>

namespace tessaly::app {

// Watches the file of one document for changes made by other programs.
// After each load or save the document calls `remember`, which notes what
// the file looks like on disk (size, time, inode); a change notification
// that finds the file as remembered is our own write and is ignored. Editors
// that save by writing a new file and renaming it replace the inode, which
// drops the watch: it is armed again on every notification.
class TDiskWatch : public QObject {
    Q_OBJECT
public:
    explicit TDiskWatch(QObject* parent = nullptr);

    // Starts (or moves) the watch to file, as it is on disk now.
    void remember(const std::filesystem::path& file);
    void stop();
    const std::filesystem::path& file() const { return file_; }

    // Checks the file now instead of waiting for the notification's settle
    // time (tests and the window's activation use it).
    void checkNow();

signals:
    // The file's contents changed on disk (not by us).
    void changedOnDisk();
    // The file is gone from disk.
    void deletedOnDisk();

private:
    struct Stamp {
        qint64 size = -1;
        qint64 mtimeNs = 0;
        unsigned long long inode = 0;
        bool operator==(const Stamp&) const = default;
    };
    static std::optional<Stamp> stampOf(const std::filesystem::path& file);
    void arm();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    std::filesystem::path file_;
    std::optional<Stamp> known_;
    bool reportedGone_ = false;
};

} // namespace tessaly::app
