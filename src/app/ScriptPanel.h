#pragma once

#include <QWidget>

class QSplitter;
class QToolButton;
class QVBoxLayout;

namespace tessaly::app {

// The Script Panel at the left of the main window: a title bar with a close
// button, the library area above and the description area below an inner
// splitter. The script library fills the two areas; this class keeps the
// panel's frame and its two remembered sizes.
class TScriptPanel : public QWidget {
    Q_OBJECT
public:
    explicit TScriptPanel(QWidget* parent = nullptr);

    // Where the library list and its tool row go.
    QWidget* libraryArea() const { return library_; }
    // Where the description view goes.
    QWidget* descriptionArea() const { return description_; }
    QToolButton* closeButton() const { return close_; }

    // The panel's width as the user left it (kept while the panel is hidden).
    int panelWidth() const { return width_; }
    void setPanelWidth(int width);
    // The height of the description area.
    int descriptionHeight() const { return descriptionHeight_; }
    void setDescriptionHeight(int height);

    QSize sizeHint() const override { return {width_, 300}; }

signals:
    void closeClicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applySizes();

    QSplitter* split_ = nullptr;
    QWidget* library_ = nullptr;
    QWidget* description_ = nullptr;
    QToolButton* close_ = nullptr;
    int width_ = 200;
    int descriptionHeight_ = 129;
};

} // namespace tessaly::app
