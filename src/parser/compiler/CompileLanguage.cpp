// The %%language section: settings entries "word = value".
#include "parser/compiler/ScriptCompiler.h"

namespace tessaly::parser {

void TScriptCompiler::language()
{
    while (!entriesEnd()) {
        if (sym().kind != SymbolKind::word)
            in_.error(msgSyntaxError);
        const Word w = sym().word;
        if (w < Word::name || w > Word::boundstates)
            in_.error(msgUnknownScriptIdentifier);
        context_ = std::string("%%Language - ") + sym().text;
        next();
        expect('=', msgEqualsExpected);
        languageEntry(w);
    }
}

void TScriptCompiler::languageEntry(Word w)
{
    TSM_Settings& s = t_.settings;
    switch (w) {
    case Word::name: s.languageName = string(); break;
    case Word::caseWord: {
        const TSymbol at = sym();
        const std::int64_t v = number();
        if (v != 0 && v != 1)
            in_.errorAt(msgRangeOutwith, "Range error, value outwith 0 .. 1", at.line, at.column);
        // Keywords are folded when they are added, so the case cannot change
        // under words already in the table.
        if (v != t_.keywords.caseFlag() && !t_.keywords.keywords().empty())
            in_.errorAt(msgNotImplemented, compilerMessageText(msgNotImplemented), at.line, at.column);
        t_.keywords.setCaseFlag(static_cast<int>(v));
        break;
    }
    case Word::options: s.options = static_cast<std::int32_t>(colourValue()); break;
    case Word::exampletext: s.exampleText = string(); break;
    case Word::editablestyles: {
        context_ = "%%Language - Editable styles";
        expect('(', msgOpenParenExpected);
        while (!sym().is(')')) {
            if (sym().kind == SymbolKind::end)
                in_.error(msgCloseParenExpected);
            if (s.editableStyles.size() >= kMaxEditableStyles)
                in_.error(msgTooManyEditableStyles);
            TSM_EditableStyle e;
            e.name = string();
            expect(',', msgCommaExpected);
            e.style = byteValue();
            s.editableStyles.push_back(e);
            if (sym().is(','))
                next();
        }
        next();
        break;
    }
    case Word::wordwrapcolumn: s.wordWrapColumn = int32Value(); break;
    case Word::gutter: s.gutterWidth = int32Value(); break;
    case Word::indentstep: s.indentStep = int32Value(); break;
    case Word::rightmargin: s.rightMargin = int32Value(); break;
    case Word::fontsize: s.fontSize = int32Value(); break;
    case Word::tabdefault: s.tabDefault = int32Value(); break;
    case Word::marginwidth: s.marginWidth = int32Value(); break;
    case Word::seltextcolor: s.selTextColour = memo::TColor::fromStored(colourValue()); break;
    case Word::seltextback: s.selTextBack = memo::TColor::fromStored(colourValue()); break;
    case Word::guttercolor: s.gutterColour = memo::TColor::fromStored(colourValue()); break;
    case Word::margincolor: s.marginColour = memo::TColor::fromStored(colourValue()); break;
    case Word::fontname: s.fontName = string(); break;
    case Word::wrapoverride: s.wrapOverride = string(); break;
    case Word::tabcolumns: {
        const TSymbol at = sym();
        if (!s.setTabColumns(string()))
            in_.errorAt(msgNumberOutOfRange, compilerMessageText(msgNumberOutOfRange), at.line, at.column);
        break;
    }
    case Word::anchor: t_.anchor = tokenValues(); break;
    case Word::startstate: t_.defaultContext = setOrNumber(); break;
    case Word::boundstates: t_.boundStates = setOrNumber(); break;
    case Word::contextstates: {
        expect('(', msgOpenParenExpected);
        while (!sym().is(')')) {
            if (sym().kind == SymbolKind::end)
                in_.error(msgCloseParenExpected);
            const TSymbol at = sym();
            const std::uint8_t token = byteValue();
            if (contextGiven_[token])
                in_.errorAt(msgContextRespecified,
                            "Token value " + std::to_string(token) + " re-specified in ContextState", at.line,
                            at.column);
            contextGiven_[token] = true;
            t_.contextStates[token] = stateSet();
            if (sym().is(','))
                next();
        }
        next();
        break;
    }
    default: in_.error(msgUnknownScriptIdentifier);
    }
}

} // namespace tessaly::parser
