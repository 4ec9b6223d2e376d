// The parser runtime on small definitions: keywords, rules, states, handlers,
// and an editor highlighted incrementally against a full re-highlight.
#include "memo/SyntaxMemo.h"
#include "parser/runtime/StandardHandlers.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace tessaly::parser {
namespace {

const char* kMini = R"(
%%language
  name = 'Mini'
  case = __insensitive
  startstate = 0
  anchor = [1]
  contextstates = (21 [1])

%%words
  'if'    '[^a-z0-9_]' 1
  'then'  '[^a-z0-9_]' 1
  'iffy'  '[^a-z0-9_]' 6
  '/*'    ''           2
  '//'    ''           5
  '<?'    ''           10
  '?>'    ''           11 [1]
  'emit'  '[^a-z0-9_]' 21 [1]
  'if'    '[^a-z0-9_]' 22 [1]

%%tokens
  2 ? '' endswith * '*/'
  5 ? '[^\n]' endswith '\n'
  3 match '"' (__STD_C_STRING)
  4 match '[0-9]' (__STD_NUMBER_OR_FP)
  7 match '[a-z]' (__STD_IDENTIFIER)

%%tokens
  forstate 1
  4 match '[0-9]' (__STD_NUMBER)

%%states
  10 = [0] + [1] - [0]
  11 = [1] + [0] - [1]
)";

std::string scan(TSyntaxMemoParser& p, const std::string& text) { return test::scanValues(p, text); }

TEST(Runtime, KeywordsFollowGroupsAndCase)
{
    TSyntaxMemoParser p;
    p.compile(kMini);
    EXPECT_EQ(scan(p, "if iffy IF ifx"), "11066660110777");
    EXPECT_EQ(scan(p, "If"), "11") << "a keyword at the end of the text";
    EXPECT_EQ(scan(p, "#!"), "00") << "unmatched text comes one character at a time";
}

TEST(Runtime, ContinuationRulesAndHandlers)
{
    TSyntaxMemoParser p;
    p.compile(kMini);
    EXPECT_EQ(scan(p, "/* a */x"), "22222227");
    EXPECT_EQ(scan(p, "// c\rx"), "555507");
    EXPECT_EQ(scan(p, "\"a\\\"b\" 12.5e3"), "3333330444444");
    EXPECT_EQ(scan(p, "/* open"), "2222222") << "a comment that runs to the end of the text";
}

TEST(Runtime, StatesSwitchWordsAndStartTables)
{
    TSyntaxMemoParser p;
    p.compile(kMini);
    // Inside <? ?> the state is 1: 'emit' is a word, 'if' has another value,
    // and numbers use state 1's start table (digits only).
    EXPECT_EQ(scan(p, "emit<?emit if 1.5?>if"), "7777::EEEE0FF0404;;11");
    EXPECT_EQ(scan(p, "?>"), "00") << "a token outside its states is plain text";
}

TEST(Runtime, ResumeUsesTheContextStates)
{
    TSyntaxMemoParser p;
    p.compile(kMini);
    memo::TStringStream s("if");
    p.resumeAt(21); // a value whose context is state 1
    std::int64_t len = 0;
    EXPECT_EQ(p.nextToken(s, len), 22);
    s.setPosition(0);
    p.resumeAt(0);
    EXPECT_EQ(p.nextToken(s, len), 1);
}

TEST(Runtime, StandardHandlerEdges)
{
    auto run = [](int n, const std::string& text) {
        memo::TStringStream s(text);
        std::int64_t count = 0;
        return runStandardHandler(n, s, count) ? count : -1;
    };
    EXPECT_EQ(run(17, "me@host.org."), 11) << "the trailing full stop is left out";
    EXPECT_EQ(run(17, "no.at.sign"), -1);
    EXPECT_EQ(run(19, "comment //-->"), 10) << "stops before the comment end of the page";
    EXPECT_EQ(run(19, "a - b -- c"), 10);
    EXPECT_EQ(run(11, "12.x"), 2);
    EXPECT_EQ(run(15, "-3.5"), 4);
    EXPECT_EQ(run(15, "-x"), -1);
    EXPECT_EQ(run(12, "'it''s' x"), 7);
    EXPECT_EQ(run(13, "\"a\\\"b\"c"), 6);
    EXPECT_EQ(run(13, "\"open\rnext"), 5) << "stops before the line end";
    EXPECT_EQ(run(18, "\"open\rnext"), 6) << "takes the line end that stops it";
    EXPECT_EQ(run(0, "''x"), 2);
    EXPECT_EQ(run(0, "'x"), -1);
    EXPECT_EQ(run(1, "http://a.b/c?d=1. "), 16);
    EXPECT_EQ(run(10, "_a1 b"), 3);
    EXPECT_EQ(run(16, "123a"), 3);
}

std::vector<std::string> values(const memo::TSyntaxMemo& m)
{
    std::vector<std::string> out;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r)
        out.emplace_back(m.store().recordTokens(r));
    return out;
}

TEST(Runtime, EditorHighlightsIncrementallyLikeAFullScan)
{
    TSyntaxMemoParser p;
    p.compile(kMini);
    memo::TSyntaxMemo m;
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::mt19937 rng(9);
    static const char* pieces[] = {"if ", "<?", "?>", "emit ", "/*", "*/", "12", "\r\n", "\"s\"", "x", "//c"};
    for (int step = 0; step < 300; ++step) {
        const std::int64_t len = m.textLength();
        const std::int64_t a = static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1));
        const std::int64_t b = std::min<std::int64_t>(len, a + static_cast<std::int64_t>(rng() % 5));
        std::string ins;
        for (int k = static_cast<int>(rng() % 3); k >= 0; --k)
            ins += pieces[rng() % 11];
        m.setSelection(a, b);
        m.setSelText(ins);

        TSyntaxMemoParser q;
        q.assign(p);
        memo::TSyntaxMemo fresh;
        fresh.setParser(1, &q);
        fresh.setActiveParser(1);
        std::istringstream in(m.text());
        fresh.loadFromStream(in);
        // Restart points are runs of 'if'/'then' (value 1), which only
        // occur in state 0: a safe anchor for this language.
        ASSERT_EQ(values(m), values(fresh)) << "step " << step << " text " << ::testing::PrintToString(m.text());
    }
    EXPECT_EQ(p.clients().size(), 1u);
}

TEST(Runtime, StylesComeFromTheMap)
{
    TSyntaxMemoParser p;
    p.compile(R"(
%%language
  fontname = 'Mono'
  fontsize = 12
%%words
  'if' '' 1
%%map
  1 = 3
%%effects
  0 = ([], clBlack, clWhite)
  3 = ([fsBold fsUnderline], clRed, clWhite, [*])
)");
    const memo::TTokenStyle kw = p.tokenStyle(1);
    EXPECT_TRUE(kw.bold && kw.underline && !kw.italic && kw.ownColours);
    EXPECT_EQ(kw.foreground, memo::TColor::fromRgb(0xFF, 0, 0));
    const memo::TTokenStyle plain = p.tokenStyle(7);
    EXPECT_FALSE(plain.bold || plain.ownColours) << "no style of its own: the default style";
    EXPECT_EQ(p.fontName(), "Mono");
    EXPECT_EQ(p.fontSize(), 12);
}

} // namespace
} // namespace tessaly::parser
