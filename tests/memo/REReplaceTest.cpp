#include "memo/regex/REParser.h"
#include "memo/regex/REReplace.h"

#include <gtest/gtest.h>

#include <string>

using namespace tessaly::memo;

namespace {

std::string expand(const std::string& pattern, const std::string& text, const std::string& replacement)
{
    TREParser re;
    EXPECT_TRUE(re.compile(pattern));
    TStringStream stream(text);
    EXPECT_TRUE(re.match(stream, true));
    return expandReplacement(replacement, re.positions(), stream);
}

} // namespace

TEST(REReplace, PercentNumbersGiveTheRecordedElements)
{
    EXPECT_EQ(expand("(ab)c", "abc", "%2-%1"), "c-ab");
    EXPECT_EQ(expand("(ab)c", "xabc", "[%3]"), "[]");
    EXPECT_EQ(expand("a(b)(c)", "abc", "%1|%2|%3|%4"), "a|b||c"); // %3: the open of group 2
    EXPECT_EQ(expand("x", "x", "100%% %q %"), "100% q ");
    EXPECT_EQ(expand("x", "x", "%0"), "0");
    // At most three digits, and never above 255.
    EXPECT_EQ(expand("(a)b", "ab", "%256"), "6");
    EXPECT_EQ(expand("(a)b", "ab", "%255"), "");
    EXPECT_EQ(expand("(a)b", "ab", "%1%2"), "ab");
}

TEST(REReplace, BackslashEscapes)
{
    TStringStream none("");
    const std::array<std::int64_t, 256> table{};
    EXPECT_EQ(expandReplacement("a\\nb\\rc\\td\\se\\bf\\fg\\\\", table, none), "a\rb\nc\td e\bf\fg\\");
    EXPECT_EQ(expandReplacement("\\N\\R\\T\\S", table, none), "\r\n\t ");
    EXPECT_EQ(expandReplacement("\\x41\\X4a\\x4g\\xz", table, none), "AJ\x04gxz");
    EXPECT_EQ(expandReplacement("\\101\\60\\0x", table, none), std::string("A0\0x", 4));
    EXPECT_EQ(expandReplacement("ab\\777cd", table, none), "ab"); // above 255 ends it
    EXPECT_EQ(expandReplacement("\\q\\", table, none), "q");
}
