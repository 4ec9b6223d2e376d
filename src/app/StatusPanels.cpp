#include "app/StatusPanels.h"

#include <QLabel>

namespace tessaly::app {

TStatusPanels::TStatusPanels(std::initializer_list<Panel> panels, QWidget* parent) : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (const Panel& p : panels) {
        auto* label = new QLabel(this);
        label->setFixedWidth(p.width);
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setFrameStyle(p.bevel ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        label->setTextFormat(Qt::PlainText);
        addWidget(label);
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
