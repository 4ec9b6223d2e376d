#pragma once

#include "memo/Color.h"

#include <QColor>

namespace tessaly::widgets {

// The one place where the engine's colours meet Qt's. A system colour
// becomes its usual RGB value (TColor::resolved).
QColor toQColor(memo::TColor colour);
// An invalid QColor gives TColor::none().
memo::TColor fromQColor(const QColor& colour);

} // namespace tessaly::widgets
