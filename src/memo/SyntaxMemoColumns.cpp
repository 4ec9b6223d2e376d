// The width of the text in display columns.
#include "memo/SyntaxMemo.h"

#include "memo/Normalise.h"

#include <algorithm>

namespace tessaly::memo {

TSyntaxMemo::TWidthRule TSyntaxMemo::widthRule() const
{
    TWidthRule rule;
    // A tab advances at most by the widest gap between stops.
    int tabFactor = tabs_.tabDefault();
    int previous = 0;
    for (int stop : tabs_.stops()) {
        if (stop < 0)
            break;
        tabFactor = std::max(tabFactor, stop - previous);
        previous = stop;
    }
    rule.tabFactor = std::max(1, tabFactor);
    const TWordWrap::TRule wrap = wrapRule();
    rule.layout = std::to_string(tabs_.tabDefault()) + '|' + tabs_.tabColumns() + '|' + std::to_string(wrap.wordWrap)
        + std::to_string(wrap.useOverride) + '|' + std::to_string(wrap.width);
    return rule;
}

int TSyntaxMemo::recordWidth(TRecordIndex rec) const
{
    const std::string_view t = store_.recordText(rec);
    const int body = static_cast<int>(t.size()) - (!t.empty() && t.back() == kCR ? 1 : 0);
    return displayColumn(rec, body);
}

int TSyntaxMemo::widestLineColumns() const
{
    const TWidthRule rule = widthRule();
    const auto measure = [this](TRecordIndex rec) { return recordWidth(rec); };
    // A background measure that no pass drives any more ends here.
    if (widest_.measuring() && !highlight_.pending())
        widest_.measureSlice(measure, rule.tabFactor, std::chrono::steady_clock::time_point::max());
    return widest_.widest(rule.layout, measure, rule.tabFactor);
}

} // namespace tessaly::memo
