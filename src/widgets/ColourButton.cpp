#include "widgets/ColourButton.h"

#include "platform/Dialogs.h"
#include "widgets/QtColor.h"

#include <QPixmap>

namespace tessaly::widgets {

TColourButton::TColourButton(platform::TDialogs& dialogs, QWidget* parent) : QPushButton(parent), dialogs_(dialogs)
{
    setColour(memo::TColor());
    connect(this, &QPushButton::clicked, this, &TColourButton::choose);
}

void TColourButton::setColour(memo::TColor colour)
{
    colour_ = colour;
    QPixmap swatch(28, 14);
    const QColor c = toQColor(colour);
    swatch.fill(c);
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
    setToolTip(c.name());
}

void TColourButton::choose()
{
    const QColor c = toQColor(colour_);
    const auto picked = dialogs_.chooseColor(
        {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue())});
    if (!picked)
        return;
    setColour(memo::TColor::fromRgb(picked->r, picked->g, picked->b));
    emit colourChosen(colour_);
}

} // namespace tessaly::widgets
