#include "ScriptTestSupport.h"

namespace tessaly::parser::test {
namespace {

// One script per compiler message, each failing at a known place.
struct ErrorCase {
    const char* name;
    const char* script;
    int number;
    const char* text; // nullptr: the message table's text
    int line;
    int column;
};

const ErrorCase kCases[] = {
    {"EqualsExpected", "%%language\n  name 'x'", 4096, nullptr, 2, 8},
    {"OpenParenExpected", "%%language\n  editablestyles = 'a'", 4097, nullptr, 2, 20},
    {"CloseParenExpected", "%%language\n  gutter = (1 2)", 4098, nullptr, 2, 15},
    {"CommaExpected", "%%language\n  editablestyles = ('a' 1)", 4099, nullptr, 2, 25},
    {"OpenBracketExpected", "%%states\n  5 = 7", 4100, nullptr, 2, 7},
    {"CloseBracketExpected", "%%language\n  startstate = [1 2 'x']", 4101, nullptr, 2, 21},
    {"StringExpected", "%%language\n  name = 5", 4102, nullptr, 2, 10},
    {"SyntaxError", "\n  5", 4103, nullptr, 2, 3},
    {"ExpressionExpected", "%%language\n  gutter = 'x'", 4104, nullptr, 2, 12},
    {"TooManyEditableStyles", "%%language\n  editablestyles = ('a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, 'a',0, )", 4105, nullptr, 2, 196},
    {"ValueMustBeAByte", "%%map\n  300 = 1", 4106, nullptr, 2, 3},
    {"CharacterRange", "%%words\n  'x' '[ab' 1", 4107, nullptr, 2, 7},
    {"DuplicateWord", "%%words\n  'x' '' 1\n  'x' '' 2", 4108, nullptr, 3, 3},
    {"SingleCharacter", "%%words\n  'x' 'ab' 1", 4109, nullptr, 2, 7},
    {"MaxFourCharacters", "%%tokens\n  5 'a' endswith 'abcde'", 4110, nullptr, 2, 18},
    {"NumberOutOfRange", "%%language\n  gutter = 99999999999", 4111, nullptr, 2, 12},
    {"DuplicateHandler", "%%handler\n  'a' = 100\n  'a' = 101", 4112, nullptr, 3, 3},
    {"AmbiguousStart", "%%tokens\n  5 match 'a' (10)\n  6 match '[a-c]' (10)", 4113, nullptr, 3, 11},
    {"DuplicateEffect", "%%effects\n  1 = ([], 0, 0)\n  1 = ([], 0, 0)", 4114, nullptr, 3, 3},
    {"BadFontStyle", "%%effects\n  1 = ([3], 0, 0)", 4115, nullptr, 2, 9},
    {"UnexpectedEof", "%%language\n  name = 'abc", 4116, nullptr, 2, 10},
    {"UnknownScriptIdentifier", "%%language\n  push = 1", 4117, nullptr, 2, 3},
    {"BlankKeyName", "%%keys\n  caUNDO = '' ctrl + 'Z'", 4118, nullptr, 2, 12},
    {"KeyRequired", "%%keys\n  caUNDO = 'Undo' 'ZZ'", 4119, nullptr, 2, 19},
    {"NotImplemented", "%%tokens\n  5 match *", 4120, nullptr, 2, 11},
    {"RecursiveMacro", "#define G G\n%%language gutter = G", 4121, "Recursive expansion of macro 'G'", 2, 21},
    {"IncludeUnterminated", "\n#include \"abc", 4123, "#include filename missing terminating \"", 2, 1},
    {"IncludeOpen", "\n#include \"nofile.inc\"", 4124, "Unable to open #include file \"nofile.inc\"", 2, 1},
    {"UnknownIdentifier", "%%language\n  bogus = 1", 4125, "Identifier \"bogus\" Unknown", 2, 3},
    {"UnknownCharacter", "%%language\n  $", 4127, "Unknown character in input stream: #$24", 2, 3},
    {"RangeOutwith", "%%language\n  startstate = [256]", 4130, "Range error, value outwith 0 .. 255", 2, 17},
    {"ContextRespecified", "%%language\n  contextstates = (1 [0], 1 [2])", 4131, "Token value 1 re-specified in ContextState", 2, 27},
    {"MacroExpectedAfterIfdef", "\n#ifdef\n", 4134, nullptr, 2, 1},
    {"IncludeNotEnclosed", "\n#include abc", 4135, "#include filename not enclosed in \"...\" or <...>", 2, 1},
    {"MacroExpected", "\n#define  ", 4136, nullptr, 2, 1},
    {"RangeOrder", "%%words\n  'x' '[z-a]' 1", 0, "Characters not in correct order for range specifier", 2, 7},
};

class CompilerErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CompilerErrors, MessageLineAndColumn)
{
    const ErrorCase& c = GetParam();
    const auto e = compileError(c.script);
    ASSERT_TRUE(e.has_value()) << c.script;
    const std::string text = c.text ? c.text : compilerMessageText(c.number);
    EXPECT_EQ(e->number(), c.number);
    EXPECT_EQ(e->text(), text);
    EXPECT_EQ(e->line(), c.line);
    EXPECT_EQ(e->column(), c.column);
    EXPECT_EQ(std::string(e->what()), "** ERROR near line " + std::to_string(c.line) + ", Column " +
                                          std::to_string(c.column) + ": " + text);
}

// A script written with LF or CR alone fails at the same place as its CR LF twin.
TEST_P(CompilerErrors, SamePlaceWithLfOrCrLineEnds)
{
    const ErrorCase& c = GetParam();
    std::string cr = c.script;
    for (char& ch : cr)
        if (ch == '\n')
            ch = '\r';
    for (const std::string& script : {std::string(c.script), cr}) {
        std::optional<ECompileError> e;
        try {
            TSM_ParserTables tables;
            compileScript(script, {}, tables);
        } catch (const ECompileError& error) {
            e = error;
        }
        ASSERT_TRUE(e.has_value()) << c.script;
        EXPECT_EQ(e->number(), c.number);
        EXPECT_EQ(e->line(), c.line);
        EXPECT_EQ(e->column(), c.column);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMessage, CompilerErrors, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompilerErrorsTable, EveryNumberedCompilerMessageHasACase)
{
    for (int n = 4096; n <= 4136; ++n) {
        if (*compilerMessageText(n) == 0 || n == 4126 || n == 4128 || n == 4132 || n == 4133)
            continue; // not compile errors: parts of 4125, a default name, registry data
        bool found = false;
        for (const auto& c : kCases)
            found = found || c.number == n;
        EXPECT_TRUE(found) << n;
    }
}

TEST(CompilerErrorsTable, FailedCompileKeepsWhatWasCompiled)
{
    TSM_ParserTables t;
    const auto e = compileError("%%language name = 'Kept'\n%%words 'a' '' 1\n'b' '' 300", t);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->number(), msgValue0To255);
    EXPECT_EQ(t.settings.languageName, "Kept");
    EXPECT_EQ(t.keywords.keywords().size(), 1u);
}

TEST(CompilerErrorsTable, ErrorsNameTheSectionAndItem)
{
    const auto e = compileError("%%words\n  'while' '' 300");
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->context(), "%%Words - while");
}

// Scripts built to exhaust the compiler end with an error instead.
TEST(CompilerErrorsTable, RunawayScriptsAreStopped)
{
    const auto deep = compileError("%%language gutter = " + std::string(5000, '(') + "1" + std::string(5000, ')'));
    ASSERT_TRUE(deep.has_value());
    EXPECT_EQ(deep->number(), msgExpressionExpected);

    std::string script = "#define M0 1\n";
    for (int i = 1; i <= 40; ++i)
        script += "#define M" + std::to_string(i) + " M" + std::to_string(i - 1) + " + M" + std::to_string(i - 1) +
                  "\n";
    const auto wide = compileError(script + "%%language gutter = M40");
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->number(), msgMacroTooLarge);
    EXPECT_EQ(wide->text(), "Macro expansion too large");
}

} // namespace
} // namespace tessaly::parser::test
