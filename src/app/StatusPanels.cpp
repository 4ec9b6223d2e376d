#include "app/StatusPanels.h"

#include <QLabel>

namespace tessaly::app {

TStatusPanels::TStatusPanels(std::initializer_list<Panel> panels, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    // Widths are given for a small 8-point font; larger fonts widen them alike.
    const double scale = std::max(1.0, fontMetrics().averageCharWidth() / 5.0);
    for (const Panel& p : panels) {
        auto* label = new QLabel(this);
        if (p.stretch) {
            label->setMinimumWidth(static_cast<int>(p.width * scale / 2));
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            label->setFixedWidth(static_cast<int>(p.width * scale));
        }
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setFrameStyle(p.bevel ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        label->setTextFormat(Qt::PlainText);
        addWidget(label, p.stretch ? 1 : 0);
        labels_.push_back(label);
    }
}

QString TStatusPanels::text(int panel) const
{
    return panel >= 0 && panel < panelCount() ? labels_[static_cast<std::size_t>(panel)]->text() : QString();
}

void TStatusPanels::setText(int panel, const QString& text)
{
    if (panel >= 0 && panel < panelCount())
        labels_[static_cast<std::size_t>(panel)]->setText(text);
}

} // namespace tessaly::app
