#include "app/DiskWatch.h"

#include <sys/stat.h>

namespace tessaly::app {

TDiskWatch::TDiskWatch(QObject* parent)
    : QObject(parent)
{
    // A program that saves may remove the file and write it anew, or write
    // it in several steps: look once things have settled.
    settle_.setSingleShot(true);
    settle_.setInterval(150);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
    // The folder tells when a removed file comes back under the same name.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    connect(&settle_, &QTimer::timeout, this, &TDiskWatch::checkNow);
}

std::optional<TDiskWatch::Stamp> TDiskWatch::stampOf(const std::filesystem::path& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return std::nullopt;
    Stamp s;
    s.size = static_cast<qint64>(st.st_size);
    s.mtimeNs = static_cast<qint64>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = static_cast<unsigned long long>(st.st_ino);
    return s;
}

void TDiskWatch::remember(const std::filesystem::path& file)
{
    file_ = file;
    known_ = stampOf(file);
    reportedGone_ = !known_;
    arm();
}

void TDiskWatch::stop()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    file_.clear();
    known_.reset();
}

void TDiskWatch::arm()
{
    if (file_.empty())
        return;
    const QString path = QString::fromStdString(file_.string());
    const QString folder = QString::fromStdString(file_.parent_path().string());
    if (!watcher_.files().contains(path) && std::filesystem::exists(file_))
        watcher_.addPath(path);
    if (!watcher_.directories().contains(folder))
        watcher_.addPath(folder);
}

void TDiskWatch::checkNow()
{
    if (file_.empty())
        return;
    const std::optional<Stamp> now = stampOf(file_);
    arm();
    if (!now) {
        if (!reportedGone_) {
            reportedGone_ = true;
            emit deletedOnDisk();
        }
        return;
    }
    if (known_ && *now == *known_)
        return; // as we left it: our own write, or only the folder changed
    known_ = now;
    reportedGone_ = false;
    emit changedOnDisk();
}

} // namespace tessaly::app
