#include "parser/CharClass.h"
#include "parser/CompilerMessages.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaly::parser {
namespace {

// The characters a group accepts, for comparison with a plain set.
std::set<int> members(const TSM_CharGroup& g)
{
    std::set<int> out;
    for (int c = 0; c < 256; ++c)
        if (g.accepts(static_cast<std::uint8_t>(c)))
            out.insert(c);
    return out;
}

std::set<int> range(int a, int b)
{
    std::set<int> out;
    for (int c = a; c <= b; ++c)
        out.insert(c);
    return out;
}

TEST(CharClass, SetsRangesAndSingles)
{
    const auto g = parseCharClass("[a-c_0-1]x\\n");
    ASSERT_EQ(g.size(), 3u);
    EXPECT_EQ(members(g[0]), (std::set<int>{'a', 'b', 'c', '_', '0', '1'}));
    EXPECT_EQ(g[0].lowest, '0');
    EXPECT_EQ(g[0].highest, 'c');
    EXPECT_EQ(members(g[1]), std::set<int>{'x'});
    EXPECT_EQ(members(g[2]), std::set<int>{13});
}

TEST(CharClass, NegationEscapesAndBrackets)
{
    const auto g = parseCharClass("[^\\n\\r]");
    ASSERT_EQ(g.size(), 1u);
    auto all = range(0, 255);
    all.erase(13);
    all.erase(10);
    EXPECT_EQ(members(g[0]), all);

    EXPECT_EQ(members(parseCharClass("[\\]\\[]").at(0)), (std::set<int>{']', '['}));
    EXPECT_EQ(members(parseCharClass("[a-]").at(0)), (std::set<int>{'a', '-'})); // a trailing "-" is itself
    EXPECT_EQ(members(parseCharClass("[\\x41-\\x43]").at(0)), (std::set<int>{'A', 'B', 'C'}));
    EXPECT_EQ(members(parseCharClass("\\[").at(0)), std::set<int>{'['});
    EXPECT_EQ(parseCharClass("*/").size(), 2u);
}

TEST(CharClass, EmptyClassesAcceptEverything)
{
    EXPECT_TRUE(parseCharClass("").empty());
    const auto g = parseCharClass("[]");
    ASSERT_EQ(g.size(), 1u);
    EXPECT_TRUE(g[0].isAny());
    EXPECT_EQ(members(g[0]), range(0, 255));
}

TEST(CharClass, Errors)
{
    for (const char* bad : {"[abc", "[a-", "x\\", "[\\"}) {
        try {
            parseCharClass(bad);
            ADD_FAILURE() << bad;
        } catch (const ECharClass& e) {
            EXPECT_EQ(e.number, msgCharacterRange) << bad;
        }
    }
    try {
        parseCharClass("[9-0]");
        ADD_FAILURE();
    } catch (const ECharClass& e) {
        EXPECT_EQ(e.number, 0);
        EXPECT_STREQ(e.what(), "Characters not in correct order for range specifier");
    }
}

} // namespace
} // namespace tessaly::parser
