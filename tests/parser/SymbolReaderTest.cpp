#include "ScriptTestSupport.h"

#include <fstream>

namespace tessaly::parser::test {
namespace {

std::string stringOf(const std::string& text)
{
    const auto syms = symbolsOf(text);
    EXPECT_EQ(syms.size(), 1u);
    EXPECT_EQ(syms.at(0).kind, SymbolKind::string);
    return syms.at(0).text;
}

std::int64_t numberOf(const std::string& text)
{
    const auto syms = symbolsOf(text);
    EXPECT_EQ(syms.size(), 1u);
    EXPECT_EQ(syms.at(0).kind, SymbolKind::number);
    return syms.at(0).number;
}

ECompileError errorOf(const std::string& text, const std::filesystem::path& folder = {})
{
    try {
        symbolsOf(text, folder);
    } catch (const ECompileError& e) {
        return e;
    }
    ADD_FAILURE() << "no error for: " << text;
    return ECompileError(-1, "", 0, 0);
}

TEST(SymbolReader, StringEscapes)
{
    EXPECT_EQ(stringOf(R"('\n\r')"), std::string("\x0d\x0a"));
    EXPECT_EQ(stringOf(R"('\b\e\s\t')"), std::string("\x08\x1b \t"));
    EXPECT_EQ(stringOf(R"('\x41\x4a2')"), "AJ2");
    EXPECT_EQ(stringOf(R"('\101\7\0')"), std::string("A\x07\0", 3));
    EXPECT_EQ(stringOf(R"('\q\'\\')"), "q'\\");
    EXPECT_EQ(stringOf("''"), "");
}

TEST(SymbolReader, StringContinuesOnNextLineWithoutTheBreak)
{
    EXPECT_EQ(stringOf("'abc\\\n      def'"), "abcdef");
    EXPECT_EQ(stringOf("'abc\\\n   \\  def'"), "abc  def");
    // The raw text keeps escapes for character classes but not the break.
    const auto syms = symbolsOf("'[\\]]\\\n  x'");
    EXPECT_EQ(syms.at(0).raw, "[\\]]x");
}

TEST(SymbolReader, BlanksCommentsNumbersSignsAndWords)
{
    const auto syms = symbolsOf("  \t\xa0 12 /* a * comment **/ = // rest\n ( %%words name InState [*]");
    ASSERT_EQ(syms.size(), 9u);
    EXPECT_EQ(syms[0].number, 12);
    EXPECT_TRUE(syms[1].is('='));
    EXPECT_EQ(syms[1].line, 1);
    EXPECT_TRUE(syms[2].is('('));
    EXPECT_EQ(syms[2].line, 2);
    EXPECT_EQ(syms[2].column, 2);
    EXPECT_TRUE(syms[3].is(Word::secWords));
    EXPECT_TRUE(syms[4].is(Word::name));
    EXPECT_TRUE(syms[5].is(Word::InState));
    EXPECT_TRUE(syms[6].is('['));
    EXPECT_TRUE(syms[7].is('*'));
    EXPECT_TRUE(syms[8].is(']'));
    EXPECT_TRUE(symbolsOf("%%handlers").at(0).is(Word::secHandler));
}

TEST(SymbolReader, EveryLineEndCountsOneLine)
{
    // LF, CR and CR LF each end one line.
    TSYM_Compiler in("\n\n\r\r  \n  =", {});
    const TSymbol& s = in.next();
    EXPECT_EQ(s.line, 6);
    EXPECT_EQ(s.column, 3);
    TSYM_Compiler pairs("\r\n\r\n  \r\n =", {});
    const TSymbol& p = pairs.next();
    EXPECT_EQ(p.line, 4);
    EXPECT_EQ(p.column, 2);
}

TEST(SymbolReader, PredefinedMacros)
{
    EXPECT_EQ(numberOf("__OPT_SHOW_RMARGIN"), numberOf("__OPT_SHOW_RIGHT_MARGIN"));
    EXPECT_EQ(numberOf("__OPT_SHOW_RMARGIN"), 0x8000);
    EXPECT_EQ(numberOf("__DEFAULT_OPTIONS"), 67099632);
    EXPECT_EQ(numberOf("__STD_IDENTIFIER"), 10);
    EXPECT_EQ(numberOf("__STD_JS_LINE_COMMENT"), 19);
    EXPECT_EQ(numberOf("__STD_C_STRING_SQ"), 20);
    EXPECT_EQ(numberOf("clBlue"), 0xff0000);
    EXPECT_EQ(numberOf("clDkGray"), numberOf("clGray"));
    EXPECT_EQ(numberOf("caGOTOBOOKMARK9"), 39);
    EXPECT_EQ(numberOf("caPRINTSEL"), 44);
    EXPECT_EQ(numberOf("F12"), 123);
    EXPECT_EQ(numberOf("PGDN"), 34);
    EXPECT_EQ(numberOf("_WEB_CHAR"), 1);
    EXPECT_EQ(numberOf("fsUnderline"), 2);
}

TEST(SymbolReader, MacrosExpandInsideMacros)
{
    const auto syms = symbolsOf("#define A B + 1\n#define B (2)\nA");
    ASSERT_EQ(syms.size(), 5u);
    EXPECT_TRUE(syms[0].is('('));
    EXPECT_EQ(syms[1].number, 2);
    EXPECT_EQ(syms[4].number, 1);
    // A macro may be used any number of times in a row.
    EXPECT_EQ(symbolsOf("#define X 7\nX X X").size(), 3u);
}

TEST(SymbolReader, RecursiveMacroNamesTheMacro)
{
    const auto e = errorOf("#define LOOP 1 + LOOP\n  LOOP");
    EXPECT_EQ(e.number(), msgRecursiveMacro);
    EXPECT_EQ(e.text(), "Recursive expansion of macro 'LOOP'");
    const auto e2 = errorOf("#define A B\n#define B A\nA");
    EXPECT_EQ(e2.text(), "Recursive expansion of macro 'A'");
    EXPECT_EQ(e2.line(), 3);
    // A macro whose text is its own name expands to itself.
    EXPECT_EQ(errorOf("ver200").text(), "Recursive expansion of macro 'ver200'");
}

TEST(SymbolReader, ConditionalParts)
{
    EXPECT_EQ(symbolsOf("#ifdef ver200\n1\n#else\n2\n#endif").at(0).number, 1);
    EXPECT_EQ(symbolsOf("#ifndef ver200\n1\n#else\n2\n#endif").at(0).number, 2);
    EXPECT_EQ(symbolsOf("#ifdef NOPE\n #ifdef ver200\n 1\n #else\n 2\n #endif\n#else\n3\n#endif").size(), 1u);
    EXPECT_EQ(symbolsOf("#ifdef NOPE\n #ifdef ver200\n 1\n #else\n 2\n #endif\n#else\n3\n#endif").at(0).number,
              3);
    // Skipped text may hold anything, even characters that are no symbol.
    EXPECT_TRUE(symbolsOf("#ifdef NOPE\n $ @ ` #define X 1\n#endif").empty());
    EXPECT_EQ(errorOf("X").number(), msgIdentifier);
    EXPECT_EQ(errorOf("#ifdef ver200\n1").number(), msgUnexpectedEof);
    EXPECT_EQ(errorOf("#endif").number(), msgSyntaxError);
    EXPECT_EQ(errorOf("#ifdef ver200\n#else\n#else\n#endif").number(), msgSyntaxError);
}

TEST(SymbolReader, DefineTakesTheRestOfTheLineTrimmed)
{
    const auto syms = symbolsOf("#define S   'a b'   \t\nS");
    EXPECT_EQ(syms.at(0).text, "a b");
}

TEST(SymbolReader, IncludeReadsRelativeToTheScriptFolder)
{
    const auto dir = freshFolder("include");
    std::filesystem::create_directories(dir / "sub");
    std::ofstream(dir / "sub" / "inner.inc") << "#define INNER 5\r\n'in'";
    std::ofstream(dir / "outer.inc") << "#include \"sub/inner.inc\"\r\n INNER";
    const auto syms = symbolsOf("1\n#include <outer.inc>\n2", dir);
    ASSERT_EQ(syms.size(), 4u);
    EXPECT_EQ(syms[1].text, "in");
    EXPECT_EQ(syms[2].number, 5);
    EXPECT_EQ(syms[3].number, 2);
    EXPECT_EQ(syms[3].line, 3);

    // An error inside an included file is placed in that file.
    std::ofstream(dir / "bad.inc") << "\r\n   $";
    const auto e = errorOf("\n#include \"bad.inc\"", dir);
    EXPECT_EQ(e.number(), msgUnknownCharacter);
    EXPECT_EQ(e.line(), 2);
    EXPECT_EQ(e.column(), 4);

    // A file that includes itself stops at the nesting limit.
    std::ofstream(dir / "self.inc") << "#include \"self.inc\"";
    EXPECT_EQ(errorOf("#include \"self.inc\"", dir).number(), msgIncludeOpen);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tessaly::parser::test
