#include "parser/MacroStreams.h"

#include "memo/MemoErrors.h"

#include <array>

namespace tessaly::parser {

namespace {

// Both lists are a count, then per entry three long strings: the fields of
// an entry, each with the name a read error gives it.
template <class Entry>
struct TStringTriples {
    const char* list;
    std::array<std::string Entry::*, 3> fields;
    std::array<const char*, 3> names;
};

constexpr TStringTriples<memo::TAutoReplaceItem> kAutoReplaceItems{
    "auto-replace items",
    {&memo::TAutoReplaceItem::item, &memo::TAutoReplaceItem::replacement, &memo::TAutoReplaceItem::description},
    {"auto-replace item", "auto-replace replacement", "auto-replace description"}};

constexpr TStringTriples<memo::TCodeTemplate> kCodeTemplates{
    "code templates",
    {&memo::TCodeTemplate::name, &memo::TCodeTemplate::description, &memo::TCodeTemplate::body},
    {"template name", "template description", "template body"}};

template <class Entry>
void writeTriples(TableWriter& w, const TStringTriples<Entry>& form, const std::vector<Entry>& items)
{
    w.integer(static_cast<std::int32_t>(items.size()));
    for (const Entry& e : items)
        for (std::string Entry::*field : form.fields)
            w.longString(e.*field);
}

template <class Entry>
std::vector<Entry> readTriples(TableReader& r, const TStringTriples<Entry>& form)
{
    std::vector<Entry> items;
    const std::size_t n = r.count(form.list, 1 << 20, 12);
    for (std::size_t i = 0; i < n; ++i) {
        Entry e;
        for (std::size_t f = 0; f < form.fields.size(); ++f)
            e.*form.fields[f] = r.longString(form.names[f]);
        items.push_back(std::move(e));
    }
    return items;
}

} // namespace

void writeAutoReplace(TableWriter& w, const memo::TAutoReplace& a)
{
    w.longString(a.triggerText());
    writeTriples(w, kAutoReplaceItems, a.items);
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
    a.items = readTriples(r, kAutoReplaceItems);
    return a;
}

void writeCodeTemplates(TableWriter& w, const memo::TCodeTemplates& t)
{
    w.integer(t.hotKey);
    writeTriples(w, kCodeTemplates, t.items);
}

memo::TCodeTemplates readCodeTemplates(TableReader& r)
{
    memo::TCodeTemplates t;
    const std::int32_t key = r.integer("template hot key");
    if (key < 0 || key > 0xFFFF)
        r.fail("template hot key out of range");
    t.hotKey = static_cast<std::uint16_t>(key);
    t.items = readTriples(r, kCodeTemplates);
    return t;
}

} // namespace tessaly::parser
