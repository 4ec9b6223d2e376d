#include "parser/CodeTemplates.h"

namespace tessaly::parser {

void TCodeTemplates::add(const TCodeTemplate& t)
{
    for (auto& e : items)
        if (e.name == t.name) {
            e = t;
            return;
        }
    items.push_back(t);
}

void TCodeTemplates::write(TableWriter& w) const
{
    w.integer(hotKey);
    w.integer(static_cast<std::int32_t>(items.size()));
    for (const auto& t : items) {
        w.longString(t.name);
        w.longString(t.description);
        w.longString(t.body);
    }
}

TCodeTemplates TCodeTemplates::read(TableReader& r)
{
    TCodeTemplates t;
    const std::int32_t key = r.integer("template hot key");
    if (key < 0 || key > 0xFFFF)
        r.fail("template hot key out of range");
    t.hotKey = static_cast<std::uint16_t>(key);
    const std::size_t n = r.count("code templates", 1 << 20, 12);
    for (std::size_t i = 0; i < n; ++i) {
        TCodeTemplate e;
        e.name = r.longString("template name");
        e.description = r.longString("template description");
        e.body = r.longString("template body");
        t.items.push_back(std::move(e));
    }
    return t;
}

} // namespace tessaly::parser
