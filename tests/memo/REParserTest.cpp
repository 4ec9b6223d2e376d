#include "memo/CharBlocks.h"
#include "memo/regex/REParser.h"
#include "memo/regex/REProgram.h"
#include "memo/regex/REProgramCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tessaly::memo;

namespace {

struct Found {
    bool found;
    std::int64_t start;
    std::int64_t end;
};

Found search(const std::string& pattern, const std::string& text, std::int64_t from = 0, bool forward = true)
{
    TREParser re;
    EXPECT_TRUE(re.compile(pattern)) << pattern << ": " << re.errorText();
    TStringStream stream(text);
    stream.setPosition(from);
    const bool found = re.match(stream, forward);
    EXPECT_EQ(re.errorId(), TREError::NoError) << re.errorText();
    return found ? Found{true, re.matchStart(), re.matchEnd()} : Found{false, -1, -1};
}

void expectError(const std::string& pattern, TREError error, int position)
{
    TREParser re;
    EXPECT_FALSE(re.compile(pattern)) << pattern;
    EXPECT_EQ(re.errorId(), error) << pattern << ": " << re.errorText();
    EXPECT_EQ(re.errorPosition(), position) << pattern;
    EXPECT_FALSE(re.compiled());
}

} // namespace

TEST(REParser, CompileErrorsNameTheErrorAndWhereItWasFound)
{
    expectError("", TREError::InvalidParameter, 1);
    expectError("x**", TREError::NestedRepeat, 3);
    expectError("x+?", TREError::NestedRepeat, 3);
    expectError("*", TREError::InvalidRepeat, 1);
    expectError("a|+b", TREError::InvalidRepeat, 3);
    expectError("(^)*", TREError::InvalidRepeat, 4);
    expectError("[z-a]", TREError::InvalidRange, 4);
    expectError("[a-]", TREError::InvalidRange, 4);
    expectError("(a", TREError::UnmatchedParenthesis, 3);
    expectError("a)", TREError::UnmatchedParenthesis, 2);
    expectError("(1)(2)(3)(4)(5)(6)(7)(8)(9)(10)", TREError::TooManySubexpressions, 28);
    expectError("[]", TREError::UnmatchedBracket, 2);
    expectError("[^]a", TREError::UnmatchedBracket, 3);
    expectError("[abc", TREError::UnmatchedBracket, 5);
    expectError("a\\xg", TREError::HexDigitExpected, 4);
    expectError("[\\x]", TREError::HexDigitExpected, 4);
    expectError("ab\\", TREError::UnexpectedEnd, 4);
    expectError("\"abc", TREError::QuoteExpected, 5);
    EXPECT_STREQ(reErrorText(TREError::QuoteExpected), "' expected");
    EXPECT_STREQ(reErrorText(TREError::TooComplex), "Expression too complex");
}

TEST(REParser, NineGroupsAndEmptyAlternativesCompile)
{
    TREParser re;
    EXPECT_TRUE(re.compile("(1)(2)(3)(4)(5)(6)(7)(8)(9)"));
    EXPECT_EQ(re.groupCount(), 9);
    EXPECT_TRUE(re.compile("()x"));
    EXPECT_TRUE(re.compile("a|"));
    EXPECT_TRUE(search("a|", "b").found);
}

TEST(REParser, ProgramHasMagicByteNodesAndTwoByteNextOffsets)
{
    TREParser re;
    ASSERT_TRUE(re.compile("ab*"));
    using namespace re;
    // MAGIC; BRANCH -> END; EXACTLY "a" -> STAR; STAR(EXACTLY "b") -> END; END
    const std::vector<std::uint8_t> expected = {
        magic,
        BRANCH, 0, 16,
        EXACTLY, 0, 5, 'a', 0,
        STAR, 0, 8,
        EXACTLY, 0, 0, 'b', 0,
        END, 0, 0,
    };
    EXPECT_EQ(re.program(), expected);
    EXPECT_TRUE(isWellFormedProgram(re.program()));
    std::vector<std::uint8_t> broken = expected;
    broken[3] = 40; // BRANCH's next now points past the end
    EXPECT_FALSE(isWellFormedProgram(broken));
}

TEST(REParser, ProgramSizeIsLimited)
{
    TREParser re;
    // A literal of n characters takes n + 4 bytes; the frame 7 more.
    EXPECT_TRUE(re.compile(std::string(4096 - 11, 'a')));
    EXPECT_EQ(re.program().size(), 4096u);
    EXPECT_FALSE(re.compile(std::string(4096 - 10, 'a')));
    EXPECT_EQ(re.errorId(), TREError::TooComplex);
    EXPECT_FALSE(re.compile(std::string(1400, '.')));
    EXPECT_EQ(re.errorId(), TREError::TooComplex);
}

TEST(REParser, CompilingTheSamePatternAgainKeepsTheProgram)
{
    TREParser re;
    ASSERT_TRUE(re.compile("a+b"));
    const std::uint8_t* program = re.program().data();
    ASSERT_TRUE(re.compile("a+b"));
    EXPECT_EQ(re.program().data(), program);
    EXPECT_FALSE(re.compile("a**"));
    EXPECT_FALSE(re.compiled());
    EXPECT_TRUE(re.compile("a+b"));
}

TEST(REParser, RecordedPositionsOfGroupOneCountAsOneElement)
{
    TREParser re;
    ASSERT_TRUE(re.compile("(ab)c"));
    TStringStream text("abc");
    ASSERT_TRUE(re.match(text, true));
    EXPECT_EQ(re.matchPosition(0), 0);
    EXPECT_EQ(re.matchPosition(1), 2);
    for (int i = 2; i < 256; ++i)
        EXPECT_EQ(re.matchPosition(i), 3);
    EXPECT_EQ(re.matchPosition(256), -1);
    EXPECT_EQ(re.errorId(), TREError::IndexRange);
    // A failed match leaves no positions of the one before.
    TStringStream other("xyz");
    EXPECT_FALSE(re.match(other, true));
    EXPECT_EQ(re.matchStart(), -1);
    EXPECT_EQ(re.matchPosition(1), -1);
    EXPECT_EQ(re.groupStart(1), -1);
}

TEST(REParser, RecordedPositionsOfOtherElements)
{
    TREParser re;
    // x, group 2 (open, then "a" inside), the star of b, then "c".
    ASSERT_TRUE(re.compile("x(a)(b)*c"));
    TStringStream text("__xabbc");
    ASSERT_TRUE(re.match(text, true));
    // Group 1 = (a) folds into one entry; group 2 repeats: each pass
    // records its open and its b.
    const std::vector<std::int64_t> expected = {2, 3, 4, 4, 5, 5, 6, 7, 7};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(re.matchPosition(static_cast<int>(i)), expected[i]) << i;
    EXPECT_EQ(re.groupStart(2), 5);
    EXPECT_EQ(re.groupEnd(2), 6);
}

TEST(REParser, MoreThan256RecordedPositionsFailTheMatch)
{
    TREParser re;
    // Every pass of a repeated group records its open and its "a".
    ASSERT_TRUE(re.compile("(x)(a)*"));
    const std::string shortRun = "x" + std::string(100, 'a');
    TStringStream ok(shortRun);
    EXPECT_TRUE(re.match(ok, true));
    const std::string longRun = "x" + std::string(200, 'a');
    TStringStream tooMany(longRun);
    EXPECT_FALSE(re.match(tooMany, true));
    EXPECT_EQ(re.errorId(), TREError::IndexRange);
}

TEST(REParser, LineEndsAreCarriageReturns)
{
    const std::string text = "xa\rbx\rc";
    Found f = search("a\\nb", text);
    EXPECT_TRUE(f.found);
    EXPECT_EQ(f.start, 1);
    EXPECT_EQ(f.end, 4);
    EXPECT_FALSE(search("a.b", text).found); // "." never takes a CR
    EXPECT_TRUE(search("a[^z]b", text).found); // a list can
    f = search("^b", text);
    EXPECT_EQ(f.start, 3);
    f = search("x$", text);
    EXPECT_EQ(f.start, 4);
    f = search("c$", text); // the last line ends without CR
    EXPECT_EQ(f.start, 6);
    f = search("x.*", text);
    EXPECT_EQ(f.end, 2); // .* stops at the line end
    EXPECT_EQ(search("\\N", "a\rb").start, 1);
    EXPECT_EQ(search("\\r", "a\nb").start, 1);
}

TEST(REParser, QuotedStringsAreLiteral)
{
    Found f = search("\"a.*\"", "aaa a.* b");
    EXPECT_TRUE(f.found);
    EXPECT_EQ(f.start, 4);
    EXPECT_EQ(f.end, 7);
    f = search("x\"ab\"*y", "xababy xy");
    EXPECT_EQ(f.start, 0);
    EXPECT_EQ(f.end, 6);
    EXPECT_EQ(search("\"\\x41\"", "zA").start, 1);
}

TEST(REParser, EscapesInPatternsAndLists)
{
    EXPECT_EQ(search("\\x41", "zzA").start, 2);
    EXPECT_EQ(search("\\X4", "z\x04").start, 1);
    EXPECT_EQ(search("\\101", "zA").start, 1);
    EXPECT_EQ(search("\\T", "a\tb").start, 1);
    EXPECT_EQ(search("\\s", "ab c").start, 2);
    EXPECT_EQ(search("\\*", "a*").start, 1);
    EXPECT_EQ(search("[\\x30-\\x39]+", "ab123c").end, 5);
    EXPECT_EQ(search("[\\]]", "a]").start, 1);
    EXPECT_EQ(search("[-a]", "x-").start, 1);
    // Byte 0 never occurs in stored text, so it never matches.
    EXPECT_FALSE(search("\\x00", std::string("a\0b", 3)).found);
    EXPECT_TRUE(search("[^\\x00]", "a").found);
}

TEST(REParser, SearchesBackwardFromTheGivenOffset)
{
    const std::string text = "ab ab ab";
    EXPECT_EQ(search("ab", text, 8, false).start, 6); // from the end: one step back first
    EXPECT_EQ(search("ab", text, 6, false).start, 6);
    EXPECT_EQ(search("ab", text, 5, false).start, 3);
    EXPECT_EQ(search("b a", text, 2, false).start, 1);
    EXPECT_FALSE(search("b a", text, 0, false).found);
    EXPECT_EQ(search("[ab]+", text, 4, false).start, 4);
    EXPECT_EQ(search("^a", "xa\ra", 3, false).start, 3);
    EXPECT_FALSE(search("^a", "xa\rb", 3, false).found);
}

TEST(REParser, ForwardSearchStartsAtTheStreamPosition)
{
    EXPECT_EQ(search("ab", "ab ab", 1).start, 3);
    EXPECT_FALSE(search("ab", "ab ab", 4).found);
    // An empty match may be found at the very end.
    const Found f = search("x*$", "ab", 2);
    EXPECT_TRUE(f.found);
    EXPECT_EQ(f.start, 2);
    EXPECT_EQ(f.end, 2);
}

TEST(REParser, StarBacksOffToTheLiteralThatFollows)
{
    Found f = search("a.*b", "a1b2b3");
    EXPECT_EQ(f.end, 5);
    f = search("<[a-z]+", "x <div> <Y <p>");
    EXPECT_EQ(f.start, 2);
    EXPECT_EQ(f.end, 6);
    f = search("(a|ab)(c|bcd)(d*)", "abcd");
    EXPECT_EQ(f.end, 4);
}

TEST(REParser, RunawayBacktrackingStopsWithAnError)
{
    TREParser re;
    re.setStepLimit(100000);
    ASSERT_TRUE(re.compile("(a|aa)*(b|c)*(a|aa)*d"));
    // The d every match needs is there, so every start must be tried.
    const std::string text = std::string(40, 'a') + "xd";
    TStringStream stream(text);
    EXPECT_FALSE(re.match(stream, true));
    EXPECT_EQ(re.errorId(), TREError::TooComplex);
    // Without a d anywhere the search knows at once that nothing matches.
    const std::string onlyA(40, 'a'); // the stream only views its text
    TStringStream noD(onlyA);
    EXPECT_FALSE(re.match(noD, true));
    EXPECT_EQ(re.errorId(), TREError::NoError);
}

TEST(REParser, SimpleRepeatsRunOverLongTexts)
{
    // One pass over a long line is not runaway backtracking, even with a
    // small step budget.

    const std::string text = std::string(300000, 'a') + "b";
    TREParser re;
    re.setStepLimit(1000);
    ASSERT_TRUE(re.compile("a*b"));
    TStringBlockStream stream(text);
    ASSERT_TRUE(re.match(stream, true));
    EXPECT_EQ(re.matchEnd(), 300001);
    ASSERT_TRUE(re.compile("x?[^b]+b"));
    stream.setPosition(5);
    ASSERT_TRUE(re.match(stream, true));
    EXPECT_EQ(re.matchStart(), 5);
    EXPECT_EQ(re.matchEnd(), 300001);
}

TEST(REParser, MatchesTextReadThroughSmallWindows)
{
    // TStringStream offers no blocks: the matcher reads through copies of
    // 4096 characters, and matches must cross their borders.
    std::string text(10000, 'x');
    text.replace(4094, 5, "hello");
    text.replace(8190, 3, "a\rb");
    TREParser re;
    ASSERT_TRUE(re.compile("hel+o"));
    TStringStream stream(text);
    ASSERT_TRUE(re.match(stream, true));
    EXPECT_EQ(re.matchStart(), 4094);
    ASSERT_TRUE(re.compile("a\\nb"));
    stream.setPosition(9999);
    ASSERT_TRUE(re.match(stream, false));
    EXPECT_EQ(re.matchStart(), 8190);
    EXPECT_EQ(stream.position(), 8190);
}
