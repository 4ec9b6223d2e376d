// The parser slots and the editor's side of re-highlighting: when to scan
// is decided here, the scanning itself is THighlightDriver's.
#include "memo/SyntaxMemo.h"

#include "memo/FileLoader.h"

namespace tessaly::memo {

void TSyntaxMemo::setParser(int slot, THighlighter* parser)
{
    if (slot < 1 || slot > kParserSlots)
        return;
    THighlighter*& p = parsers_[static_cast<std::size_t>(slot - 1)];
    if (p == parser)
        return;
    if (p && slot == activeParser_)
        p->detach(*this);
    p = parser;
    if (slot == activeParser_)
        activeParserChanged();
}

void TSyntaxMemo::setActiveParser(int slot)
{
    if (slot < 0 || slot > kParserSlots || slot == activeParser_)
        return;
    if (THighlighter* old = highlighter())
        old->detach(*this);
    activeParser_ = slot;
    activeParserChanged();
}

THighlighter* TSyntaxMemo::highlighter() const
{
    if (activeParser_ < 1)
        return nullptr;
    return parsers_[static_cast<std::size_t>(activeParser_ - 1)];
}

void TSyntaxMemo::activeParserChanged()
{
    if (THighlighter* h = highlighter())
        h->attach(*this);
    // Every stored value belongs to the old parser: scan everything again.
    store_.dropAllTokens();
    highlight_.reset();
    if (!startPass()) {
        store_.meta(TRecordIndex(0)).flags |= kRecForceHighlight;
        markChanged(0);
    }
    changed(ckOptions);
    view_->repaintAll();
}

void TSyntaxMemo::refreshActiveParser()
{
    activeParserChanged();
}

bool TSyntaxMemo::editProperties()
{
    THighlighter* h = highlighter();
    if (!h) {
        messages_->error("No active parser");
        return false;
    }
    return h->editProperties(*this);
}

void TSyntaxMemo::highlightAll()
{
    highlight_.setPassFrom(-1);
    store_.meta(TRecordIndex(0)).flags |= kRecForceHighlight;
    markChanged(0);
    rehighlight();
}

bool TSyntaxMemo::startPass()
{
    THighlighter* h = highlighter();
    if (!highlight_.passWanted(h))
        return false;
    firstChanged_ = -1;
    highlight_.startPass(*h, *view_, topLine_ + view_->visibleLines() + 1);
    return true;
}

bool TSyntaxMemo::highlightSlice(std::chrono::nanoseconds budget)
{
    if (loader_) {
        // The file is read to its end before the pass goes on: the pass
        // would otherwise keep stopping at the end of what is read.
        loadSlice(std::chrono::steady_clock::now() + budget);
        return loader_ || highlight_.pending();
    }
    if (widest_.measuring()) {
        // The widest line of a document just loaded is measured in the
        // first slices; the scroll range is then set again.
        const TWidthRule rule = widthRule();
        if (!widest_.measureSlice([this](TRecordIndex rec) { return recordWidth(rec); }, rule.tabFactor,
                                  std::chrono::steady_clock::now() + budget))
            view_->scrolled();
        return true;
    }
    return highlight_.slice(highlighter(), *view_, budget);
}

void TSyntaxMemo::backgroundChanged(bool tellAgain)
{
    const bool running = loader_ || highlight_.pending();
    if (running == backgroundRunning_ && !tellAgain)
        return;
    backgroundRunning_ = running;
    if (onHighlightPass)
        onHighlightPass(*this, running);
}

void TSyntaxMemo::finishHighlight()
{
    while (highlightSlice(std::chrono::hours(1))) {
    }
}

void TSyntaxMemo::rehighlight()
{
    const std::int64_t changed = firstChanged_;
    firstChanged_ = -1;
    THighlighter* h = highlighter();
    if (!h || !h->usable() || changed < 0 || changed >= store_.recordCount().value())
        return;
    if (!options_.has(TSyntaxMemoOption::smoSyntaxHighlight))
        return;
    if (!(store_.meta(TRecordIndex(changed)).flags & (kRecContentChanged | kRecForceHighlight)))
        return;
    highlight_.rehighlight(*h, *view_, changed);
}

} // namespace tessaly::memo
