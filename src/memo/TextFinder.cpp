#include "memo/TextFinder.h"

#include "memo/REReplace.h"
#include "memo/SearchFlags.h"

namespace tessaly::memo {

std::optional<TTextMatch> TTextFinder::find(TCharStream& stream, std::string_view text, int flags,
                                            std::int64_t from)
{
    const bool upward = (flags & TSearchFlags::Upward) != 0;
    if (flags & TSearchFlags::RegExp) {
        if (!regex_.compile(text))
            return std::nullopt;
        stream.setPosition(from);
        if (!regex_.match(stream, !upward))
            return std::nullopt;
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
    const int downward = flags & ~TSearchFlags::Upward;
    const bool regExp = (flags & TSearchFlags::RegExp) != 0;
    std::int64_t at = from;
    while (at <= stream.size()) {
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
