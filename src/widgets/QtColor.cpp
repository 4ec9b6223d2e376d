#include "widgets/QtColor.h"

namespace tessaly::widgets {

QColor toQColor(memo::TColor colour)
{
    const memo::TColor c = colour.resolved();
    return QColor(c.red(), c.green(), c.blue());
}

memo::TColor fromQColor(const QColor& colour)
{
    if (!colour.isValid())
        return memo::TColor::none();
    const QColor rgb = colour.toRgb();
    return memo::TColor::fromRgb(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                                 static_cast<std::uint8_t>(rgb.blue()));
}

} // namespace tessaly::widgets
