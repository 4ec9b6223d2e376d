// Word wrap in the editor: when lines are cut again (TWordWrap cuts them)
// and what the view is told.
#include "memo/SyntaxMemo.h"

#include <algorithm>

namespace tessaly::memo {

int TSyntaxMemo::wrapWidth() const
{
    return wrap_.width(view_->visibleColumns());
}

TWordWrap::TRule TSyntaxMemo::wrapRule() const
{
    return {hasOption(TSyntaxMemoOption::smoWordWrap), hasOption(TSyntaxMemoOption::smoWrapOverride), wrapWidth()};
}

void TSyntaxMemo::setWrapAtColumn(int column)
{
    if (wrap_.setAtColumn(column) && hasOption(TSyntaxMemoOption::smoWordWrap))
        reflow();
}

void TSyntaxMemo::setWrapOverride(std::string chars)
{
    wrap_.setOverrideChars(std::move(chars));
    if (hasOption(TSyntaxMemoOption::smoWordWrap) && hasOption(TSyntaxMemoOption::smoWrapOverride))
        reflow();
}

void TSyntaxMemo::reflowRange(std::int64_t from, std::int64_t to)
{
    wrap_.reflowRange(from, to, wrapRule(), [this](std::int64_t first, std::int64_t last) { markChanged(first, last); });
    topLine_ = std::min(topLine_, store_.recordCount().value() - 1);
}

void TSyntaxMemo::reflow()
{
    reflowRange(0, store_.length().value());
    changeKinds_ |= ckSize;
    scrollCaret();
    notify();
    view_->repaintAll();
}

} // namespace tessaly::memo
