// The %%map, %%effects, %%states and %%containers sections.
#include "parser/compiler/ScriptCompiler.h"

namespace tessaly::parser {

// Entry: token-value(s) = style
void TScriptCompiler::map()
{
    while (!entriesEnd()) {
        context_ = "%%Map - ";
        const TStateSet tokens = tokenValues();
        expect('=', msgEqualsExpected);
        const std::uint8_t style = byteValue();
        for (int v = 0; v < 256; ++v)
            if (tokens.contains(static_cast<std::uint8_t>(v)))
                t_.settings.styleOf[static_cast<std::size_t>(v)] = style;
    }
}

// Entry: style = ( [font styles], foreground, background {, [flag] | , 'hotspot'} )
// The first flag is "own colours", the second the style's second flag.
void TScriptCompiler::effects()
{
    while (!entriesEnd()) {
        const TSymbol at = sym();
        const std::uint8_t styleNo = byteValue();
        context_ = "%%Effects - " + std::to_string(styleNo);
        if (styleGiven_[styleNo])
            in_.errorAt(msgDuplicateEffect, compilerMessageText(msgDuplicateEffect), at.line, at.column);
        styleGiven_[styleNo] = true;
        expect('=', msgEqualsExpected);
        expect('(', msgOpenParenExpected);
        TSM_Style style;
        if (!sym().is('['))
            in_.error(msgOpenBracketExpected);
        next();
        while (!sym().is(']')) {
            if (sym().kind != SymbolKind::number && !sym().is('('))
                in_.error(msgBadFontStyle);
            const TSymbol bitAt = sym();
            const std::int64_t bit = number();
            if (bit < 0 || bit > 2)
                in_.errorAt(msgBadFontStyle, compilerMessageText(msgBadFontStyle), bitAt.line, bitAt.column);
            style.fontStyle = static_cast<std::uint8_t>(style.fontStyle | (1u << bit));
            if (sym().is(','))
                next();
        }
        next();
        expect(',', msgCommaExpected);
        style.foreground = memo::TColor::fromStored(colourValue());
        expect(',', msgCommaExpected);
        style.background = memo::TColor::fromStored(colourValue());
        int flags = 0;
        while (sym().is(',')) {
            next();
            if (sym().kind == SymbolKind::string) {
                if (sym().text != "hotspot")
                    in_.error(msgBadFontStyle);
                style.hotspot = true;
                next();
            } else if (sym().is('[')) {
                const bool f = flag();
                if (flags == 0)
                    style.ownColours = f;
                else if (flags == 1)
                    style.flagY = f;
                else
                    in_.error(msgBadFontStyle);
                ++flags;
            } else {
                in_.error(msgBadFontStyle);
            }
        }
        expect(')', msgCloseParenExpected);
        t_.settings.styles[styleNo] = style;
    }
}

// Entry: token-value(s) = allowed-set {+ set | - set | push | pop} [flag]
// push and pop act before the change when they come before any "+" or "-",
// after it otherwise; the trailing flag [*] keeps the sets from being applied.
// %%containers entries also set the lookahead flag: the token's text is
// scanned again in the new states, which are dropped at its end.
void TScriptCompiler::states(bool containers)
{
    while (!entriesEnd()) {
        context_ = containers ? "%%Containers - " : "%%States - ";
        const TStateSet tokens = tokenValues();
        expect('=', msgEqualsExpected);
        TSM_TokenEffect e;
        e.allowed = stateSet();
        bool changed = false;
        for (;;) {
            if (sym().is('+') || sym().is('-')) {
                const bool add = sym().is('+');
                next();
                (add ? e.enter : e.leave) |= setOrNumber();
                changed = true;
            } else if (sym().is(Word::push)) {
                next();
                e.stack = static_cast<std::uint8_t>(e.stack | (changed ? kPushAfter : kPushBefore));
            } else if (sym().is(Word::pop)) {
                next();
                e.stack = static_cast<std::uint8_t>(e.stack | (changed ? kPopAfter : kPopBefore));
            } else {
                break;
            }
        }
        e.keep = flag();
        e.lookahead = containers;
        for (int v = 0; v < 256; ++v) {
            auto& effect = t_.effects[static_cast<std::size_t>(v)];
            if (!tokens.contains(static_cast<std::uint8_t>(v)))
                continue;
            TSM_TokenEffect merged = e;
            if (effect) // states given to the token's keywords stay allowed
                merged.allowed |= effect->allowed;
            effect = merged;
        }
    }
}

} // namespace tessaly::parser
