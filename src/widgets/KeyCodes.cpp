#include "widgets/KeyCodes.h"

#include "memo/KeyMap.h"

#include <QKeyEvent>

namespace tessaly::widgets {

namespace {

std::uint16_t virtualKeyOf(int key)
{
    using namespace memo;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::uint16_t>('A' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::uint16_t>('0' + (key - Qt::Key_0));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<std::uint16_t>(vkF1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace:
        return vkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vkTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vkReturn;
    case Qt::Key_Escape:
        return vkEscape;
    case Qt::Key_Space:
        return vkSpace;
    case Qt::Key_PageUp:
        return vkPageUp;
    case Qt::Key_PageDown:
        return vkPageDown;
    case Qt::Key_End:
        return vkEnd;
    case Qt::Key_Home:
        return vkHome;
    case Qt::Key_Left:
        return vkLeft;
    case Qt::Key_Up:
        return vkUp;
    case Qt::Key_Right:
        return vkRight;
    case Qt::Key_Down:
        return vkDown;
    case Qt::Key_Insert:
        return vkInsert;
    case Qt::Key_Delete:
        return vkDelete;
    default:
        return 0;
    }
}

} // namespace

std::uint16_t shortcutOf(const QKeyEvent& event)
{
    const std::uint16_t vk = virtualKeyOf(event.key());
    if (vk == 0)
        return 0;
    std::uint16_t code = vk;
    const Qt::KeyboardModifiers mods = event.modifiers();
    if ((mods & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab)
        code |= memo::kKeyShift;
    if (mods & Qt::ControlModifier)
        code |= memo::kKeyCtrl;
    if (mods & Qt::AltModifier)
        code |= memo::kKeyAlt;
    return code;
}

bool isModifierOnly(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

} // namespace tessaly::widgets
