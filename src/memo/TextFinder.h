#pragma once

#include "memo/CharStream.h"
#include "memo/PlainSearch.h"
#include "memo/regex/REParser.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

struct TTextMatch {
    std::int64_t start = 0;
    std::int64_t end = 0;
};

// One match of a Replace All and the text that replaces it.
struct TTextReplacement {
    TTextMatch match;
    std::string text;
};

// The editor's search engine: a plain search and a regular-expression
// engine behind one call that takes the editor's search flags
// (TSearchFlags). It knows nothing of selections or dialogs; the editor
// decides where a search starts.
class TTextFinder {
public:
    // Finds the next match of `text` from `from`: downward the first match
    // that starts at or after it, upward (TSearchFlags::Upward) the last
    // that starts at or before it. With TSearchFlags::RegExp the text is a
    // pattern: a pattern that does not compile gives no match, and regex()
    // tells the error and its position.
    std::optional<TTextMatch> find(TCharStream& stream, std::string_view text, int flags, std::int64_t from);

    // Every match from `from` to the end of the text, in order and without
    // overlaps, with its replacement (expanded for a regular expression).
    // Empty matches are left out, as a replace of nothing would only insert.
    std::vector<TTextReplacement> collectAll(TCharStream& stream, std::string_view text,
                                             std::string_view replacement, int flags, std::int64_t from);

    TPlainSearch& plain() { return plain_; }
    TREParser& regex() { return regex_; }

    // Asked between matches of collectAll and during long regular-expression
    // matches; false stops the search (stopped() then tells so).
    void setInterrupt(std::function<bool()> keepGoing);
    // The last find or collectAll was stopped by the interrupt.
    bool stopped() const { return stopped_; }

private:
    TPlainSearch plain_;
    TREParser regex_;
    std::function<bool()> keepGoing_;
    bool stopped_ = false;
};

} // namespace tessaly::memo
