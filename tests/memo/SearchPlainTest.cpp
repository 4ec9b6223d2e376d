#include "memo/CharBlocks.h"
#include "memo/LineBlockStream.h"
#include "memo/PlainSearch.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tessaly::memo;

namespace {

std::int64_t find(const std::string& text, const std::string& what, std::int64_t from, TSearchOptions options)
{
    TPlainSearch search;
    TStringStream stream(text);
    return search.find(stream, what, from, options);
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

bool wordChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '\''
        || c == '-';
}

// The model: try every start in order.
std::int64_t naiveFind(const std::string& text, const std::string& what, std::int64_t from, TSearchOptions options)
{
    const auto n = static_cast<std::int64_t>(text.size());
    const auto m = static_cast<std::int64_t>(what.size());
    auto matchesAt = [&](std::int64_t s) {
        for (std::int64_t j = 0; j < m; ++j) {
            char a = text[static_cast<std::size_t>(s + j)];
            char b = what[static_cast<std::size_t>(j)];
            if (!options.matchCase) {
                a = upper(a);
                b = upper(b);
            }
            if (a != b)
                return false;
        }
        if (!options.wholeWord)
            return true;
        if (s > 0 && wordChar(text[static_cast<std::size_t>(s - 1)]))
            return false;
        return s + m >= n || !wordChar(text[static_cast<std::size_t>(s + m)]);
    };
    if (options.upward) {
        for (std::int64_t s = std::min(from, n - m); s >= 0; --s)
            if (matchesAt(s))
                return s;
    } else {
        for (std::int64_t s = std::max<std::int64_t>(from, 0); s + m <= n; ++s)
            if (matchesAt(s))
                return s;
    }
    return -1;
}

} // namespace

TEST(SearchPlain, WholeWordSkipsMatchesInsideWords)
{
    const TSearchOptions word{false, true, false};
    EXPECT_EQ(find("this is", "is", 0, word), 5);
    EXPECT_EQ(find("this is", "is", 0, {}), 2);
    EXPECT_EQ(find("is-it is", "is", 0, word), 6); // "-" goes on a word
    EXPECT_EQ(find("_is is", "is", 0, word), 4);   // "_" starts one
    EXPECT_EQ(find("x is", "is", 0, word), 2);     // a match may end the text
    EXPECT_EQ(find("is this", "is", 6, {false, true, true}), 0);
}

TEST(SearchPlain, WordClassesCanBeReplaced)
{
    TPlainSearch search;
    search.setWordClasses({[](unsigned char c) { return c >= '0' && c <= '9'; },
                           [](unsigned char c) { return c >= '0' && c <= '9'; }});
    TStringStream stream("12x3 x 4x");
    EXPECT_EQ(search.find(stream, "x", 0, {false, true, false}), 5);
}

TEST(SearchPlain, CaseAndDirection)
{
    const std::string text = "Abc abc ABC";
    EXPECT_EQ(find(text, "abc", 0, {}), 0);
    EXPECT_EQ(find(text, "abc", 0, {true, false, false}), 4);
    EXPECT_EQ(find(text, "ABC", 0, {true, false, false}), 8);
    EXPECT_EQ(find(text, "abc", 11, {false, false, true}), 8);
    EXPECT_EQ(find(text, "abc", 7, {false, false, true}), 4);
    EXPECT_EQ(find(text, "abc", 3, {true, false, true}), -1);
    EXPECT_EQ(find(text, "abc", 9, {}), -1);
    EXPECT_EQ(find(text, "", 0, {}), -1);
    // A jump by the number of characters already compared would pass this.
    EXPECT_EQ(find("xbabab", "abab", 0, {true, false, false}), 2);
    EXPECT_EQ(find("babab", "baba", 1, {true, false, true}), 0);
    EXPECT_EQ(find("", "a", 0, {}), -1);
    EXPECT_EQ(find("a", "a", 0, {false, false, true}), 0);
    EXPECT_EQ(find("a", "a", -1, {false, false, true}), -1);
}

TEST(SearchPlain, MatchesRunAcrossLineBreaks)
{
    const std::string text = "do\rtwo\rtea";
    EXPECT_EQ(find(text, "o\rt", 0, {}), 1);
    EXPECT_EQ(find(text, "o\rt", 11, {false, false, true}), 5);
}

TEST(SearchPlain, TablesAreRebuiltOnlyWhenTheTextChanges)
{
    TPlainSearch search;
    TStringStream stream("xxABC abc");
    EXPECT_EQ(search.find(stream, "abc", 0, {true, false, false}), 6);
    EXPECT_EQ(search.tables().exactBuilds(), 1);
    EXPECT_EQ(search.tables().foldedBuilds(), 1);
    EXPECT_EQ(search.find(stream, "abc", 0, {}), 2);
    EXPECT_EQ(search.tables().exactBuilds(), 1);
    // Same text upper-cased: the case-insensitive tables stay, the
    // case-sensitive ones must follow, or "ABC" is jumped over.
    EXPECT_EQ(search.find(stream, "ABC", 0, {true, false, false}), 2);
    EXPECT_EQ(search.tables().foldedBuilds(), 1);
    EXPECT_EQ(search.tables().exactBuilds(), 2);
}

TEST(SearchPlain, AgreesWithNaiveSearchOnRandomTexts)
{
    std::mt19937 rng(4242);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    static const char alphabet[] = "abAB \r_-'1";
    TPlainSearch search; // one engine throughout: its table cache is exercised
    for (int round = 0; round < 3000; ++round) {
        // Mostly short texts; some longer than the 4096-character windows
        // the search reads a block-less stream through.
        const int length = round % 50 == 0 ? 9000 + pick(2000) : pick(60);
        std::string text;
        for (int i = 0; i < length; ++i)
            text += alphabet[pick(round % 3 == 0 ? 10 : 4)];
        std::string what;
        const int m = 1 + pick(round % 50 == 0 ? 8 : 4);
        for (int i = 0; i < m; ++i)
            what += alphabet[pick(round % 3 == 0 ? 10 : 4)];
        const TSearchOptions options{pick(2) == 1, pick(2) == 1, pick(2) == 1};
        const std::int64_t from = pick(length + 3) - 1;
        TStringStream plain(text);
        TStringBlockStream blocks(text);
        const std::int64_t expected = naiveFind(text, what, from, options);
        ASSERT_EQ(search.find(plain, what, from, options), expected)
            << ::testing::PrintToString(what) << " in " << ::testing::PrintToString(text) << " from " << from
            << " case " << options.matchCase << " word " << options.wholeWord << " up " << options.upward;
        ASSERT_EQ(search.find(blocks, what, from, options), expected);
        // Short blocks (one per line) put matches across block borders.
        TLineBlockStream lines(text);
        ASSERT_EQ(search.find(lines, what, from, options), expected);
    }
}
