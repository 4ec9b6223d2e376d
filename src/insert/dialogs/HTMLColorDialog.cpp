#include "insert/dialogs/HTMLColorDialog.h"

namespace tessaly::insert {

THTMLColorDialog::THTMLColorDialog(QWidget* parent) : QColorDialog(parent)
{
    setObjectName(QStringLiteral("ColorPicker"));
}

TColorRef THTMLColorDialog::toColorRef(const QColor& color)
{
    if (!color.isValid())
        return kColorNone;
    const QColor rgb = color.toRgb();
    return colorRef(static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
                    static_cast<std::uint8_t>(rgb.blue()));
}

QString THTMLColorDialog::htmlColor() const
{
    return QString::fromStdString(insert::htmlColor(toColorRef(currentColor())));
}

} // namespace tessaly::insert
