#include "memo/PlainSearch.h"

#include "memo/TextCursor.h"

#include <algorithm>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly::memo {

namespace {

// How common a byte is in web pages, roughly (higher is rarer): a downward
// search looks for the pattern's rarest byte first.
int rarity(unsigned char c)
{
    static constexpr std::string_view common = "etaoinsrhldcumfpgwybvkxjqz";
    if (c == ' ' || c == '\r' || c == '\t')
        return 0;
    if (c == '<' || c == '>' || c == '"' || c == '=' || c == '/')
        return 2;
    const auto lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const std::size_t i = common.find(lower);
    if (i == std::string_view::npos)
        return 30; // digits and other signs
    return 4 + static_cast<int>(i);
}

// The first place in [p, p + n) that holds a or b, or n.
std::size_t findEither(const char* p, std::size_t n, unsigned char a, unsigned char b)
{
    if (a == b) {
        const void* hit = std::memchr(p, a, n);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - p) : n;
    }
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i va = _mm_set1_epi8(static_cast<char>(a));
    const __m128i vb = _mm_set1_epi8(static_cast<char>(b));
    for (; i + 16 <= n; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, va), _mm_cmpeq_epi8(x, vb)));
        if (mask != 0)
            return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
    }
#endif
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c == a || c == b)
            return i;
    }
    return n;
}

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

// Downward over the stream's runs of contiguous text: the pattern's rarest
// byte (both cases of it without match case) is looked for with a fast
// byte scan, and the pattern is compared wherever it occurs. Start places
// are met in increasing order, as with a skip-table scan.
template <bool Fold>
std::int64_t scanDownByAnchor(TTextCursor& text, const Pattern& p, std::int64_t from, bool wholeWord,
                              const TWordClasses& words)
{
    std::size_t k = 0;
    for (std::size_t i = 1; i < p.chars.size(); ++i)
        if (rarity(static_cast<unsigned char>(p.chars[i])) > rarity(static_cast<unsigned char>(p.chars[k])))
            k = i;
    const auto anchor = static_cast<unsigned char>(p.chars[k]);
    const unsigned char other = Fold && anchor >= 'A' && anchor <= 'Z' ? static_cast<unsigned char>(anchor + 32) : anchor;
    const auto offset = static_cast<std::int64_t>(k);
    // The last place the anchor byte of a match can lie.
    const std::int64_t lastAnchor = text.size() - p.length + offset;
    std::int64_t q = from + offset;
    while (q <= lastAnchor) {
        const std::string_view run = text.forwardRun(q);
        if (run.empty())
            break;
        const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(
            static_cast<std::int64_t>(run.size()), lastAnchor - q + 1));
        const std::size_t i = findEither(run.data(), n, anchor, other);
        q += static_cast<std::int64_t>(i);
        if (i == n)
            continue;
        const std::int64_t s = q - offset;
        if (equalAt<Fold>(text, s, p) && (!wholeWord || wholeWordAt(text, s, p.length, words)))
            return s;
        ++q;
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
        from = std::max<std::int64_t>(from, 0);
        found = options.matchCase ? scanDownByAnchor<false>(cursor, p, from, options.wholeWord, words_)
                                  : scanDownByAnchor<true>(cursor, p, from, options.wholeWord, words_);
    }
    stream.setPosition(found >= 0 ? found : origin);
    return found;
}

} // namespace tessaly::memo
