#include "parser/KeyboardActions.h"

namespace tessaly::parser {

namespace {

constexpr std::uint16_t vkBack = 8, vkPrior = 33, vkNext = 34, vkEnd = 35, vkHome = 36, vkLeft = 37,
                        vkUp = 38, vkRight = 39, vkDown = 40, vkInsert = 45, vkDelete = 46;

std::uint16_t key(int code) { return static_cast<std::uint16_t>(code); }

TKeyboardActionContoller makeDefaults()
{
    TKeyboardActionContoller c;
    static const char* const names[] = {
        "Cursor left", "Cursor right", "Line start", "Line end", "Up one line", "Down one line",
        "Up one page", "Down one page", "Move to word before", "Move to word after",
        "Document start", "Document end", "Cut to clipboard", "Copy to clipboard",
        "Paste from clipboard", "Delete character at cursor", "Delete character before caret",
        "Indent selected block", "Un-indent selected block", "Toggle insert/overwrite mode",
    };
    for (int i = 0; i < 20; ++i)
        c.setName(i, names[i]);
    for (int i = 0; i < 10; ++i)
        c.setName(20 + i, "Set Bookmark " + std::to_string(i));
    for (int i = 0; i < 10; ++i)
        c.setName(30 + i, "Goto Bookmark " + std::to_string(i));
    c.setName(40, "Delete current line");
    c.setName(41, "Undo");
    c.setName(42, "Redo");
    c.setName(43, "Delete previous word");

    const std::uint16_t single[] = {vkLeft, vkRight, vkHome, vkEnd, vkUp, vkDown, vkPrior, vkNext};
    for (int i = 0; i < 8; ++i)
        c.bind(single[i], 0, i);
    c.bind(key(kCtrlKey | vkLeft), 0, 8);
    c.bind(key(kCtrlKey | vkRight), 0, 9);
    c.bind(key(kCtrlKey | vkHome), 0, 10);
    c.bind(key(kCtrlKey | vkEnd), 0, 11);
    c.bind(key(kCtrlKey | 'X'), 0, 12);
    c.bind(key(kCtrlKey | 'C'), 0, 13);
    c.bind(key(kCtrlKey | 'V'), 0, 14);
    c.bind(vkDelete, 0, 15);
    c.bind(vkBack, 0, 16);
    c.bind(key(kCtrlKey | 'K'), 'I', 17);
    c.bind(key(kCtrlKey | 'K'), 'U', 18);
    c.bind(vkInsert, 0, 19);
    for (int i = 0; i < 10; ++i)
        c.bind(key(kCtrlKey | 'K'), static_cast<std::uint16_t>('0' + i), 20 + i);
    for (int i = 0; i < 10; ++i)
        c.bind(key(kCtrlKey | 'Q'), static_cast<std::uint16_t>('0' + i), 30 + i);
    c.bind(key(kCtrlKey | 'Y'), 0, 40);
    c.bind(key(kCtrlKey | 'Z'), 0, 41);
    c.bind(key(kCtrlKey | kShiftKey | 'Z'), 0, 42);
    c.bind(key(kCtrlKey | vkBack), 0, 43);
    return c;
}

} // namespace

const TKeyboardActionContoller& TKeyboardActionContoller::defaults()
{
    static const TKeyboardActionContoller d = makeDefaults();
    return d;
}

void TKeyboardActionContoller::setName(std::int32_t command, const std::string& name)
{
    for (auto& [code, n] : names_)
        if (code == command) {
            n = name;
            return;
        }
    names_.emplace_back(command, name);
}

std::string TKeyboardActionContoller::nameOf(std::int32_t command) const
{
    for (const auto& [code, n] : names_)
        if (code == command)
            return n;
    return {};
}

void TKeyboardActionContoller::bind(std::uint16_t first, std::uint16_t second, std::int32_t command)
{
    store_.add({first, second, command}, [this](std::int32_t c) { return nameOf(c); });
}

void TKeyboardActionContoller::write(TableWriter& w) const
{
    w.integer(static_cast<std::int32_t>(names_.size()));
    for (const auto& [code, name] : names_) {
        w.integer(code);
        w.longString(name);
    }
    const auto all = store_.bindings();
    w.integer(static_cast<std::int32_t>(all.size()));
    for (const auto& b : all) {
        w.word(b.first);
        w.word(b.second);
        w.integer(b.command);
    }
}

TKeyboardActionContoller TKeyboardActionContoller::read(TableReader& r)
{
    TKeyboardActionContoller c;
    const std::size_t names = r.count("command names", 1 << 16, 8);
    for (std::size_t i = 0; i < names; ++i) {
        const std::int32_t code = r.integer("command code");
        c.setName(code, r.longString("command name"));
    }
    const std::size_t keys = r.count("key bindings", 1 << 16, 8);
    for (std::size_t i = 0; i < keys; ++i) {
        TKeyBinding b;
        b.first = r.word("first key");
        b.second = r.word("second key");
        b.command = r.integer("key command");
        if (b.first == 0 || b.command < 0)
            r.fail("key binding without a key or a command");
        try {
            c.bind(b.first, b.second, b.command);
        } catch (const EAmbigiousKeyPair& e) {
            r.fail(e.what());
        }
    }
    return c;
}

} // namespace tessaly::parser
