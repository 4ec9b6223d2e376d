#pragma once

#include "app/RecentFiles.h"

#include <QObject>

#include <filesystem>

class QAction;
class QMdiSubWindow;
class QMenu;

namespace tessaly::platform {
class TDialogs;
class TIniFile;
}

namespace tessaly::app {

// What the main window remembers of documents between runs: File > Reopen
// (the last ten files opened or saved) and the session (the documents open
// at exit, reopened at the next start while "Reopen Documents at Start" is
// checked). Both live in the settings file.
class TDocumentHistory : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kMissingText = "The file %s no longer exists. It is removed from the list.";

    // What the history needs of the main window.
    class Host {
    public:
        virtual platform::TDialogs& historyDialogs() = 0;
        // Opens a file into a new document window, as Open does.
        virtual void openHistoryFile(const std::filesystem::path& file) = 0;
        // The open documents that have a name, in window order, and the
        // index among them of the active one (-1 when it is not one of them).
        virtual std::vector<TSessionDocument> sessionDocuments(int& active) const = 0;
        // Opens a document of the session with its language and its caret
        // (kept inside the text); its window, or null when none was made.
        virtual QMdiSubWindow* openSessionDocument(const TSessionDocument& document) = 0;
        virtual void activateSessionDocument(QMdiSubWindow* window) = 0;

    protected:
        ~Host() = default;
    };

    explicit TDocumentHistory(Host& host, QObject* parent = nullptr);

    // Makes the items of the "Reopen" submenu: the recent files, then the
    // session switch. Run as the menu is made and each time it drops down.
    void fillMenu(QMenu* menu);
    QMenu* reopenMenu() const { return reopenMenu_; }

    // A file was opened or saved under this name.
    void noteFile(const std::filesystem::path& file);
    const TRecentFiles& recentFiles() const { return recent_; }
    const TSession& session() const { return session_; }

    // Opens a listed file; a file that is gone is reported and dropped.
    void reopen(const std::string& file);

    // Takes the open named documents as the session; called at exit before
    // the document windows close.
    void captureSession();
    // Reopens the session's documents with their language and caret (files
    // that are gone are skipped), when the switch is on.
    void restoreSession();

    void load(const platform::TIniFile& ini);
    void save(platform::TIniFile& ini) const;

private:
    Host& host_;
    TRecentFiles recent_;
    TSession session_;
    QMenu* reopenMenu_ = nullptr;
};

} // namespace tessaly::app
