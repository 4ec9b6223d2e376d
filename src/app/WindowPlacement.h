#pragma once

#include <QRect>
#include <QSize>

namespace tessaly::app {

// Where a new document window goes in the document area: wholly inside it,
// so the area never needs scroll bars for it. Windows cascade by a small
// step from the top left corner and take the rest of the area; the cascade
// starts again before a window would shrink below two thirds of the area or
// below its minimum size. index counts the windows already open.
QRect placeNewWindow(const QRect& area, int index, const QSize& minimum);

} // namespace tessaly::app

class QMdiArea;

namespace tessaly::app {

// Keeps the document windows that lie wholly inside the document area
// inside it when the area shrinks (the tab bar takes another row, the main
// window gets smaller): they move up and left, then shrink, so the area
// needs no scroll bars for them.
void keepWindowsInside(QMdiArea& area);

} // namespace tessaly::app
