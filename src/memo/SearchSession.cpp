#include "memo/SearchSession.h"

#include "memo/regex/REError.h"
#include "memo/SearchFlags.h"
#include "memo/Utf8.h"

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

} // namespace

TSearchSession::TSearchSession() = default;
TSearchSession::~TSearchSession() = default;

std::size_t TSearchSession::textLimit(TSearchFlags flags)
{
    return flags.has(TSearchFlags::RegExp) ? 254 : 79;
}

void TSearchSession::remember(TSearchFlags flags, std::string_view text)
{
    // Cut at a character boundary: half a UTF-8 character would never match.
    const std::size_t limit = textLimit(flags);
    text_.assign(text.size() > limit ? text.substr(0, utf8Floor(text, limit)) : text);
    flags_ = flags;
}

std::int64_t TSearchSession::startFrom(std::int64_t selStart, bool upward) const
{
    if (lastMatch_ >= 0 && lastMatch_ == selStart)
        return selStart + (upward ? -1 : 1);
    return selStart;
}

bool TSearchSession::onLastMatch(std::string_view selected, std::int64_t selStart) const
{
    return equalsIgnoringCase(selected, text_) || selStart == lastMatch_;
}

TTextFinder& TSearchSession::finder()
{
    if (!finder_)
        finder_ = std::make_unique<TTextFinder>();
    return *finder_;
}

std::optional<TTextMatch> TSearchSession::find(TCharStream& stream, std::int64_t from, TSearchFlags flags)
{
    const bool upward = flags.has(TSearchFlags::Upward);
    const std::int64_t len = stream.size();
    if (len == 0 || text_.empty() || (upward && from < 0) || (!upward && from >= len))
        return std::nullopt;
    return finder().find(stream, text_, flags, std::clamp<std::int64_t>(from, 0, len));
}

std::optional<std::string> TSearchSession::patternError()
{
    const TREParser& re = finder().regex();
    if (re.errorId() == TREError::NoError)
        return std::nullopt;
    if (re.errorId() == TREError::Stopped)
        return std::string();
    // The position counts bytes; the line under the pattern needs one space
    // per character before it (a fixed-width font shows them aligned).
    const auto at = static_cast<std::size_t>(std::max(1, re.errorPosition()) - 1);
    const std::string_view before = std::string_view(text_).substr(0, at);
    const auto chars = std::count_if(before.begin(), before.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    return re.errorText() + "\n" + text_ + "\n" + std::string(static_cast<std::size_t>(chars), ' ') + "^";
}

std::string TSearchSession::check() const
{
    if (text_.size() > textLimit(flags_))
        return "the search text is longer than its limit";
    if (lastMatch_ < -1)
        return "the last match starts before the text";
    return {};
}

} // namespace tessaly::memo
