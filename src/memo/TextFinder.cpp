#include "memo/TextFinder.h"

#include "memo/regex/REReplace.h"
#include "memo/SearchFlags.h"

namespace tessaly::memo {

void TTextFinder::setInterrupt(std::function<bool()> keepGoing)
{
    keepGoing_ = std::move(keepGoing);
    regex_.setInterrupt(keepGoing_);
}

std::optional<TTextMatch> TTextFinder::find(TCharStream& stream, std::string_view text, int flags,
                                            std::int64_t from)
{
    const bool upward = (flags & TSearchFlags::Upward) != 0;
    stopped_ = false;
    if (flags & TSearchFlags::RegExp) {
        if (!regex_.compile(text))
            return std::nullopt;
        stream.setPosition(from);
        if (!regex_.match(stream, !upward)) {
            stopped_ = regex_.errorId() == TREError::Stopped;
            return std::nullopt;
        }
        return TTextMatch{regex_.matchStart(), regex_.matchEnd()};
    }
    const TSearchOptions options{(flags & TSearchFlags::MatchCase) != 0, (flags & TSearchFlags::WholeWord) != 0,
                                 upward};
    const std::int64_t start = plain_.find(stream, text, from, options);
    if (start < 0)
        return std::nullopt;
    return TTextMatch{start, start + static_cast<std::int64_t>(text.size())};
}

std::vector<TTextReplacement> TTextFinder::collectAll(TCharStream& stream, std::string_view text,
                                                      std::string_view replacement, int flags, std::int64_t from)
{
    std::vector<TTextReplacement> found;
    stopped_ = false;
    const int downward = flags & ~TSearchFlags::Upward;
    const bool regExp = (flags & TSearchFlags::RegExp) != 0;
    std::int64_t at = from;
    while (at <= stream.size()) {
        if (keepGoing_ && !keepGoing_()) {
            stopped_ = true;
            break;
        }
        const std::optional<TTextMatch> match = find(stream, text, downward, at);
        if (!match)
            break;
        if (match->end == match->start) {
            at = match->start + 1;
            continue;
        }
        found.push_back({*match, regExp ? expandReplacement(replacement, regex_.positions(), stream)
                                        : std::string(replacement)});
        at = match->end;
    }
    return found;
}

} // namespace tessaly::memo
