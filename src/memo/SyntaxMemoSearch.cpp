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
#include <cctype>

namespace tessaly::memo {

namespace {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

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

TTextFinder& TSyntaxMemo::finder()
{
    if (!finder_)
        finder_ = std::make_unique<TTextFinder>();
    return *finder_;
}

TREParser& TSyntaxMemo::searchRegex()
{
    return finder().regex();
}

void TSyntaxMemo::rememberSearch(int flags, std::string_view text)
{
    const std::size_t limit = (flags & TSearchFlags::RegExp) ? 254 : 79;
    lastSearchText_.assign(text.substr(0, limit));
    lastSearchFlags_ = flags;
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
    const TREParser& re = finder().regex();
    if (re.errorId() == TREError::NoError)
        return false;
    // The user stopped the search: nothing to tell.
    if (re.errorId() == TREError::Stopped)
        return true;
    // The message, the pattern, and a caret under the place of the error.
    // The position counts bytes; the line under the pattern needs one space
    // per character before it (a fixed-width font shows them aligned).
    const auto at = static_cast<std::size_t>(std::max(1, re.errorPosition()) - 1);
    const std::string_view before = std::string_view(lastSearchText_).substr(0, at);
    const auto chars = std::count_if(before.begin(), before.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    messages_->error(re.errorText() + "\n" + lastSearchText_ + "\n" + std::string(static_cast<std::size_t>(chars), ' ')
                     + "^");
    return true;
}

std::optional<std::pair<std::int64_t, std::int64_t>> TSyntaxMemo::findFrom(std::int64_t from, int flags,
                                                                           std::string_view text)
{
    const bool upward = (flags & TSearchFlags::Upward) != 0;
    const std::int64_t len = store_.length();
    if (len == 0 || text.empty() || (upward && from < 0) || (!upward && from >= len))
        return std::nullopt;
    TEdStream stream(store_);
    const auto match = finder().find(stream, text, flags, std::clamp<std::int64_t>(from, 0, len));
    if (!match)
        return std::nullopt;
    return std::make_pair(match->start, match->end);
}

std::int64_t TSyntaxMemo::findText(int flags, std::string_view text)
{
    rememberSearch(flags, text);
    const StoppableSearch stoppable(*progress_, finder());
    if ((flags & TSearchFlags::RegExp) && !finder().regex().compile(lastSearchText_)) {
        patternFailed();
        return -1;
    }
    const std::int64_t a = selStart();
    const std::int64_t b = std::max(anchor_, caret_);
    const bool upward = (flags & TSearchFlags::Upward) != 0;
    std::optional<std::pair<std::int64_t, std::int64_t>> found;
    if (!((upward && a == 0) || (!upward && b >= store_.length()))) {
        const std::int64_t from = (flags & TSearchFlags::RegExp) && !upward ? b : a;
        found = findFrom(from, flags, lastSearchText_);
    }
    if (!found) {
        if (!((flags & TSearchFlags::RegExp) && patternFailed()))
            searchFailed(lastSearchText_);
        return -1;
    }
    lastMatchStart_ = found->first;
    setSelection(found->first, found->second);
    return found->first;
}

bool TSyntaxMemo::findFromDialog(int flags, std::string_view text)
{
    rememberSearch(flags, text);
    const StoppableSearch stoppable(*progress_, finder());
    if ((flags & TSearchFlags::RegExp) && !finder().regex().compile(lastSearchText_)) {
        patternFailed();
        return false;
    }
    const bool upward = (flags & TSearchFlags::Upward) != 0;
    std::int64_t from = selStart();
    if (lastMatchStart_ >= 0 && lastMatchStart_ == from)
        from += upward ? -1 : 1;
    auto found = findFrom(from, flags, lastSearchText_);
    if (!found || found->first == found->second) {
        if (!((flags & TSearchFlags::RegExp) && patternFailed()))
            searchFailed(lastSearchText_);
        return false;
    }
    lastMatchStart_ = found->first;
    setSelection(found->first, found->second);
    return true;
}

int TSyntaxMemo::findNext()
{
    if (lastSearchText_.empty())
        return 0;
    // Step off the match that is selected, in the search direction, so the
    // same match is not found again.
    const std::int64_t oldAnchor = anchor_;
    const std::int64_t oldCaret = caret_;
    if (equalsIgnoringCase(selText(), lastSearchText_) || selStart() == lastMatchStart_) {
        const std::int64_t start = selStart();
        if (lastSearchFlags_ & TSearchFlags::Upward) {
            if (start == 0) {
                searchFailed(lastSearchText_);
                return 0;
            }
            setSelection(start - 1, start - 1, true);
        } else {
            setSelection(start + 1, start + 1, true);
        }
    }
    if (findText(lastSearchFlags_ | TSearchFlags::AtOnce, lastSearchText_) >= 0)
        return 1;
    // Nothing found: the selection stays as it was.
    setSelection(oldAnchor, oldCaret, true);
    return 0;
}

bool TSyntaxMemo::replaceNext(int flags, std::string_view text, std::string_view replacement,
                              const std::function<bool(const std::string&, const std::string&)>& confirm)
{
    rememberSearch(flags, text);
    const StoppableSearch stoppable(*progress_, finder());
    const bool upward = (flags & TSearchFlags::Upward) != 0;
    std::int64_t from = upward ? selStart() : selStart();
    if (lastMatchStart_ >= 0 && lastMatchStart_ == selStart())
        from += upward ? -1 : 1;
    auto found = findFrom(from, flags, lastSearchText_);
    if (!found || found->first == found->second) {
        if (!((flags & TSearchFlags::RegExp) && patternFailed()))
            searchFailed(lastSearchText_);
        return false;
    }
    std::string with(replacement);
    if (flags & TSearchFlags::RegExp) {
        TEdStream stream(store_);
        with = expandReplacement(replacement, finder().regex().positions(), stream);
    }
    setSelection(found->first, found->second);
    if (confirm && !confirm(lastSearchText_, with)) {
        lastMatchStart_ = found->first;
        return false;
    }
    setSelText(with);
    lastMatchStart_ = caret_;
    return true;
}

int TSyntaxMemo::replaceAll(int flags, std::string_view text, std::string_view replacement)
{
    rememberSearch(flags, text);
    const StoppableSearch stoppable(*progress_, finder());
    std::vector<TTextReplacement> all;
    {
        TEdStream stream(store_);
        all = finder().collectAll(stream, lastSearchText_, replacement, flags & ~TSearchFlags::Upward, selStart());
    }
    if (finder().stopped())
        return 0; // stopped before anything was replaced
    if (all.empty()) {
        if (!((flags & TSearchFlags::RegExp) && patternFailed()))
            searchFailed(lastSearchText_);
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
