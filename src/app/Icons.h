#pragma once

#include <QIcon>

namespace tessaly::app {

// Makes the program's own icon theme (bundled with the program, named after
// the freedesktop icon names) the one icons are looked up in, so the
// toolbars look the same on every desktop. Safe to call more than once.
void installIconTheme();

// An icon of the program's theme by its freedesktop (or own) name.
QIcon themeIcon(const QString& name);

} // namespace tessaly::app
