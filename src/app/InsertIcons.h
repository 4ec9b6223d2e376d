#pragma once

#include <QString>

class QObject;

namespace tessaly::app {

// The icon of an insertion command's toolbar button, by the command's
// component name; empty for a command without a button.
QString insertIconName(const QString& command);

// Gives every insertion command found under owner its toolbar icon. The
// buttons then show the picture with the hint as the tooltip; the menu items
// show the same picture beside their caption.
void applyInsertIcons(QObject& owner);

} // namespace tessaly::app
