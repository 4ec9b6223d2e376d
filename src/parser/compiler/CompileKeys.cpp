// The %%keys, %%autoreplace and %%templates sections.
#include "parser/compiler/ScriptCompiler.h"

#include "memo/MemoErrors.h"

namespace tessaly::parser {

// KEY := {shift | ctrl | alt} + ... key, where key is a virtual-key number
// (LEFT, F1, ...) or a one-character string ('Z', '1'). A second key of a
// pair is pressed without modifiers, so its modifiers are dropped.
std::uint16_t TScriptCompiler::keySpec(bool second)
{
    std::uint16_t modifiers = 0;
    while (sym().is(Word::shift) || sym().is(Word::ctrl) || sym().is(Word::alt)) {
        modifiers = static_cast<std::uint16_t>(modifiers | (sym().is(Word::shift)  ? kShiftKey
                                                            : sym().is(Word::ctrl) ? kCtrlKey
                                                                                   : kAltKey));
        next();
        expect('+', msgKeyRequired);
    }
    std::uint16_t key = 0;
    if (sym().kind == SymbolKind::string) {
        if (sym().text.size() != 1)
            in_.error(msgKeyRequired);
        auto c = static_cast<unsigned char>(sym().text[0]);
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 32); // virtual keys of letters are upper case
        key = c;
        next();
    } else if (sym().kind == SymbolKind::number || sym().is('(')) {
        key = byteValue();
    }
    if (key == 0)
        in_.error(msgKeyRequired);
    return second ? key : static_cast<std::uint16_t>(key | modifiers);
}

// Entry: action = 'name' KEY [, KEY]     gives a command its name and keys
//        hotkey = KEY                    the key that expands code templates
//        actionkeys = 'trigger text'     the keys that trigger auto-replace
// The first entry for a command replaces its default keys; further entries
// add keys.
void TScriptCompiler::keys()
{
    TKeyboardActionContoller& keys = t_.settings.keys;
    while (!entriesEnd()) {
        context_ = "%%Keys - ";
        if (sym().is(Word::hotkey)) {
            next();
            expect('=', msgEqualsExpected);
            t_.settings.templates.hotKey = keySpec(false);
            continue;
        }
        if (sym().is(Word::actionkeys)) {
            next();
            expect('=', msgEqualsExpected);
            // The trigger text keeps its backslashes: it has escapes of its
            // own ("\{Return}", "\t"), read when the keys are made from it.
            if (sym().kind != SymbolKind::string)
                in_.error(msgStringExpected);
            const TSymbol at = sym();
            try {
                t_.settings.autoReplace.setTriggerText(sym().raw);
            } catch (const memo::ESyntaxMemo& e) {
                in_.errorAt(0, e.what(), at.line, at.column);
            }
            next();
            continue;
        }
        const TSymbol at = sym();
        const auto action = static_cast<std::int32_t>(numberIn(0, kEditorCommandCount - 1));
        expect('=', msgEqualsExpected);
        const TSymbol nameAt = sym();
        const std::string name = string();
        context_ += name;
        if (name.empty())
            in_.errorAt(msgBlankKeyName, compilerMessageText(msgBlankKeyName), nameAt.line, nameAt.column);
        const std::uint16_t first = keySpec(false);
        std::uint16_t second = 0;
        if (sym().is(',')) {
            next();
            second = keySpec(true);
        }
        if (!keysGiven_[static_cast<std::size_t>(action)]) {
            keys.store().removeCommand(action);
            keysGiven_[static_cast<std::size_t>(action)] = true;
        }
        keys.setName(action, name);
        try {
            keys.bind(first, second, action);
        } catch (const EAmbigiousKeyPair& e) {
            in_.errorAt(0, e.what(), at.line, at.column);
        }
    }
}

// Entry: 'item' = 'replacement' ['(' 'description' ')']
void TScriptCompiler::autoreplace()
{
    while (!entriesEnd()) {
        memo::TAutoReplaceItem e;
        e.item = string();
        context_ = "%%Autoreplace - " + e.item;
        expect('=', msgEqualsExpected);
        e.replacement = string();
        if (sym().is('(')) {
            next();
            e.description = string();
            expect(')', msgCloseParenExpected);
        }
        t_.settings.autoReplace.add(e);
    }
}

// Entry: 'name' = 'body' ['(' 'description' ')']
void TScriptCompiler::templates()
{
    while (!entriesEnd()) {
        memo::TCodeTemplate e;
        e.name = string();
        context_ = "%%Templates - " + e.name;
        expect('=', msgEqualsExpected);
        e.body = string();
        if (sym().is('(')) {
            next();
            e.description = string();
            expect(')', msgCloseParenExpected);
        }
        t_.settings.templates.add(e);
    }
}

} // namespace tessaly::parser
