#pragma once

#include <cstdint>

class QKeyEvent;

namespace tessaly::widgets {

// The key map's code of a key press: virtual-key code plus modifier bits;
// 0 for keys the key map does not know.
std::uint16_t shortcutOf(const QKeyEvent& event);

// True for presses of Shift, Ctrl, Alt and the like alone.
bool isModifierOnly(const QKeyEvent& event);

} // namespace tessaly::widgets
