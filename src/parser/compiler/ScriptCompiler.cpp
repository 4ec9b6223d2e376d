#include "parser/compiler/ScriptCompiler.h"

#include "parser/CharClass.h"

namespace tessaly::parser {

void compileScript(const std::string& script, const std::filesystem::path& folder, TSM_ParserTables& tables)
{
    tables.clear();
    TSYM_Compiler in(script, folder);
    TScriptCompiler compiler(in, tables);
    try {
        compiler.run();
    } catch (ECompileError& e) {
        e.setContext(compiler.context());
        throw;
    }
    tables.finishCompile();
}

void TScriptCompiler::run()
{
    next();
    while (sym().kind != SymbolKind::end) {
        if (!sym().isSection())
            in_.error(msgSyntaxError);
        const Word section = sym().word;
        next();
        switch (section) {
        case Word::secLanguage: language(); break;
        case Word::secWords: words(); break;
        case Word::secHandler: handlers(); break;
        case Word::secTokens: tokens(); break;
        case Word::secMap: map(); break;
        case Word::secEffects: effects(); break;
        case Word::secStates: states(false); break;
        case Word::secContainers: states(true); break;
        case Word::secKeys: keys(); break;
        case Word::secAutoreplace: autoreplace(); break;
        case Word::secTemplates: templates(); break;
        case Word::secKwTables: kwTables(); break;
        default: in_.error(msgSyntaxError);
        }
    }
}

// Numbers: terms joined by "+" and "-", evaluated left to right; a term is a
// number or a parenthesised expression.
std::int64_t TScriptCompiler::term()
{
    if (sym().kind == SymbolKind::number) {
        const std::int64_t v = sym().number;
        next();
        return v;
    }
    if (sym().is('(')) {
        // Deep nesting would only exhaust the stack; no script needs it.
        if (++depth_ > 64)
            in_.error(msgExpressionExpected);
        next();
        const std::int64_t v = number();
        expect(')', msgCloseParenExpected);
        --depth_;
        return v;
    }
    in_.error(msgExpressionExpected);
}

std::int64_t TScriptCompiler::number()
{
    std::int64_t v = term();
    while (sym().is('+') || sym().is('-')) {
        const bool plus = sym().is('+');
        next();
        const std::int64_t r = term();
        v = plus ? v + r : v - r;
        // Terms are at most 32 bits; keep sums of many terms bounded too.
        if (v > (std::int64_t{1} << 40) || v < -(std::int64_t{1} << 40))
            in_.error(msgNumberOutOfRange);
    }
    return v;
}

std::int64_t TScriptCompiler::numberIn(std::int64_t low, std::int64_t high)
{
    const TSymbol at = sym();
    const std::int64_t v = number();
    if (v < low || v > high)
        in_.errorAt(msgRangeOutwith,
                    "Range error, value outwith " + std::to_string(low) + " .. " + std::to_string(high), at.line,
                    at.column);
    return v;
}

std::uint8_t TScriptCompiler::byteValue()
{
    const TSymbol at = sym();
    const std::int64_t v = number();
    if (v < 0 || v > 255)
        in_.errorAt(msgValue0To255, compilerMessageText(msgValue0To255), at.line, at.column);
    return static_cast<std::uint8_t>(v);
}

std::int32_t TScriptCompiler::int32Value()
{
    return static_cast<std::int32_t>(numberIn(-2147483648LL, 2147483647LL));
}

std::uint32_t TScriptCompiler::colourValue()
{
    // Colours are 32-bit values; system colours have the top bit set.
    const std::int64_t v = numberIn(-2147483648LL, 4294967295LL);
    return static_cast<std::uint32_t>(v);
}

TStateSet TScriptCompiler::stateSet()
{
    if (!sym().is('['))
        in_.error(msgOpenBracketExpected);
    next();
    TStateSet s;
    while (!sym().is(']')) {
        if (sym().kind == SymbolKind::end)
            in_.error(msgCloseBracketExpected);
        if (sym().kind != SymbolKind::number && !sym().is('('))
            in_.error(msgCloseBracketExpected);
        s.insert(static_cast<std::uint8_t>(numberIn(0, 255)));
        if (sym().is(','))
            next();
    }
    next();
    return s;
}

TStateSet TScriptCompiler::setOrNumber()
{
    if (sym().is('['))
        return stateSet();
    return TStateSet::of(static_cast<std::uint8_t>(numberIn(0, 255)));
}

TStateSet TScriptCompiler::tokenValues()
{
    if (sym().is('['))
        return stateSet();
    return TStateSet::of(byteValue());
}

bool TScriptCompiler::flag()
{
    if (!sym().is('['))
        return false;
    next();
    bool set = false;
    if (sym().is('*')) {
        set = true;
        next();
    }
    expect(']', msgCloseBracketExpected);
    return set;
}

std::string TScriptCompiler::string()
{
    if (sym().kind != SymbolKind::string)
        in_.error(msgStringExpected);
    std::string s = sym().text;
    next();
    return s;
}

void TScriptCompiler::expect(char sign, int message)
{
    if (!sym().is(sign))
        in_.error(message);
    next();
}

TStateSet TScriptCompiler::defaultSet() const
{
    return t_.defaultContext.empty() ? TStateSet::of(0) : t_.defaultContext;
}

// A class string that must hold at most one specifier; the empty class
// (when allowed) is the "any" group.
std::uint16_t TScriptCompiler::singleGroup(const TSymbol& s, bool allowEmpty)
{
    std::vector<TSM_CharGroup> groups;
    try {
        groups = parseCharClass(s.raw);
    } catch (const ECharClass& e) {
        in_.errorAt(e.number, e.what(), s.line, s.column);
    }
    if (groups.size() > 1 || (groups.empty() && !allowEmpty))
        in_.errorAt(msgSingleCharacter, compilerMessageText(msgSingleCharacter), s.line, s.column);
    return groups.empty() ? TSM_CharGroupManager::kAny : intern(groups[0]);
}

std::uint16_t TScriptCompiler::intern(const TSM_CharGroup& g)
{
    try {
        return t_.keywords.groups().intern(g);
    } catch (const std::length_error&) {
        in_.error(msgNumberOutOfRange);
    }
}

} // namespace tessaly::parser
