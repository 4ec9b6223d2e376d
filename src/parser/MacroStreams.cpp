#include "parser/MacroStreams.h"

#include "memo/MemoErrors.h"

namespace tessaly::parser {

void writeAutoReplace(TableWriter& w, const memo::TAutoReplace& a)
{
    w.longString(a.triggerText());
    w.integer(static_cast<std::int32_t>(a.items.size()));
    for (const auto& e : a.items) {
        w.longString(e.item);
        w.longString(e.replacement);
        w.longString(e.description);
    }
}

memo::TAutoReplace readAutoReplace(TableReader& r)
{
    memo::TAutoReplace a;
    const std::string trigger = r.longString("auto-replace trigger text");
    try {
        a.setTriggerText(trigger);
    } catch (const memo::ESyntaxMemo& e) {
        r.fail("auto-replace trigger text: " + std::string(e.what()));
    }
    const std::size_t n = r.count("auto-replace items", 1 << 20, 12);
    for (std::size_t i = 0; i < n; ++i) {
        memo::TAutoReplaceItem e;
        e.item = r.longString("auto-replace item");
        e.replacement = r.longString("auto-replace replacement");
        e.description = r.longString("auto-replace description");
        a.items.push_back(std::move(e));
    }
    return a;
}

void writeCodeTemplates(TableWriter& w, const memo::TCodeTemplates& t)
{
    w.integer(t.hotKey);
    w.integer(static_cast<std::int32_t>(t.items.size()));
    for (const auto& e : t.items) {
        w.longString(e.name);
        w.longString(e.description);
        w.longString(e.body);
    }
}

memo::TCodeTemplates readCodeTemplates(TableReader& r)
{
    memo::TCodeTemplates t;
    const std::int32_t key = r.integer("template hot key");
    if (key < 0 || key > 0xFFFF)
        r.fail("template hot key out of range");
    t.hotKey = static_cast<std::uint16_t>(key);
    const std::size_t n = r.count("code templates", 1 << 20, 12);
    for (std::size_t i = 0; i < n; ++i) {
        memo::TCodeTemplate e;
        e.name = r.longString("template name");
        e.description = r.longString("template description");
        e.body = r.longString("template body");
        t.items.push_back(std::move(e));
    }
    return t;
}

} // namespace tessaly::parser
