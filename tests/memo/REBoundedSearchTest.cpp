// Searches that would backtrack for ever end within one budget for the whole
// search, and the shortcuts a search takes before running the matcher give
// the same answers as trying every start position.
#include "memo/CharBlocks.h"
#include "memo/regex/REParser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tessaly::memo;

namespace {

constexpr std::uint64_t kLimit = 100000;

struct Outcome {
    bool found = false;
    std::int64_t start = -1;
    std::int64_t end = -1;
    TREError error = TREError::NoError;
    std::uint64_t steps = 0;
};

Outcome search(const std::string& pattern, const std::string& text, bool forward = true, std::int64_t from = -1,
               std::uint64_t limit = kLimit)
{
    TREParser re;
    re.setStepLimit(limit);
    EXPECT_TRUE(re.compile(pattern)) << pattern;
    TStringBlockStream stream(text);
    stream.setPosition(from >= 0 ? from : (forward ? 0 : static_cast<std::int64_t>(text.size())));
    Outcome o;
    o.found = re.match(stream, forward);
    o.error = re.errorId();
    o.steps = re.steps();
    if (o.found) {
        o.start = re.matchStart();
        o.end = re.matchEnd();
    }
    return o;
}

// The budget of a search over `size` characters, and what one step may
// overshoot it by (a repeat counts the characters it scans at once).
std::uint64_t budget(std::size_t size, std::uint64_t limit = kLimit) { return limit + 8 * size; }

std::string eightyColumnLines(std::size_t size)
{
    std::string text;
    while (text.size() < size)
        text += std::string(79, 'y') + '\r';
    return text;
}

} // namespace

TEST(REBoundedSearch, OneBudgetCoversEveryStartPosition)
{
    // No literal to look for and no leading repeat to skip: every start
    // scans the rest of the line. Each attempt alone is far below the
    // budget; all of them together are not.
    const std::string text(50000, 'a');
    const Outcome o = search("x?a*[bc]", text);
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.error, TREError::TooComplex);
    EXPECT_LE(o.steps, budget(text.size()) + text.size());
    EXPECT_GT(o.steps, budget(text.size()));

    // Backwards, nine groups that can share the line in every way.
    const Outcome back = search("(a*)(a*)(a*)(a*)(a*)(a*)(a*)(a*)(a*)[bc]", text, false);
    EXPECT_FALSE(back.found);
    EXPECT_EQ(back.error, TREError::TooComplex);
    EXPECT_LE(back.steps, budget(text.size()) + text.size());

    // The same pattern with a match near the start finds it as before.
    std::string early = text;
    early[20] = 'b';
    const Outcome found = search("x?a*[bc]", early);
    EXPECT_TRUE(found.found);
    EXPECT_EQ(found.start, 0);
    EXPECT_EQ(found.end, 21);
}

TEST(REBoundedSearch, ProbesOfLongLinesCostStepsInProportionToTheText)
{
    const std::size_t size = 1 << 20;
    const std::string as(size, 'a');

    // The b every match needs is looked for once.
    Outcome o = search("a*b", as);
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.error, TREError::NoError);
    EXPECT_LE(o.steps, 2 * size);
    o = search("a*b", as + "b");
    EXPECT_TRUE(o.found);
    EXPECT_EQ(o.start, 0);
    EXPECT_EQ(o.end, static_cast<std::int64_t>(size) + 1);
    EXPECT_LE(o.steps, 4 * size);

    // No literal, but the leading repeat's run is tried once, not from
    // each of its characters.
    o = search("a*[bc]", as);
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.error, TREError::NoError);
    EXPECT_LE(o.steps, 4 * size);
    o = search("[ab]+[cd]", as + "c");
    EXPECT_TRUE(o.found);
    EXPECT_EQ(o.start, 0);
    EXPECT_LE(o.steps, 4 * size);

    // Twenty optional a, then twenty a and a b.
    std::string pattern;
    for (int i = 0; i < 20; ++i)
        pattern += "a?";
    pattern += std::string(20, 'a') + "b";
    o = search(pattern, as);
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.error, TREError::NoError);
    EXPECT_LE(o.steps, 2 * size);

    // Three wildcards and an x over ordinary lines.
    const std::string lines = eightyColumnLines(size);
    o = search(".*.*.*x", lines);
    EXPECT_FALSE(o.found);
    EXPECT_EQ(o.error, TREError::NoError);
    EXPECT_LE(o.steps, 2 * size);

    // With an x at the very end the lines before it are tried: the search
    // ends, with the match or with the error, within its budget.
    o = search(".*.*.*x", lines + "x", true, -1, 1000);
    EXPECT_TRUE(o.found || o.error == TREError::TooComplex);
    EXPECT_LE(o.steps, budget(lines.size() + 1, 1000) + lines.size());
}

namespace {

// Patterns that lean on the shortcuts: leading repeats, required literals,
// groups and alternatives around them.
class ShortcutPatterns {
public:
    explicit ShortcutPatterns(unsigned seed) : rng_(seed) {}

    std::string pattern()
    {
        static const char* const leads[] = {"a*", "[ab]+", ".*", "b*", "(a*", "([ab]*", "", "\\n*", "[^b]*"};
        std::string out = leads[pick(9)];
        const bool open = out.size() > 0 && out[0] == '(';
        const int pieces = 1 + pick(3);
        for (int i = 0; i < pieces; ++i)
            out += piece();
        if (open)
            out += pick(2) ? ")" : ")+";
        if (pick(4) == 0)
            out += "|" + piece();
        return out;
    }

    std::string text()
    {
        static const char chars[] = {'a', 'a', 'a', 'b', 'c', '\r'};
        std::string out;
        const int length = pick(40);
        for (int i = 0; i < length; ++i)
            out += chars[pick(6)];
        return out;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

private:
    std::string piece()
    {
        static const char* const atoms[] = {"a", "b", "c", "ab", "bc", "aab", "[bc]", ".", "$", "^", "(b|c)", "c?"};
        std::string a = atoms[pick(12)];
        if (a.size() == 1 && a != "$" && a != "^" && pick(4) == 0)
            a += pick(2) ? "+" : "*";
        return a;
    }

    std::mt19937 rng_;
};

// The first (forward) or last (backward) start where one attempt matches.
Outcome everyStart(TREParser& re, const std::string& text, bool forward, std::int64_t from)
{
    TStringStream stream(text);
    const auto size = static_cast<std::int64_t>(text.size());
    Outcome o;
    const std::int64_t first = forward ? from : (from >= size ? size - 1 : from);
    for (std::int64_t p = first; forward ? p <= size : p >= 0; p += forward ? 1 : -1) {
        stream.setPosition(p);
        if (re.matchHere(stream)) {
            o.found = true;
            o.start = re.matchStart();
            o.end = re.matchEnd();
            return o;
        }
        if (re.errorId() != TREError::NoError) {
            o.error = re.errorId();
            return o;
        }
    }
    return o;
}

} // namespace

TEST(REBoundedSearch, ShortcutsAgreeWithTryingEveryStart)
{
    ShortcutPatterns maker(7041);
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::string pattern = maker.pattern();
        TREParser re;
        if (!re.compile(pattern))
            continue;
        for (int t = 0; t < 4; ++t) {
            const std::string text = maker.text();
            const auto size = static_cast<std::int64_t>(text.size());
            const bool forward = maker.pick(2) == 0;
            const std::int64_t from = maker.pick(static_cast<int>(size) + 1);
            const Outcome expected = everyStart(re, text, forward, from);
            TStringStream stream(text);
            stream.setPosition(from);
            const bool found = re.match(stream, forward);
            ASSERT_EQ(re.errorId(), expected.error);
            ASSERT_EQ(found, expected.found) << pattern << " in " << ::testing::PrintToString(text) << " from "
                                             << from << (forward ? " forward" : " backward");
            if (found) {
                ASSERT_EQ(re.matchStart(), expected.start) << pattern << " in " << ::testing::PrintToString(text);
                ASSERT_EQ(re.matchEnd(), expected.end) << pattern << " in " << ::testing::PrintToString(text);
            }
            ++compared;
        }
    }
    EXPECT_GT(compared, 8000);
}
