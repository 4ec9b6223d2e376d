#include "ScriptTestSupport.h"

#include "parser/KeyStore.h"
#include "parser/ParserForm.h"
#include "parser/TableDump.h"
#include "parser/TableStream.h"

#include <fstream>
#include <random>
#include <sstream>

namespace tessaly::parser::test {
namespace {

std::string readText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::filesystem::path sampleScript()
{
    return std::filesystem::path(TESSALY_SOURCE_DIR) / "tests" / "parser" / "data" / "sample.syn";
}

TSM_ParserTables compiled(const std::string& script)
{
    TSM_ParserTables t;
    const auto e = compileError(script, t);
    EXPECT_FALSE(e.has_value()) << (e ? e->what() : "");
    return t;
}

// The entries stored at the trie node for a whole text, or nullptr.
const TSyntaxKeywords::Node* nodeFor(const TSyntaxKeywords& k, const std::string& text)
{
    std::int32_t n = k.rootOf(static_cast<std::uint8_t>(text[0]));
    for (std::size_t i = 1; n != TSyntaxKeywords::kNone && i < text.size(); ++i)
        n = k.childOf(n, k.fold(static_cast<std::uint8_t>(text[i])));
    return n == TSyntaxKeywords::kNone ? nullptr : &k.node(n);
}

std::vector<TKeywordEntry> entriesFor(const TSyntaxKeywords& k, const std::string& text)
{
    std::vector<TKeywordEntry> out;
    if (const auto* node = nodeFor(k, text))
        for (std::int32_t e = node->firstEntry; e != TSyntaxKeywords::kNone; e = k.entry(e).nextEntry)
            out.push_back(k.entry(e).value);
    return out;
}

TEST(Compile, WordsFollowGroupsStatesAndEffects)
{
    const auto t = compiled(R"(
%%language
  case = __insensitive
  startstate = [2]
%%words
  'Function' '[^a-z]' 30
  'end'      ''       31 [4 5]
  'end'      ''       32 [6]
  'x'        ''       30 [7]
)");
    const auto& k = t.keywords;
    EXPECT_EQ(k.caseFlag(), 0);
    // Lower-cased when added; the lookup folds the text the same way.
    EXPECT_EQ(k.keywords().at(0).keyword, "function");
    const auto fn = entriesFor(k, "FUNCTION");
    ASSERT_EQ(fn.size(), 1u);
    EXPECT_EQ(fn[0].token, 30);
    EXPECT_EQ(fn[0].states, TStateSet::of(2)); // the default context set
    const auto& follow = k.groups().at(fn[0].follow);
    EXPECT_TRUE(follow.negated);
    EXPECT_FALSE(follow.accepts('q'));
    EXPECT_TRUE(follow.accepts('('));
    // The same text in disjoint states answers with two entries.
    const auto end = entriesFor(k, "end");
    ASSERT_EQ(end.size(), 2u);
    EXPECT_EQ(end[0].token, 31);
    EXPECT_EQ(end[1].token, 32);
    EXPECT_EQ(k.groups().at(end[0].follow).isAny(), true);
    // Every keyword's states are allowed states of its token value.
    TStateSet allowed30 = TStateSet::of(2);
    allowed30.insert(7);
    EXPECT_EQ(t.effects[30]->allowed, allowed30);
    EXPECT_TRUE(t.effects[30]->enter.empty());
    // Node state sets are unions over the keywords through them.
    TStateSet e456;
    for (int s : {4, 5, 6})
        e456.insert(static_cast<std::uint8_t>(s));
    EXPECT_EQ(nodeFor(k, "e")->states, e456);
}

TEST(Compile, CaseCannotChangeUnderExistingWords)
{
    const auto e = compileError("%%words 'If' '' 1\n%%language case = __sensitive");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->number(), msgNotImplemented);
    EXPECT_FALSE(compileError("%%words 'If' '' 1\n%%language case = __insensitive").has_value());
}

// The trie against a plain list: every keyword is found with its entry,
// and no other text has entries.
TEST(Compile, KeywordTrieAgreesWithAPlainList)
{
    std::mt19937 rng(7);
    TSyntaxKeywords k;
    k.setCaseFlag(1);
    std::vector<std::pair<std::string, TKeywordEntry>> model;
    for (int i = 0; i < 600; ++i) {
        std::string w;
        const int len = 1 + static_cast<int>(rng() % 6);
        for (int j = 0; j < len; ++j)
            w += static_cast<char>('a' + rng() % 4);
        TKeywordEntry e;
        e.states = TStateSet::of(static_cast<std::uint8_t>(rng() % 5));
        e.token = static_cast<std::uint8_t>(rng() % 256);
        bool clash = false;
        for (const auto& [mw, me] : model)
            clash = clash || (mw == w && me.states.intersects(e.states));
        if (clash) {
            EXPECT_THROW(k.add(w, e), EKeywords);
            continue;
        }
        k.add(w, e);
        model.emplace_back(w, e);
    }
    for (int i = 0; i < 2000; ++i) {
        std::string w;
        const int len = 1 + static_cast<int>(rng() % 7);
        for (int j = 0; j < len; ++j)
            w += static_cast<char>('a' + rng() % 5);
        std::vector<TKeywordEntry> expected;
        TStateSet through;
        for (const auto& [mw, me] : model) {
            if (mw == w)
                expected.push_back(me);
            if (mw.compare(0, w.size(), w) == 0)
                through |= me.states;
        }
        const auto got = entriesFor(k, w);
        ASSERT_EQ(got.size(), expected.size()) << w;
        for (std::size_t j = 0; j < got.size(); ++j) {
            EXPECT_EQ(got[j].token, expected[j].token);
            EXPECT_EQ(got[j].states, expected[j].states);
        }
        const auto* node = nodeFor(k, w);
        EXPECT_EQ(node ? node->states : TStateSet(), through) << w;
    }
}

TEST(Compile, StartRulesPerStateTablesAndContinuations)
{
    const auto t = compiled(R"(
%%handler
  'mine' = 300
%%tokens
  5 match '[0-9]' (__STD_NUMBER)
  6 match 'a' | '[b-c]' ? '[xy]' endswith * '-->' InState [0 3]
  2 ? '' endswith * '*/'
  forstate 4
  7 match '"' (__STD_C_STRING)
  8 match '\'' ('mine')
)");
    for (char c = '0'; c <= '9'; ++c)
        ASSERT_NE(t.defaultStart.ruleFor(static_cast<std::uint8_t>(c)), nullptr);
    const auto* num = t.defaultStart.ruleFor('7');
    EXPECT_EQ(num->token, 5);
    EXPECT_TRUE(num->head.byHandler);
    EXPECT_FALSE(num->head.custom);
    EXPECT_EQ(num->head.handler, 16);
    EXPECT_EQ(num->states, TStateSet::of(0));
    EXPECT_EQ(t.defaultStart.ruleFor('d'), nullptr);

    const auto* r = t.defaultStart.ruleFor('b');
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r, t.defaultStart.ruleFor('a')); // one rule shared by its first characters
    EXPECT_TRUE(r->body.flag);
    EXPECT_TRUE(t.keywords.groups().at(r->body.group).accepts('y'));
    EXPECT_FALSE(t.keywords.groups().at(r->body.group).accepts('z'));
    EXPECT_TRUE(r->end.include);
    ASSERT_EQ(r->end.count, 3);
    EXPECT_TRUE(t.keywords.groups().at(r->end.groups[2]).accepts('>'));
    TStateSet s03 = TStateSet::of(0);
    s03.insert(3);
    EXPECT_EQ(r->states, s03);

    ASSERT_TRUE(t.continuation[2].has_value());
    EXPECT_TRUE(t.continuation[2]->body.flag);
    EXPECT_TRUE(t.keywords.groups().at(t.continuation[2]->body.group).isAny());

    EXPECT_EQ(t.statesWithTables, TStateSet::of(4));
    const auto& table4 = *t.stateStart[4];
    EXPECT_EQ(table4.ruleFor('"')->states, TStateSet::of(4));
    EXPECT_TRUE(table4.ruleFor('\'')->head.custom);
    EXPECT_EQ(table4.ruleFor('\'')->head.handler, 300);
    EXPECT_TRUE(t.needsCustomHandler);
    // The start table in force follows the lowest state that owns one.
    TStateSet s = TStateSet::of(1);
    EXPECT_EQ(&t.startTableFor(s), &t.defaultStart);
    s.insert(4);
    EXPECT_EQ(&t.startTableFor(s), &table4);
}

TEST(Compile, ContextSetsAnchorsAndEffects)
{
    const auto t = compiled(R"(
%%language
  startstate = 1
  contextstates = (30 [1 5], 50 [1 6])
  boundstates = [5 6]
%%states
  9 = [0] + [1 4 5] - 0 push
  10 = [0 5 6] pop + [0 4] - [1 5 6] pop [*]
%%containers
  [11 12] = [0] + 2
)");
    TStateSet s15 = TStateSet::of(1);
    s15.insert(5);
    EXPECT_EQ(t.contextStates[30], s15);
    EXPECT_EQ(t.contextStates[31], TStateSet::of(1)); // filled with the default context set
    EXPECT_EQ(t.contextStates[0], TStateSet::of(1));
    EXPECT_EQ(t.anchor, defaultAnchorSet());
    EXPECT_FALSE(t.needsCustomHandler);
    const auto& e9 = *t.effects[9];
    EXPECT_EQ(e9.allowed, TStateSet::of(0));
    EXPECT_TRUE(e9.enter.contains(4));
    EXPECT_EQ(e9.leave, TStateSet::of(0));
    EXPECT_EQ(e9.stack, kPushAfter);
    EXPECT_FALSE(e9.keep);
    const auto& e10 = *t.effects[10];
    EXPECT_EQ(e10.stack, kPopBefore | kPopAfter);
    EXPECT_TRUE(e10.keep);
    EXPECT_TRUE(t.effects[11]->lookahead);
    EXPECT_TRUE(t.effects[12]->enter.contains(2));
    EXPECT_FALSE(t.effects[13].has_value());
}

TEST(Compile, SettingsStylesKeysAndLists)
{
    const auto t = compiled(readText(sampleScript()));
    const auto& s = t.settings;
    EXPECT_EQ(s.languageName, "Mini");
    EXPECT_EQ(s.exampleText, "if (x) return 1;\relse return 2;");
    EXPECT_EQ(s.options, kDefaultOptions);
    EXPECT_EQ(s.tabColumnsText(), "4 8 12");
    ASSERT_EQ(s.editableStyles.size(), 3u);
    EXPECT_EQ(s.editableStyles[2].name, "Comment");
    EXPECT_EQ(s.styleOf[20], 1);
    EXPECT_EQ(s.styleOf[3], 2);
    EXPECT_EQ(s.styleOf[4], -1);
    EXPECT_EQ(s.styles[3]->fontStyle, kBold | kUnderline);
    EXPECT_TRUE(s.styles[2]->hotspot);
    EXPECT_TRUE(s.styles[2]->ownColours);
    EXPECT_FALSE(s.styles[2]->flagY);
    EXPECT_EQ(s.styles[1]->foreground, memo::TColor::fromStored(0x800000));

    // A command named in the script loses its default keys.
    TKeyBinding b;
    ASSERT_TRUE(s.keys.store().findKeys(17, 0, b));
    EXPECT_EQ(b, (TKeyBinding{kCtrlKey | 'K', 'I', 17}));
    EXPECT_FALSE(s.keys.store().findKeys(17, 1, b));
    EXPECT_EQ(s.keys.nameOf(41), "Undo it");
    EXPECT_EQ(s.templates.hotKey, kCtrlKey | kAltKey | 'J');
    EXPECT_EQ(s.autoReplace.triggerText(), ";,\\{Return}");
    ASSERT_EQ(s.autoReplace.items.size(), 2u);
    EXPECT_EQ(s.autoReplace.items[1].description, "typo");
    ASSERT_EQ(s.templates.items.size(), 1u);
    EXPECT_EQ(s.templates.items[0].body, "if (|) {\r}");
    ASSERT_EQ(s.keywordTables.size(), 1u);
    EXPECT_EQ(s.keywordTables[0].words.size(), 3u);
    EXPECT_EQ(s.keywordTables[0].words[2], (std::pair<std::string, std::int32_t>{"baz", 2}));
}

TEST(Compile, KeyClashIsAnErrorAtTheEntry)
{
    const auto e = compileError("%%keys\n  caUNDO = 'Undo' LEFT");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->text(), "Duplicate key sequence definition for\r\n\"Cursor left\" and \"Undo\"");
    EXPECT_EQ(e->line(), 2);
    EXPECT_EQ(e->column(), 3);
}

TEST(Compile, UnknownTriggerKeyIsAnErrorAtTheEntry)
{
    const auto e = compileError("%%keys\n  actionkeys = ';\\{Nowhere}'");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->text(), "Bad key specifier");
    EXPECT_EQ(e->line(), 2);
}

// The switches of both lists travel in the flag bytes of the stored form,
// template switches as the ones switched off, auto-replace ones as on.
TEST(Compile, ListSwitchesSurviveTheStoredForm)
{
    TSM_ParserTables t = compiled("%%language name = 'x'");
    t.settings.flags[0] = 0x50; // bits of their own beside the switches
    t.settings.setTemplateSwitches({true, false, true, false});
    t.settings.setAutoReplaceSwitches({false, true, false, true});
    TSM_ParserTables back;
    readParserForm(writeParserForm(t), back);
    EXPECT_EQ(back.settings.templateSwitches(), t.settings.templateSwitches());
    EXPECT_EQ(back.settings.autoReplaceSwitches(), t.settings.autoReplaceSwitches());
    EXPECT_EQ(back.settings.flags[0], 0x50);
    EXPECT_EQ(back.settings, t.settings);
}

// Compile, write, read, write again: the same bytes and the same dump.
TEST(Compile, StoredFormRoundTrip)
{
    const auto t1 = compiled(readText(sampleScript()));
    const std::string form1 = writeParserForm(t1);
    TSM_ParserTables t2;
    readParserForm(form1, t2);
    EXPECT_EQ(writeParserForm(t2), form1);
    EXPECT_EQ(writeTableStream(t2), writeTableStream(t1));
    EXPECT_EQ(dumpTables(t2), dumpTables(t1));
    EXPECT_EQ(t2.settings, t1.settings);

    TSM_ParserTables t3;
    assignTables(t2, t3);
    EXPECT_EQ(dumpTables(t3), dumpTables(t1));
}

TEST(Compile, StoredFormHeader)
{
    const auto t = compiled(readText(sampleScript()));
    const std::string form = writeParserForm(t);
    const std::string stream = writeTableStream(t);
    EXPECT_EQ(static_cast<unsigned char>(form[0]), 49);
    EXPECT_EQ(form[1], 0);
    const auto u = [&](std::size_t i) { return static_cast<unsigned char>(form[i]); };
    EXPECT_EQ(u(2) | (u(3) << 8) | (u(4) << 16) | (u(5) << 24), stream.size());
    EXPECT_EQ(form.substr(6, 4), "WRZL");
    EXPECT_EQ(u(10) | (u(11) << 8) | (u(12) << 16) | (u(13) << 24), stream.size());
}

// The example of the user documentation compiles as it stands.
TEST(Compile, DocumentationExampleCompiles)
{
    const std::string doc =
        readText(std::filesystem::path(TESSALY_SOURCE_DIR) / "docs" / "language-definitions.md");
    const std::string open = "```\n%%language";
    const auto b = doc.find(open);
    ASSERT_NE(b, std::string::npos);
    const auto e = doc.find("```", b + 3);
    ASSERT_NE(e, std::string::npos);
    const auto t = compiled(doc.substr(b + 4, e - b - 4));
    EXPECT_FALSE(t.keywords.keywords().empty());
}

} // namespace
} // namespace tessaly::parser::test
