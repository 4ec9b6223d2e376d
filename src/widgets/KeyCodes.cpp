#include "widgets/KeyCodes.h"

#include "memo/KeyMap.h"

#include <QKeyEvent>
#include <QKeySequence>

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

int qtKeyOf(std::uint16_t vk)
{
    using namespace memo;
    if (vk >= 'A' && vk <= 'Z')
        return Qt::Key_A + (vk - 'A');
    if (vk >= '0' && vk <= '9')
        return Qt::Key_0 + (vk - '0');
    if (vk >= vkF1 && vk < vkF1 + 12)
        return Qt::Key_F1 + (vk - vkF1);
    for (int key : {Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_PageUp,
                    Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                    Qt::Key_Down, Qt::Key_Insert, Qt::Key_Delete})
        if (virtualKeyOf(key) == vk)
            return key;
    return 0;
}

} // namespace

std::uint16_t shortcutOfText(const QString& text)
{
    const QKeySequence seq = QKeySequence::fromString(text.trimmed(), QKeySequence::PortableText);
    if (seq.count() != 1)
        return 0;
    const QKeyCombination k = seq[0];
    const std::uint16_t vk = virtualKeyOf(k.key());
    if (vk == 0)
        return 0;
    std::uint16_t code = vk;
    if (k.keyboardModifiers() & Qt::ShiftModifier)
        code |= memo::kKeyShift;
    if (k.keyboardModifiers() & Qt::ControlModifier)
        code |= memo::kKeyCtrl;
    if (k.keyboardModifiers() & Qt::AltModifier)
        code |= memo::kKeyAlt;
    return code;
}

QString textOfShortcut(std::uint16_t code)
{
    const int key = qtKeyOf(static_cast<std::uint16_t>(code & 0xFF));
    if (key == 0)
        return {};
    Qt::KeyboardModifiers mods;
    if (code & memo::kKeyShift)
        mods |= Qt::ShiftModifier;
    if (code & memo::kKeyCtrl)
        mods |= Qt::ControlModifier;
    if (code & memo::kKeyAlt)
        mods |= Qt::AltModifier;
    return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(key))).toString(QKeySequence::PortableText);
}

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
