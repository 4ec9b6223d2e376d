#pragma once

#include <QPointF>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <string>

namespace tessaly::app {

class TBrowserNav;
class TMainForm;
class TPreviewHTML;

// The page beside the text: shows the document's unsaved text and refreshes
// it once typing has paused for kDelayMs, keeping the page's scroll position
// across refreshes. Above it a tool row as on the Browser page (open, back,
// forward, stop, the address box) lets the reader follow links and return. A keystroke only restarts a timer; loading the page runs
// in the engine, so typing never waits for it.
class TLivePreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 300;

    // content: the document's current text and the address it stands for.
    struct Content {
        std::string text;
        QUrl base;
        QString fallbackFile;
    };
    TLivePreview(std::function<Content()> content, TMainForm& owner, QWidget* parent = nullptr);

    TPreviewHTML& brows() { return *brows_; }
    TBrowserNav& nav() { return *nav_; }
    // The text changed: refresh after the pause (only while shown).
    void textChanged();
    // Shows the current text now.
    void refresh();
    // Number of refreshes made so far.
    int refreshes() const { return refreshes_; }
    bool pending() const { return timer_.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void restoreScroll(bool ok);

    std::function<Content()> content_;
    TPreviewHTML* brows_ = nullptr;
    TBrowserNav* nav_ = nullptr;
    QTimer timer_;
    QPointF scroll_;
    bool restore_ = false;
    int refreshes_ = 0;
};

} // namespace tessaly::app
