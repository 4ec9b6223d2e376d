// The %%tokens section: start rules and continuation rules.
//
//   value match FIRST {| FIRST} [(handler)] [BODY] [END] [InState set]
//   value BODY [END]
//   forstate state        following start rules go to that state's table
//
//   BODY := [?] 'class' | [?] (handler)       ? tests the end first
//   END  := endswith [*] 'class sequence' | endswith [*] (handler)
//                                              * makes the end part of the token
#include "parser/CharClass.h"
#include "parser/compiler/ScriptCompiler.h"

namespace tessaly::parser {

void TScriptCompiler::tokens()
{
    TSM_StartTable* table = &t_.defaultStart;
    TStateSet defaultStates = defaultSet();
    while (!entriesEnd()) {
        if (sym().is(Word::forstate)) {
            context_ = "%%Tokens - forstate";
            next();
            const auto state = static_cast<std::uint8_t>(numberIn(0, 255));
            table = &t_.stateTable(state);
            defaultStates = TStateSet::of(state);
            continue;
        }
        const std::uint8_t token = byteValue();
        context_ = "%%Tokens - " + std::to_string(token);
        if (sym().is(Word::match)) {
            next();
            startRule(*table, token, defaultStates);
        } else {
            continuationRule(token);
        }
    }
}

// '(' number-or-name ')'
TSM_RulePart TScriptCompiler::handlerPart()
{
    expect('(', msgOpenParenExpected);
    TSM_RulePart p;
    p.byHandler = true;
    if (sym().kind == SymbolKind::string) {
        const auto it = handlerNames_.find(sym().text);
        if (it == handlerNames_.end())
            in_.error(msgUnknownScriptIdentifier);
        p.handler = it->second;
        next();
    } else {
        p.handler = static_cast<std::int32_t>(numberIn(0, 2147483647LL));
    }
    expect(')', msgCloseParenExpected);
    p.custom = !isStandardHandler(p.handler);
    if (p.custom)
        t_.needsCustomHandler = true;
    return p;
}

TSM_RulePart TScriptCompiler::bodyPart()
{
    bool endFirst = false;
    if (sym().is('?')) {
        endFirst = true;
        next();
    }
    TSM_RulePart p;
    if (sym().is('(')) {
        p = handlerPart();
    } else {
        if (sym().kind != SymbolKind::string)
            in_.error(msgStringExpected);
        p.group = singleGroup(sym(), true);
        next();
    }
    p.flag = endFirst;
    return p;
}

TSM_EndPart TScriptCompiler::endPart()
{
    TSM_EndPart e;
    if (!sym().is(Word::endswith))
        return e;
    next();
    if (sym().is('*')) {
        e.include = true;
        next();
    }
    if (sym().is('(')) {
        const TSM_RulePart h = handlerPart();
        e.byHandler = true;
        e.custom = h.custom;
        e.handler = h.handler;
        return e;
    }
    if (sym().kind != SymbolKind::string)
        in_.error(msgStringExpected);
    std::vector<TSM_CharGroup> groups;
    try {
        groups = parseCharClass(sym().raw);
    } catch (const ECharClass& ex) {
        in_.error(ex.number, ex.what());
    }
    if (groups.size() > 4)
        in_.error(msgMaxFourCharacters);
    e.count = static_cast<std::uint8_t>(groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i)
        e.groups[i] = intern(groups[i]);
    next();
    return e;
}

void TScriptCompiler::startRule(TSM_StartTable& table, std::uint8_t token, const TStateSet& defaultStates)
{
    const TSymbol at = sym();
    if (sym().is('*'))
        in_.error(msgNotImplemented);

    // First characters: one specifier per alternative.
    TSM_CharGroup first;
    bool any = false;
    for (;;) {
        if (sym().kind != SymbolKind::string)
            in_.error(msgStringExpected);
        const std::uint16_t g = singleGroup(sym(), true);
        const TSM_CharGroup& group = t_.keywords.groups().at(g);
        if (group.isAny()) {
            any = true;
        } else {
            for (int c = 0; c < 256; ++c)
                if (group.accepts(static_cast<std::uint8_t>(c)))
                    first.add(static_cast<std::uint8_t>(c));
        }
        next();
        if (!sym().is('|'))
            break;
        next();
    }
    if (any)
        first = TSM_CharGroup{}; // every character

    TSM_StartRule rule;
    if (sym().is('('))
        rule.head = handlerPart();
    rule.head.group = intern(first);
    if (sym().is('?') || sym().is('(') || sym().kind == SymbolKind::string)
        rule.body = bodyPart();
    rule.end = endPart();
    rule.states = defaultStates;
    if (sym().is(Word::InState)) {
        next();
        rule.states = setOrNumber();
    }
    rule.token = token;

    for (int c = 0; c < 256; ++c) {
        const auto ch = static_cast<std::uint8_t>(c);
        if (!first.accepts(ch))
            continue;
        if (table.index[ch] >= 0)
            in_.errorAt(msgAmbiguousStart, compilerMessageText(msgAmbiguousStart), at.line, at.column);
    }
    for (int c = 0; c < 256; ++c)
        if (first.accepts(static_cast<std::uint8_t>(c)))
            table.set(static_cast<std::uint8_t>(c), rule);
}

void TScriptCompiler::continuationRule(std::uint8_t token)
{
    if (!sym().is('?') && !sym().is('(') && sym().kind != SymbolKind::string)
        in_.error(msgSyntaxError);
    TSM_ContinuationRule rule;
    rule.body = bodyPart();
    rule.end = endPart();
    t_.continuation[token] = rule;
}

} // namespace tessaly::parser
