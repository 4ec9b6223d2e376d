#include "insert/dialogs/HTMLColorDialog.h"

#include "widgets/QtColor.h"

namespace tessaly::insert {

THTMLColorDialog::THTMLColorDialog(QWidget* parent) : QColorDialog(parent)
{
    setObjectName(QStringLiteral("ColorPicker"));
}

QString THTMLColorDialog::htmlColor() const
{
    return QString::fromStdString(insert::htmlColor(widgets::fromQColor(currentColor())));
}

} // namespace tessaly::insert
