#pragma once

#include <QPointF>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <string>

namespace tessaly::app {

class TPreviewHTML;

// The page beside the text: shows the document's unsaved text and refreshes
// it once typing has paused for kDelayMs, keeping the page's scroll position
// across refreshes. A keystroke only restarts a timer; loading the page runs
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
    explicit TLivePreview(std::function<Content()> content, QWidget* parent = nullptr);

    TPreviewHTML& brows() { return *brows_; }
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
    QTimer timer_;
    QPointF scroll_;
    bool restore_ = false;
    int refreshes_ = 0;
};

} // namespace tessaly::app
