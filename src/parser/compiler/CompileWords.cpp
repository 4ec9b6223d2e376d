// The %%words, %%handler and %%kwTables sections.
#include "parser/compiler/ScriptCompiler.h"

namespace tessaly::parser {

// Entry: 'keyword' 'follow class' token-value [state set]
void TScriptCompiler::words()
{
    while (!entriesEnd()) {
        const TSymbol at = sym();
        const std::string keyword = string();
        context_ = "%%Words - " + keyword;
        if (keyword.empty())
            in_.errorAt(msgStringExpected, compilerMessageText(msgStringExpected), at.line, at.column);
        if (keyword.size() > 255)
            in_.errorAt(msgNumberOutOfRange, compilerMessageText(msgNumberOutOfRange), at.line, at.column);
        if (sym().kind != SymbolKind::string)
            in_.error(msgStringExpected);
        TKeywordEntry e;
        e.follow = singleGroup(sym(), true);
        next();
        e.token = byteValue();
        e.states = sym().is('[') ? stateSet() : defaultSet();
        try {
            t_.keywords.add(keyword, e);
        } catch (const EKeywords&) {
            in_.errorAt(msgDuplicateWord, compilerMessageText(msgDuplicateWord), at.line, at.column);
        }
        // The keyword's states become states its token value is allowed in.
        auto& effect = t_.effects[e.token];
        if (!effect)
            effect = TSM_TokenEffect{};
        effect->allowed |= e.states;
    }
}

// Entry: 'name' = handler-number. Names a handler for %%tokens.
void TScriptCompiler::handlers()
{
    while (!entriesEnd()) {
        const TSymbol at = sym();
        const std::string name = string();
        context_ = "%%Handlers - " + name;
        expect('=', msgEqualsExpected);
        const auto number = static_cast<std::int32_t>(numberIn(0, 2147483647LL));
        if (name.empty() || handlerNames_.count(name) || handlerNumbers_.count(number))
            in_.errorAt(msgDuplicateHandler, compilerMessageText(msgDuplicateHandler), at.line, at.column);
        handlerNames_[name] = number;
        handlerNumbers_[number] = name;
    }
}

// Entry: forstate set endswith 'chars' ( value is 'w', 'w', value is 'w' ... )
void TScriptCompiler::kwTables()
{
    while (!entriesEnd()) {
        context_ = "%%KwTables - ";
        if (!sym().is(Word::forstate))
            in_.error(msgSyntaxError);
        if (t_.settings.keywordTables.size() >= kMaxKeywordTables)
            in_.error(msgNumberOutOfRange);
        next();
        TSM_KeywordTable table;
        table.states = setOrNumber();
        if (!sym().is(Word::endswith))
            in_.error(msgSyntaxError);
        next();
        table.endsWith = string();
        table.caseFlag = t_.keywords.caseFlag();
        expect('(', msgOpenParenExpected);
        std::int32_t token = -1;
        while (!sym().is(')')) {
            if (sym().kind == SymbolKind::end)
                in_.error(msgCloseParenExpected);
            if (sym().kind != SymbolKind::string || token < 0) {
                token = byteValue();
                if (!sym().is(Word::is))
                    in_.error(msgSyntaxError);
                next();
            }
            table.words.emplace_back(string(), token);
            if (sym().is(','))
                next();
            else if (!sym().is(')'))
                in_.error(msgCommaExpected);
        }
        next();
        t_.settings.keywordTables.push_back(std::move(table));
    }
}

} // namespace tessaly::parser
