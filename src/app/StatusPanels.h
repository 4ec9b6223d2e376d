#pragma once

#include <QStatusBar>

#include <initializer_list>
#include <vector>

class QLabel;

namespace tessaly::app {

// A status bar of fixed panels, each a text of its own, left to right.
class TStatusPanels : public QStatusBar {
    Q_OBJECT
public:
    struct Panel {
        int width;
        Qt::Alignment alignment = Qt::AlignLeft;
        bool bevel = true;
        // Takes the room the others leave, down to half its width (the text
        // is then cut at the right).
        bool stretch = false;
    };

    TStatusPanels(std::initializer_list<Panel> panels, QWidget* parent = nullptr);

    int panelCount() const { return static_cast<int>(labels_.size()); }
    QString text(int panel) const;
    void setText(int panel, const QString& text);
    QLabel* panel(int index) const { return labels_.at(static_cast<std::size_t>(index)); }

private:
    std::vector<QLabel*> labels_;
};

} // namespace tessaly::app
