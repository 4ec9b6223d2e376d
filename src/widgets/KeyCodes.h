#pragma once

#include <cstdint>

class QKeyEvent;
class QString;

namespace tessaly::widgets {

// The key map's code of a key press: virtual-key code plus modifier bits;
// 0 for keys the key map does not know.
std::uint16_t shortcutOf(const QKeyEvent& event);

// A key as text ("Ctrl+K", "Shift+F3") and back; 0 for text that names
// no key the key map knows (and "" for the code 0).
std::uint16_t shortcutOfText(const QString& text);
QString textOfShortcut(std::uint16_t code);

// True for presses of Shift, Ctrl, Alt and the like alone.
bool isModifierOnly(const QKeyEvent& event);

} // namespace tessaly::widgets
