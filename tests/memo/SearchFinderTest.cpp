#include "memo/SearchFlags.h"
#include "memo/TextFinder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tessaly::memo;

namespace {

std::string applyAll(std::string text, const std::vector<TTextReplacement>& replacements)
{
    // Apply in order, shifting later offsets by what the earlier ones changed.
    std::int64_t shift = 0;
    for (const TTextReplacement& r : replacements) {
        const auto start = static_cast<std::size_t>(r.match.start + shift);
        const auto length = static_cast<std::size_t>(r.match.end - r.match.start);
        text.replace(start, length, r.text);
        shift += static_cast<std::int64_t>(r.text.size()) - static_cast<std::int64_t>(length);
    }
    return text;
}

std::string naiveReplaceAll(std::string text, const std::string& what, const std::string& with)
{
    std::string out;
    std::size_t at = 0;
    for (std::size_t hit; (hit = text.find(what, at)) != std::string::npos; at = hit + what.size())
        out += text.substr(at, hit - at) + with;
    return out + text.substr(at);
}

} // namespace

TEST(SearchFinder, FlagsAreASetOfTheKnownBits)
{
    const TSearchFlags all[] = {TSearchFlags::AtOnce, TSearchFlags::MatchCase, TSearchFlags::RegExp,
                                TSearchFlags::WholeWord, TSearchFlags::Upward};
    for (int bits = 0; bits < 512; ++bits) {
        const TSearchFlags f = TSearchFlags::fromBits(bits);
        EXPECT_EQ(f.bits(), bits & 0xF8) << "only the known bits are kept";
        EXPECT_EQ(TSearchFlags::fromBits(f.bits()), f);
        TSearchFlags rebuilt;
        for (TSearchFlags one : all) {
            EXPECT_EQ(f.has(one), (bits & one.bits()) != 0);
            EXPECT_NE(f.has(one), (~f).has(one));
            EXPECT_FALSE(f.without(one).has(one));
            if (f.has(one))
                rebuilt |= one;
        }
        EXPECT_EQ(rebuilt, f);
        EXPECT_EQ(static_cast<bool>(f), f.bits() != 0);
    }
    EXPECT_FALSE(TSearchFlags().has(TSearchFlags())) << "the empty set is not a flag";
}

TEST(SearchFinder, PlainAndRegularExpressionFlags)
{
    TTextFinder finder;
    const std::string text = "ab\rAB ab";
    TStringStream stream(text);
    auto m = finder.find(stream, "AB", TSearchFlags::MatchCase, 0);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 3);
    EXPECT_EQ(m->end, 5);
    m = finder.find(stream, "ab", TSearchFlags::Upward, 8);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 6);
    m = finder.find(stream, "b\\nA", TSearchFlags::RegExp, 0);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 1);
    EXPECT_EQ(m->end, 4);
    m = finder.find(stream, "[a-z]+", TSearchFlags::RegExp | TSearchFlags::Upward, 5);
    ASSERT_TRUE(m);
    EXPECT_EQ(m->start, 1);
    EXPECT_FALSE(finder.find(stream, "a**", TSearchFlags::RegExp, 0));
    EXPECT_EQ(finder.regex().errorId(), TREError::NestedRepeat);
    EXPECT_EQ(finder.regex().errorPosition(), 3);
}

TEST(SearchFinder, ReplaceAllWithGroupsAndEscapes)
{
    TTextFinder finder;
    const std::string text = "abc abc\rabx";
    TStringStream stream(text);
    const auto all = finder.collectAll(stream, "(ab)c", "%2%1\\t", TSearchFlags::RegExp, 0);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(applyAll(text, all), "cab\t cab\t\rabx");
    // Empty matches are skipped; matches do not overlap.
    TStringStream aaaa("aaaa");
    EXPECT_EQ(applyAll("aaaa", finder.collectAll(aaaa, "x*", "-", TSearchFlags::RegExp, 0)), "aaaa");
    EXPECT_EQ(finder.collectAll(aaaa, "aa", "b", {}, 0).size(), 2u);
    EXPECT_EQ(finder.collectAll(aaaa, "a+", "b", TSearchFlags::RegExp, 1).size(), 1u);
}

TEST(SearchFinder, PlainReplaceAllAgreesWithNaiveReplace)
{
    std::mt19937 rng(99);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    TTextFinder finder;
    for (int round = 0; round < 500; ++round) {
        std::string text, what;
        const int length = pick(80);
        for (int i = 0; i < length; ++i)
            text += "ab\r"[pick(3)];
        for (int i = 0, m = 1 + pick(3); i < m; ++i)
            what += "ab\r"[pick(3)];
        TStringStream stream(text);
        const auto all = finder.collectAll(stream, what, "<>", TSearchFlags::MatchCase, 0);
        ASSERT_EQ(applyAll(text, all), naiveReplaceAll(text, what, "<>")) << what;
    }
}
