// Find, find next, replace and replace all over the editor's text, with the
// plain search or the regular-expression engine behind the search flags.
#include "memo/SyntaxMemo.h"

#include "memo/EdStream.h"
#include "memo/regex/REError.h"
#include "memo/regex/REReplace.h"
#include "memo/SearchFlags.h"
#include "memo/Normalise.h"
#include "memo/TextFinder.h"

#include <algorithm>

namespace tessaly::memo {

namespace {

// Brackets a search the user may stop: the progress sink hears when it
// starts and ends, and the finder asks it while matching.
class StoppableSearch {
public:
    StoppableSearch(TMemoProgress& progress, TTextFinder& finder) : progress_(progress), finder_(finder)
    {
        progress_.begin();
        finder_.setInterrupt([&p = progress_] { return p.keepGoing(); });
    }
    ~StoppableSearch()
    {
        finder_.setInterrupt({});
        progress_.end();
    }
    StoppableSearch(const StoppableSearch&) = delete;
    StoppableSearch& operator=(const StoppableSearch&) = delete;

private:
    TMemoProgress& progress_;
    TTextFinder& finder_;
};

} // namespace

TREParser& TSyntaxMemo::searchRegex()
{
    return search_.finder().regex();
}

void TSyntaxMemo::searchFailed(std::string_view text)
{
    if (onSearchFail)
        onSearchFail(*this, std::string(text));
    else
        messages_->error("Search string \"" + std::string(text) + "\" not found.");
}

bool TSyntaxMemo::patternFailed()
{
    const std::optional<std::string> error = search_.patternError();
    if (!error)
        return false;
    if (!error->empty())
        messages_->error(*error);
    return true;
}

std::optional<TTextMatch> TSyntaxMemo::findFrom(std::int64_t from, TSearchFlags flags)
{
    TEdStream stream(store_);
    return search_.find(stream, from, flags);
}

std::int64_t TSyntaxMemo::findText(TSearchFlags flags, std::string_view text)
{
    finishLoading();
    search_.remember(flags, text);
    const StoppableSearch stoppable(*progress_, search_.finder());
    if (flags.has(TSearchFlags::RegExp) && !search_.finder().regex().compile(search_.text())) {
        patternFailed();
        return -1;
    }
    const std::int64_t a = selStart();
    const std::int64_t b = std::max(anchor_, caret_);
    const bool upward = flags.has(TSearchFlags::Upward);
    std::optional<TTextMatch> found;
    if (!((upward && a == 0) || (!upward && b >= store_.length().value()))) {
        const std::int64_t from = flags.has(TSearchFlags::RegExp) && !upward ? b : a;
        found = findFrom(from, flags);
    }
    if (!found) {
        if (!(flags.has(TSearchFlags::RegExp) && patternFailed()))
            searchFailed(search_.text());
        return -1;
    }
    search_.setLastMatch(found->start);
    setSelection(found->start, found->end);
    return found->start;
}

std::optional<TTextMatch> TSyntaxMemo::dialogMatch(TSearchFlags flags)
{
    const bool upward = flags.has(TSearchFlags::Upward);
    const std::int64_t from = search_.startFrom(selStart(), upward);
    auto found = findFrom(from, flags);
    if (!found || found->start == found->end) {
        if (!(flags.has(TSearchFlags::RegExp) && patternFailed()))
            searchFailed(search_.text());
        return std::nullopt;
    }
    return found;
}

bool TSyntaxMemo::findFromDialog(TSearchFlags flags, std::string_view text)
{
    finishLoading();
    search_.remember(flags, text);
    const StoppableSearch stoppable(*progress_, search_.finder());
    if (flags.has(TSearchFlags::RegExp) && !search_.finder().regex().compile(search_.text())) {
        patternFailed();
        return false;
    }
    const auto found = dialogMatch(flags);
    if (!found)
        return false;
    search_.setLastMatch(found->start);
    setSelection(found->start, found->end);
    return true;
}

int TSyntaxMemo::findNext()
{
    finishLoading();
    if (search_.text().empty())
        return 0;
    // Step off the match that is selected, in the search direction, so the
    // same match is not found again.
    const std::int64_t oldAnchor = anchor_;
    const std::int64_t oldCaret = caret_;
    if (search_.onLastMatch(selText(), selStart())) {
        const std::int64_t start = selStart();
        if (search_.flags().has(TSearchFlags::Upward)) {
            if (start == 0) {
                searchFailed(search_.text());
                return 0;
            }
            setSelection(start - 1, start - 1, true);
        } else {
            setSelection(start + 1, start + 1, true);
        }
    }
    // findText remembers what it is given: pass a copy of the text.
    const std::string text = search_.text();
    if (findText(search_.flags() | TSearchFlags::AtOnce, text) >= 0)
        return 1;
    // Nothing found: the selection stays as it was.
    setSelection(oldAnchor, oldCaret, true);
    return 0;
}

bool TSyntaxMemo::replaceNext(TSearchFlags flags, std::string_view text, std::string_view replacement,
                              const std::function<bool(const std::string&, const std::string&)>& confirm)
{
    finishLoading();
    search_.remember(flags, text);
    const StoppableSearch stoppable(*progress_, search_.finder());
    const auto found = dialogMatch(flags);
    if (!found)
        return false;
    std::string with(replacement);
    if (flags.has(TSearchFlags::RegExp)) {
        TEdStream stream(store_);
        with = expandReplacement(replacement, search_.finder().regex().positions(), stream);
    }
    setSelection(found->start, found->end);
    if (confirm && !confirm(search_.text(), with)) {
        search_.setLastMatch(found->start);
        return false;
    }
    setSelText(with);
    search_.setLastMatch(caret_);
    return true;
}

int TSyntaxMemo::replaceAll(TSearchFlags flags, std::string_view text, std::string_view replacement)
{
    finishLoading();
    search_.remember(flags, text);
    const StoppableSearch stoppable(*progress_, search_.finder());
    std::vector<TTextReplacement> all;
    {
        TEdStream stream(store_);
        all = search_.finder().collectAll(stream, search_.text(), replacement, flags.without(TSearchFlags::Upward),
                                          selStart());
    }
    if (search_.finder().stopped())
        return 0; // stopped before anything was replaced
    if (all.empty()) {
        if (!(flags.has(TSearchFlags::RegExp) && patternFailed()))
            searchFailed(search_.text());
        return 0;
    }
    const bool wasRedraw = redraw_;
    redraw_ = false;
    openUndoGroup(ugReplaceAll);
    std::int64_t shift = 0;
    bool stopped = false;
    for (const TTextReplacement& r : all) {
        if (!progress_->keepGoing()) {
            stopped = true;
            break;
        }
        setSelection(r.match.start + shift, r.match.end + shift, true);
        replaceSelection(r.text);
        shift += static_cast<std::int64_t>(normalise(r.text).size()) - (r.match.end - r.match.start);
    }
    closeUndoGroup(ugReplaceAll);
    redraw_ = wasRedraw;
    if (stopped) {
        // Stopped half-way: the text goes back to what it was, in one step.
        undo();
        view_->repaintAll();
        return 0;
    }
    changeKinds_ |= ckText | ckSelection;
    scrollCaret();
    notify();
    view_->repaintAll();
    return static_cast<int>(all.size());
}

} // namespace tessaly::memo
