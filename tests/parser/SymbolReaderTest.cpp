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

TEST(SymbolReader, IncludeOfAFolderOrAnUnreadableFileNamesIt)
{
    const auto dir = freshFolder("include-folder");
    std::filesystem::create_directories(dir / "sub");
    for (const std::string& name : {std::string("."), std::string("sub"), std::string("sub/")}) {
        const auto e = errorOf("1\n#include \"" + name + "\"\n2", dir);
        EXPECT_EQ(e.number(), msgIncludeOpen) << name;
        EXPECT_EQ(e.text(), "Unable to open #include file \"" + name + "\"") << name;
        EXPECT_EQ(e.line(), 2);
    }
    const auto missing = errorOf("#include <none.inc>", dir);
    EXPECT_EQ(missing.text(), "Unable to open #include file <none.inc>");

    // A file without read permission (root reads everything, so only check
    // when the permission holds).
    const auto locked = dir / "locked.inc";
    std::ofstream(locked) << "1";
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (!std::ifstream(locked)) {
        EXPECT_EQ(errorOf("#include \"locked.inc\"", dir).text(), "Unable to open #include file \"locked.inc\"");
    }
    // An empty file is a file: it includes nothing.
    std::ofstream(dir / "empty.inc").flush();
    EXPECT_EQ(symbolsOf("#include \"empty.inc\"\n3", dir).size(), 1u);
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir);
}

namespace {

// #define M0 1, then M1 .. Mn each naming the one before.
std::string macroChain(int n, const std::string& tail = {})
{
    std::string script = "#define M0 1\n";
    for (int i = 1; i <= n; ++i)
        script += "#define M" + std::to_string(i) + " M" + std::to_string(i - 1) + tail + "\n";
    return script + "M" + std::to_string(n);
}

std::pair<std::vector<TSymbol>, std::size_t> symbolsAndWork(const std::string& text)
{
    TSYM_Compiler in(crlf(text), {});
    std::vector<TSymbol> out;
    while (in.next().kind != SymbolKind::end)
        out.push_back(in.symbol());
    return {out, in.stackWork()};
}

} // namespace

TEST(SymbolReader, MacroChainsCostWorkInProportionToTheirLength)
{
    // Each macro names the next at the end of its text: the stack stays
    // short, and the recursion check looks at nothing but a count.
    for (const int n : {1000, 100000}) {
        const auto [syms, work] = symbolsAndWork(macroChain(n));
        ASSERT_EQ(syms.size(), 1u);
        EXPECT_EQ(syms[0].number, 1);
        EXPECT_LE(work, 4u * static_cast<std::size_t>(n) + 10) << n;
    }
    // Names in the middle of the text nest for real; still linear.
    const int n = 20000;
    const auto [syms, work] = symbolsAndWork(macroChain(n, " + 2"));
    ASSERT_EQ(syms.size(), 1u + 2u * n);
    EXPECT_LE(work, 4u * static_cast<std::size_t>(n) + 10);
}

TEST(SymbolReader, RecursionThroughTheEndOfAMacroIsStillFound)
{
    // B ends A's text, and A ends B's: A is still being expanded.
    const auto e = errorOf("#define A B\n#define B C\n#define C A\n 1 A");
    EXPECT_EQ(e.number(), msgRecursiveMacro);
    EXPECT_EQ(e.text(), "Recursive expansion of macro 'A'");
    EXPECT_EQ(e.line(), 4);
    EXPECT_EQ(e.column(), 4);
    // Once an expansion is over its macro may be used again.
    EXPECT_EQ(symbolsOf("#define A B\n#define B 2\nA A B A").size(), 4u);
    EXPECT_EQ(symbolsOf("#define A (B)\n#define B 2\n#define C A A\nC C").size(), 12u);
}

TEST(SymbolReader, ExhaustedExpansionBudgetHasItsOwnMessage)
{
    // Each level doubles the text: nothing recurses, but the text is huge.
    std::string script = "#define D0 1\n";
    for (int i = 1; i <= 30; ++i)
        script += "#define D" + std::to_string(i) + " D" + std::to_string(i - 1) + " D" + std::to_string(i - 1) + "\n";
    const auto e = errorOf(script + "D30");
    EXPECT_EQ(e.number(), msgMacroTooLarge);
    EXPECT_EQ(e.text(), "Macro expansion too large");
}

} // namespace
} // namespace tessaly::parser::test
