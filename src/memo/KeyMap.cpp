#include "memo/KeyMap.h"

#include "memo/KeyCommands.h"

#include <algorithm>

namespace tessaly::memo {

TKeyMap TKeyMap::defaults()
{
    TKeyMap m;
    const std::uint16_t ctrl = kKeyCtrl;
    const struct {
        std::uint16_t first, second;
        int command;
    } table[] = {
        {vkLeft, 0, kcCursorLeft},
        {vkRight, 0, kcCursorRight},
        {vkHome, 0, kcLineStart},
        {vkEnd, 0, kcLineEnd},
        {vkUp, 0, kcLineUp},
        {vkDown, 0, kcLineDown},
        {vkPageUp, 0, kcPageUp},
        {vkPageDown, 0, kcPageDown},
        {static_cast<std::uint16_t>(ctrl | vkLeft), 0, kcWordBefore},
        {static_cast<std::uint16_t>(ctrl | vkRight), 0, kcWordAfter},
        {static_cast<std::uint16_t>(ctrl | vkHome), 0, kcDocumentStart},
        {static_cast<std::uint16_t>(ctrl | vkEnd), 0, kcDocumentEnd},
        {static_cast<std::uint16_t>(ctrl | 'X'), 0, kcCut},
        {static_cast<std::uint16_t>(ctrl | 'C'), 0, kcCopy},
        {static_cast<std::uint16_t>(ctrl | 'V'), 0, kcPaste},
        {vkDelete, 0, kcDeleteChar},
        {vkBack, 0, kcDeleteCharBefore},
        {static_cast<std::uint16_t>(ctrl | 'K'), 'I', kcIndentBlock},
        {static_cast<std::uint16_t>(ctrl | 'K'), 'U', kcUnindentBlock},
        {vkInsert, 0, kcToggleInsert},
        {static_cast<std::uint16_t>(ctrl | 'Y'), 0, kcDeleteLine},
        {static_cast<std::uint16_t>(ctrl | 'Z'), 0, kcUndo},
        {static_cast<std::uint16_t>(ctrl | kKeyShift | 'Z'), 0, kcRedo},
        {static_cast<std::uint16_t>(ctrl | vkBack), 0, kcDeletePreviousWord},
    };
    for (const auto& b : table)
        m.add(b.first, b.second, b.command);
    for (int n = 0; n < 10; ++n) {
        m.add(static_cast<std::uint16_t>(ctrl | 'K'), static_cast<std::uint16_t>('0' + n), kcSetBookmark0 + n);
        m.add(static_cast<std::uint16_t>(ctrl | 'Q'), static_cast<std::uint16_t>('0' + n), kcGotoBookmark0 + n);
    }
    return m;
}

void TKeyMap::add(std::uint16_t first, std::uint16_t second, int command,
                  const std::function<std::string(int)>& nameOf)
{
    // Second keys are matched without modifiers, so they clash that way too.
    const std::uint16_t plainSecond = static_cast<std::uint16_t>(second & ~kKeyModifiers);
    for (const Binding& b : bindings_) {
        const bool same = b.first == first && (b.second & ~kKeyModifiers) == plainSecond;
        const bool prefix = b.first == first && ((b.second == 0) != (second == 0));
        if (same || prefix) {
            auto name = [&nameOf](int c) { return nameOf ? nameOf(c) : "Command " + std::to_string(c); };
            throw EAmbigiousKeyPair("Duplicate key sequence definition for\r\n\"" + name(b.command) + "\" and \""
                                    + name(command) + "\"");
        }
    }
    bindings_.push_back({first, second, command});
}

bool TKeyMap::shiftPasses(std::uint16_t virtualKey)
{
    switch (virtualKey) {
    case vkBack:
    case vkPageUp:
    case vkPageDown:
    case vkEnd:
    case vkHome:
    case vkLeft:
    case vkUp:
    case vkRight:
    case vkDown:
        return true;
    default:
        return false;
    }
}

bool TKeyMap::wouldTake(std::uint16_t key) const
{
    TKeyMap probe;
    probe.pending_ = pending_;
    probe.bindings_ = bindings_;
    return probe.press(key).taken;
}

TKeyMap::Result TKeyMap::press(std::uint16_t key)
{
    Result r;
    r.extend = (key & kKeyShift) != 0;
    if (shiftPasses(key & 0xFF))
        key = static_cast<std::uint16_t>(key & ~kKeyShift);

    if (pending_ != 0) {
        const std::uint16_t plain = key & 0xFF;
        const std::uint16_t first = pending_;
        pending_ = 0;
        for (const Binding& b : bindings_)
            if (b.first == first && b.second == plain) {
                r.taken = true;
                r.command = b.command;
                return r;
            }
        return r; // not a second key: the sequence ends and the key goes on
    }
    bool starts = false;
    for (const Binding& b : bindings_) {
        if (b.first != key)
            continue;
        if (b.second == 0) {
            r.taken = true;
            r.command = b.command;
            return r;
        }
        starts = true;
    }
    if (starts) {
        pending_ = key;
        r.taken = true;
    }
    return r;
}

} // namespace tessaly::memo
