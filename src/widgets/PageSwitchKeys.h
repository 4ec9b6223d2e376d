#pragma once

class QTabWidget;
class QWidget;

namespace tessaly::widgets {

// Gives a paged dialog the keys users know from other programs' dialogs:
// Ctrl+Tab and Ctrl+PgDown show the next page, Ctrl+Shift+Tab and Ctrl+PgUp
// the previous one, wrapping around. They work wherever the focus is inside
// scope, and put the focus on the first field of the page they show. Tab
// alone keeps moving the focus within the page.
void addPageSwitchKeys(QTabWidget& pages, QWidget& scope);

} // namespace tessaly::widgets
