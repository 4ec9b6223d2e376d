#include "memo/PlainSearch.h"

#include "memo/TextCursor.h"

#include <string>

namespace tessaly::memo {

namespace {

template <bool Fold>
inline unsigned char norm(unsigned char c)
{
    return Fold ? asciiUpper(c) : c;
}

// The pattern as compared: upper-cased when case does not matter.
struct Pattern {
    std::string chars;
    std::int64_t length;
};

template <bool Fold>
bool equalAt(TTextCursor& text, std::int64_t start, const Pattern& p)
{
    for (std::int64_t j = p.length - 1; j >= 0; --j)
        if (norm<Fold>(text.at(start + j)) != static_cast<unsigned char>(p.chars[static_cast<std::size_t>(j)]))
            return false;
    return true;
}

bool wholeWordAt(TTextCursor& text, std::int64_t start, std::int64_t length, const TWordClasses& words)
{
    if (start > 0 && words.touchesWord(text.at(start - 1)))
        return false;
    const std::int64_t after = start + length;
    return after >= text.size() || !words.touchesWord(text.at(after));
}

template <bool Fold>
std::int64_t scanDown(TTextCursor& text, const Pattern& p, std::int64_t from, const TSkipTables::Table& skip,
                      bool wholeWord, const TWordClasses& words)
{
    const std::int64_t last = p.length - 1;
    const std::int64_t limit = text.size() - p.length;
    const unsigned char lastChar = static_cast<unsigned char>(p.chars.back());
    std::int64_t s = from;
    while (s <= limit) {
        const unsigned char c = text.at(s + last);
        if (norm<Fold>(c) == lastChar && equalAt<Fold>(text, s, p)) {
            if (!wholeWord || wholeWordAt(text, s, p.length, words))
                return s;
            ++s;
            continue;
        }
        s += skip[c];
    }
    return -1;
}

template <bool Fold>
std::int64_t scanUp(TTextCursor& text, const Pattern& p, std::int64_t from, const TSkipTables::Table& skip,
                    bool wholeWord, const TWordClasses& words)
{
    const unsigned char firstChar = static_cast<unsigned char>(p.chars.front());
    std::int64_t s = std::min(from, text.size() - p.length);
    while (s >= 0) {
        const unsigned char c = text.at(s);
        if (norm<Fold>(c) == firstChar && equalAt<Fold>(text, s, p)) {
            if (!wholeWord || wholeWordAt(text, s, p.length, words))
                return s;
            --s;
            continue;
        }
        s -= skip[c];
    }
    return -1;
}

} // namespace

std::int64_t TPlainSearch::find(TCharStream& stream, std::string_view text, std::int64_t from,
                                TSearchOptions options)
{
    if (text.empty())
        return -1;
    tables_.prepare(text);
    const std::int64_t origin = stream.position();
    TTextCursor cursor(stream);
    Pattern p{std::string(text), static_cast<std::int64_t>(text.size())};
    if (!options.matchCase)
        for (char& c : p.chars)
            c = static_cast<char>(asciiUpper(static_cast<unsigned char>(c)));

    std::int64_t found = -1;
    if (options.upward) {
        const auto& skip = tables_.backward(options.matchCase);
        if (from >= 0)
            found = options.matchCase ? scanUp<false>(cursor, p, from, skip, options.wholeWord, words_)
                                      : scanUp<true>(cursor, p, from, skip, options.wholeWord, words_);
    } else {
        const auto& skip = tables_.forward(options.matchCase);
        from = std::max<std::int64_t>(from, 0);
        found = options.matchCase ? scanDown<false>(cursor, p, from, skip, options.wholeWord, words_)
                                  : scanDown<true>(cursor, p, from, skip, options.wholeWord, words_);
    }
    stream.setPosition(found >= 0 ? found : origin);
    return found;
}

} // namespace tessaly::memo
