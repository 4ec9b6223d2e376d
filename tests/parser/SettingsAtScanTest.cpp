// What a language's settings bring to the scan and to the editor: the
// settings' own keyword tables, the token report of a highlighting pass,
// the highlighting switch, and the colour schemes.
#include "memo/SyntaxMemo.h"
#include "parser/BuiltinDefinitions.h"
#include "parser/ColourSchemes.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include "ScanTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessaly::parser {
namespace {

const char* kTables = R"(
%%language
  name = 'Tables'
  case = __insensitive
  startstate = 0

%%words
  'if' '[^a-z]' 1
  '<?' ''       10

%%tokens
  7 match '[a-z]' (__STD_IDENTIFIER)

%%tokens
  forstate 1
  4 match '[0-9]' (__STD_NUMBER)

%%states
  10 = [0] + [1] - [0]

%%kwTables
  forstate [0] endswith '[^a-z]' ( 8 is 'alpha', 'alphabet', 9 is 'beta' )
)";

std::string scan(TSyntaxMemoParser& p, const std::string& text) { return test::scanValues(p, text); }

TEST(SettingsKeywordTables, WordsAreFoundWhereTheMainTableHasNone)
{
    TSyntaxMemoParser p;
    p.compile(kTables);
    ASSERT_EQ(p.tables().settings.keywordTables.size(), 1u);
    // The longest word wins, its end must be followed by a non-letter, case
    // does not matter, and the main keyword table still comes first.
    EXPECT_EQ(scan(p, "alpha alphabet BETA"), "8888808888888809999");
    EXPECT_EQ(scan(p, "alphax if"), "777777011");
    // Outside the table's states the words are plain text again.
    EXPECT_EQ(scan(p, "<? beta"), "::00000"); // "<?" is token 10

    // The tables travel with the stored form.
    TSyntaxMemoParser copy;
    copy.setParser(p.parser());
    EXPECT_EQ(scan(copy, "beta alpha"), "9999088888");
}

TEST(SettingsKeywordTables, ChangedSettingsChangeTheScan)
{
    TSyntaxMemoParser p;
    p.compile(kTables);
    TSM_Settings s = p.tables().settings;
    s.keywordTables.front().words.emplace_back("gamma", 5);
    p.setSettings(s);
    EXPECT_EQ(scan(p, "gamma"), "55555");
    s.keywordTables.clear();
    p.setSettings(s);
    EXPECT_EQ(scan(p, "beta"), "7777");
}

struct Seen {
    memo::TTokenSeen what;
    std::int64_t start;
    std::int64_t length;
    std::uint8_t value;
};

std::string storedValues(const memo::TSyntaxMemo& m)
{
    std::string out;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r) {
        out += m.store().recordTokens(r);
        out += '\n'; // the line break's own value is not compared
    }
    return out;
}

TEST(TokenSeen, EveryAssignedTokenIsReportedBetweenBeginAndEnd)
{
    auto p = std::make_unique<TSyntaxMemoParser>();
    p->setParser(builtinParserForm(BuiltinLanguage::HTML));
    memo::TSyntaxMemo m;
    std::vector<Seen> seen;
    m.onTokenSeen = [&](memo::TSyntaxMemo&, memo::TTokenSeen what, std::int64_t start, std::int64_t length,
                        std::uint8_t value) { seen.push_back({what, start, length, value}); };
    m.setParser(1, p.get());
    m.setActiveParser(1);
    std::istringstream in("<HTML>\r\n<BODY bgcolor=\"red\">\r\n<SCRIPT>var x = 1;</SCRIPT>\r\n</BODY>\r\n");
    m.loadFromStream(in);

    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front().what, memo::TTokenSeen::passBegin);
    EXPECT_EQ(seen.back().what, memo::TTokenSeen::passEnd);
    // The reported tokens, laid side by side, give exactly the values the
    // editor stored.
    std::string fromReports(static_cast<std::size_t>(m.store().length().value()), '\0');
    std::int64_t next = 0;
    int begins = 0, ends = 0;
    for (const Seen& s : seen) {
        begins += s.what == memo::TTokenSeen::passBegin;
        ends += s.what == memo::TTokenSeen::passEnd;
        if (s.what != memo::TTokenSeen::token)
            continue;
        EXPECT_EQ(s.start, next) << "tokens follow one another";
        for (std::int64_t i = s.start; i < s.start + s.length; ++i)
            fromReports[static_cast<std::size_t>(i)] = static_cast<char>(s.value);
        next = s.start + s.length;
    }
    EXPECT_EQ(begins, ends);
    for (std::int64_t r = 0; r < m.store().recordCount().value(); ++r) {
        const std::int64_t start = m.store().recordStart(memo::TRecordIndex(r)).value();
        const std::string_view stored = m.store().recordTokens(memo::TRecordIndex(r));
        EXPECT_EQ(fromReports.substr(static_cast<std::size_t>(start), stored.size()), std::string(stored))
            << "record " << r;
    }

    // An edit reports a pass of its own.
    seen.clear();
    m.setSelStart(1);
    m.setSelText("x");
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen.front().what, memo::TTokenSeen::passBegin);
    EXPECT_EQ(seen.back().what, memo::TTokenSeen::passEnd);
    m.setActiveParser(0);
}

TEST(SyntaxHighlightSwitch, OffLeavesTheTextUncolouredAndOnColoursItAgain)
{
    auto p = std::make_unique<TSyntaxMemoParser>();
    p->setParser(builtinParserForm(BuiltinLanguage::JavaScript));
    memo::TSyntaxMemo m;
    m.setParser(1, p.get());
    m.setActiveParser(1);
    std::istringstream in("var x = \"text\"; // note\r\nfunction f() { return 1; }\r\n");
    m.loadFromStream(in);
    const std::string coloured = storedValues(m);
    ASSERT_NE(coloured.find_first_not_of(std::string("\0\n", 2)), std::string::npos);

    memo::TSyntaxMemoOptions o = m.options();
    o.set(memo::TSyntaxMemoOption::smoSyntaxHighlight, false);
    m.setOptions(o);
    EXPECT_EQ(storedValues(m).find_first_not_of(std::string("\0\n", 2)), std::string::npos);
    m.setSelStart(0);
    m.setSelText("x");
    EXPECT_EQ(storedValues(m).find_first_not_of(std::string("\0\n", 2)), std::string::npos)
        << "typing does not colour either";

    m.setSelStart(0);
    m.setSelLength(1);
    m.setSelText("");
    o.set(memo::TSyntaxMemoOption::smoSyntaxHighlight, true);
    m.setOptions(o);
    EXPECT_EQ(storedValues(m), coloured);
    m.setActiveParser(0);
}

TEST(ColourSchemes, DarkReadsWellForEveryStyleOfEveryLanguage)
{
    for (BuiltinLanguage language : {BuiltinLanguage::HTML, BuiltinLanguage::JavaScript, BuiltinLanguage::VBScript,
                                     BuiltinLanguage::PlainText}) {
        TSyntaxMemoParser p;
        if (language == BuiltinLanguage::PlainText)
            p.compile(std::string(plainTextScript()));
        else
            p.setParser(builtinParserForm(language));
        const TSM_Settings builtin = p.tables().settings;
        TSM_Settings s = builtin;
        applyColourScheme("Dark", builtin, s);
        ASSERT_TRUE(s.styles[0]);
        EXPECT_LT(contrastRatio(paintedBackground(s, *s.styles[0]), memo::TColor()), 1.5) << "the page is dark";
        for (std::size_t i = 0; i < s.styles.size(); ++i) {
            if (!s.styles[i])
                continue;
            const double ratio = contrastRatio(s.styles[i]->foreground, paintedBackground(s, *s.styles[i]));
            EXPECT_GE(ratio, 4.5) << "style " << i << " of " << s.languageName;
            EXPECT_EQ(s.styles[i]->fontStyle, builtin.styles[i] ? builtin.styles[i]->fontStyle : 0);
        }
        EXPECT_GE(contrastRatio(s.selTextColour, s.selTextBack), 4.5);

        // Classic brings the language's own colours back.
        applyColourScheme("Classic", builtin, s);
        EXPECT_EQ(s.styles, builtin.styles);
        EXPECT_EQ(s.selTextBack, builtin.selTextBack);
    }
}

TEST(ColourSchemes, ContrastRatioMatchesKnownValues)
{
    using memo::TColor;
    const TColor white = TColor::fromRgb(0xFF, 0xFF, 0xFF);
    EXPECT_NEAR(contrastRatio(TColor(), white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(white, white), 1.0, 1e-9);
    // Pure red on white, a well-known 4.0:1.
    EXPECT_NEAR(contrastRatio(TColor::fromRgb(0xFF, 0, 0), white), 4.0, 0.01);
}

} // namespace
} // namespace tessaly::parser
