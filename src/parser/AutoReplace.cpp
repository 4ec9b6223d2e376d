#include "parser/AutoReplace.h"

namespace tessaly::parser {

void TAutoReplace::add(const TAutoReplaceItem& entry)
{
    for (auto& e : items)
        if (e.item == entry.item) {
            e = entry;
            return;
        }
    items.push_back(entry);
}

void TAutoReplace::write(TableWriter& w) const
{
    w.longString(triggerText);
    w.integer(static_cast<std::int32_t>(items.size()));
    for (const auto& e : items) {
        w.longString(e.item);
        w.longString(e.replacement);
        w.longString(e.description);
    }
}

TAutoReplace TAutoReplace::read(TableReader& r)
{
    TAutoReplace a;
    a.triggerText = r.longString("auto-replace trigger text");
    const std::size_t n = r.count("auto-replace items", 1 << 20, 12);
    for (std::size_t i = 0; i < n; ++i) {
        TAutoReplaceItem e;
        e.item = r.longString("auto-replace item");
        e.replacement = r.longString("auto-replace replacement");
        e.description = r.longString("auto-replace description");
        a.items.push_back(std::move(e));
    }
    return a;
}

} // namespace tessaly::parser
