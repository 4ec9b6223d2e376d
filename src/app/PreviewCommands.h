#pragma once

#include <QList>
#include <QString>

class QAction;

namespace tessaly::platform {
class TIniFile;
}

namespace tessaly::app {

class TPreviewDocument;

// The preview's commands of the main window: Toggle Edit/Preview and the
// Internet Links on the active document, and the View > Live Preview switch,
// which holds for every document window, those opened later included, and
// is kept in the settings file.
class TPreviewCommands {
public:
    // What the commands need of the main window.
    class Host {
    public:
        // The active document (null when none) and every open one.
        virtual TPreviewDocument* activePreviewDocument() const = 0;
        virtual QList<TPreviewDocument*> previewDocuments() const = 0;

    protected:
        ~Host() = default;
    };

    // livePreviewItem: the checkable View > Live Preview item, which shows
    // the switch.
    TPreviewCommands(Host& host, QAction& livePreviewItem);

    void togglePreview();
    // An Internet Links item: the active document's Browser page shows address.
    void showLink(const QString& address);

    void setLivePreview(bool on);
    bool livePreviewOn() const { return livePreview_; }
    // A new document window takes the switch's state.
    void documentOpened(TPreviewDocument& document);

    // The switch in section [View], key "Live Preview": off unless the last
    // run left it on.
    void load(const platform::TIniFile& ini);
    void save(platform::TIniFile& ini) const;

    // Empty when the state holds together, else what is wrong: the item
    // shows the switch, and every open document follows it.
    QString check() const;

private:
    Host& host_;
    QAction& item_;
    bool livePreview_ = false;
};

} // namespace tessaly::app
