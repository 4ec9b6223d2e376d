#include "memo/Typing.h"

#include "memo/DisplayColumns.h"
#include "memo/Normalise.h"
#include "memo/Utf8.h"

namespace tessaly::memo {

namespace {

// Auto-indent and smart tab look at most this many lines up, so that a key
// costs the same in a long run of empty or short lines as anywhere else.
constexpr std::int64_t kIndentLookBack = 1000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

void TTyping::setIndentStep(int step)
{
    if (step >= 1 && step <= 19)
        indentStep_ = step;
}

bool TTyping::tabGoesToColumn(TSyntaxMemoOptions options)
{
    return (options.has(TSyntaxMemoOption::smoTabToColumn) && !options.has(TSyntaxMemoOption::smoWordWrap))
        || !options.has(TSyntaxMemoOption::smoUseTAB);
}

TTyping::TKey TTyping::classify(unsigned char c, TSyntaxMemoOptions options) const
{
    if (c == '\t') {
        if (!wantTab_)
            return {};
        if (tabGoesToColumn(options))
            return {TKeyAction::smartTab, '\t'};
    } else if (c == '\r') {
        if (!wantReturns_)
            return {};
    } else if (c == '\n') {
        if (wantReturns_)
            return {};
        c = '\r';
    } else if (c < 32 || c == 127) {
        return {};
    }
    return {TKeyAction::type, static_cast<char>(c)};
}

std::int64_t TTyping::overwriteLength(std::int64_t offset) const
{
    if (insertMode_ || offset < 0 || offset >= store_.length().value())
        return 0;
    const std::int64_t rec = store_.recordOf(TTextOffset(offset)).value();
    const std::string_view t = store_.recordText(TRecordIndex(rec));
    const auto col = static_cast<std::size_t>(offset - store_.recordStart(TRecordIndex(rec)).value());
    if (col >= t.size() || t[col] == kCR)
        return 0;
    return utf8Length(t, col);
}

int TTyping::displayColumn(std::int64_t rec, int col) const
{
    return displayColumnIn(store_.recordText(TRecordIndex(rec)), col,
                           (store_.meta(TRecordIndex(rec)).flags & kRecHasTab) != 0, tabs_);
}

int TTyping::leadingIndent(std::int64_t rec, int upToCol, bool& hasTextAtZero) const
{
    const std::string_view t = store_.recordText(TRecordIndex(rec));
    int i = 0;
    const int limit = std::min<int>(upToCol, static_cast<int>(t.size()));
    while (i < limit && isBlank(t[static_cast<std::size_t>(i)]))
        ++i;
    hasTextAtZero = !t.empty() && t[0] != kCR && !isBlank(t[0]);
    if (i == 0)
        return 0;
    return displayColumn(rec, i);
}

int TTyping::indentAbove(std::int64_t rec) const
{
    for (std::int64_t r = rec; r >= 0 && r > rec - kIndentLookBack; --r) {
        const std::string_view t = store_.recordText(TRecordIndex(r));
        std::size_t i = 0;
        while (i < t.size() && isBlank(t[i]))
            ++i;
        if (i < t.size() && t[i] != kCR)
            return displayColumn(r, static_cast<int>(i));
    }
    return 0;
}

int TTyping::tabTarget(std::int64_t rec, int col, TSyntaxMemoOptions options) const
{
    if (!options.has(TSyntaxMemoOption::smoTabToColumn) || options.has(TSyntaxMemoOption::smoWordWrap))
        return tabs_.nextStop(col);
    // The first line above that reaches past the caret column decides.
    for (std::int64_t r = rec - 1; r >= 0 && r >= rec - kIndentLookBack; --r) {
        const std::string_view t = store_.recordText(TRecordIndex(r));
        int end = static_cast<int>(t.size());
        if (end > 0 && t[static_cast<std::size_t>(end) - 1] == kCR)
            --end;
        if (displayColumn(r, end) <= col)
            continue;
        int i = columnAtDisplayIn(t, col, tabs_);
        while (i < end && !isBlank(t[static_cast<std::size_t>(i)]))
            ++i;
        while (i < end && isBlank(t[static_cast<std::size_t>(i)]))
            ++i;
        return displayColumn(r, i);
    }
    return tabs_.nextStop(col);
}

std::string TTyping::fill(int from, int to, TSyntaxMemoOptions options) const
{
    std::string fill;
    if (to <= from)
        return fill;
    if (options.has(TSyntaxMemoOption::smoUseTAB) && options.has(TSyntaxMemoOption::smoSmartFill)) {
        int col = from;
        for (int next = tabs_.nextStop(col); next <= to; next = tabs_.nextStop(col)) {
            fill += '\t';
            col = next;
        }
        fill.append(static_cast<std::size_t>(to - col), ' ');
    } else {
        fill.assign(static_cast<std::size_t>(to - from), ' ');
    }
    return fill;
}

std::string TTyping::check() const
{
    if (indentStep_ < 1 || indentStep_ > 19)
        return "the indent step " + std::to_string(indentStep_) + " is outside 1..19";
    return {};
}

} // namespace tessaly::memo
