#pragma once

#include "memo/CharStream.h"
#include "memo/SearchFlags.h"
#include "memo/TextFinder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::memo {

// The editor's search session: the finder (made at the first search), the
// text and flags of the last search, which Find Next repeats, and the start
// of the last match, from which a repeated search steps off. It knows no
// selection: the editor passes where a search starts and what is selected.
class TSearchSession {
public:
    TSearchSession();
    ~TSearchSession();
    TSearchSession(const TSearchSession&) = delete;
    TSearchSession& operator=(const TSearchSession&) = delete;

    // The longest text a search keeps, in bytes: patterns may be longer than
    // plain texts.
    static std::size_t textLimit(TSearchFlags flags);

    // Remembers the flags and the text, cut to textLimit(flags).
    void remember(TSearchFlags flags, std::string_view text);
    const std::string& text() const { return text_; }
    TSearchFlags flags() const { return flags_; }

    // Start of the last match found or replaced, -1 when none is.
    std::int64_t lastMatch() const { return lastMatch_; }
    void setLastMatch(std::int64_t start) { lastMatch_ = start; }
    void forgetLastMatch() { lastMatch_ = -1; }

    // Where a search from a dialog starts: from the selection, or one
    // character further in the search direction when the selection starts
    // at the last match, so that match is not found again.
    std::int64_t startFrom(std::int64_t selStart, bool upward) const;
    // True when the selection is the last match (or the remembered text in
    // any case), which Find Next steps off before it searches.
    bool onLastMatch(std::string_view selected, std::int64_t selStart) const;

    // The next match of the remembered text in stream from `from` with
    // flags; none when the text is empty or `from` lies outside the text in
    // the search direction.
    std::optional<TTextMatch> find(TCharStream& stream, std::int64_t from, TSearchFlags flags);

    // After a failed search with a pattern: nothing when the pattern was
    // fine, an empty text when the user stopped the search (nothing to
    // tell), else the message, the pattern and a caret under the place of
    // the error.
    std::optional<std::string> patternError();

    TTextFinder& finder();

    // Empty when the state holds together, else what is wrong: the text
    // fits its limit and the last match is a start or -1.
    std::string check() const;

private:
    std::unique_ptr<TTextFinder> finder_;
    std::string text_;
    TSearchFlags flags_;
    std::int64_t lastMatch_ = -1;
};

} // namespace tessaly::memo
