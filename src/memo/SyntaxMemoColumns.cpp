// The width of the text in display columns.
#include "memo/SyntaxMemo.h"

#include "memo/Normalise.h"

#include <algorithm>

namespace tessaly::memo {

int TSyntaxMemo::widestLineColumns() const
{
    // A tab advances at most by the widest gap between stops.
    int tabFactor = tabs_.tabDefault();
    int previous = 0;
    for (int stop : tabs_.stops()) {
        if (stop < 0)
            break;
        tabFactor = std::max(tabFactor, stop - previous);
        previous = stop;
    }
    // What the widths depend on besides the text.
    const TWordWrap::TRule wrap = wrapRule();
    const std::string layout = std::to_string(tabs_.tabDefault()) + '|' + tabs_.tabColumns() + '|'
        + std::to_string(wrap.wordWrap) + std::to_string(wrap.useOverride) + '|' + std::to_string(wrap.width);
    return widest_.widest(
        layout,
        [this](TRecordIndex rec) {
            const std::string_view t = store_.recordText(rec);
            const int body = static_cast<int>(t.size()) - (!t.empty() && t.back() == kCR ? 1 : 0);
            return displayColumn(rec, body);
        },
        std::max(1, tabFactor));
}

} // namespace tessaly::memo
