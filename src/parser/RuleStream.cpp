#include "parser/RuleStream.h"

#include <algorithm>

namespace tessaly::parser {

void writeGroup(TableWriter& w, const TSM_CharGroup& g)
{
    w.set(g.set);
    w.integer(0); // extra entries: none are ever made
    w.flag(g.negated);
}

void writePart(TableWriter& w, const TSyntaxKeywords& k, const TSM_RulePart& p)
{
    w.flag(p.flag);
    writeGroup(w, k.groups().at(p.group));
    w.flag(p.byHandler);
    if (p.byHandler) {
        w.flag(p.custom);
        w.integer(p.handler);
    }
}

void writeEnd(TableWriter& w, const TSyntaxKeywords& k, const TSM_EndPart& e)
{
    w.flag(e.include);
    w.flag(e.byHandler);
    if (e.byHandler) {
        w.flag(e.custom);
        w.integer(e.handler);
        return;
    }
    w.byte(e.count);
    for (std::uint8_t i = 0; i < e.count; ++i)
        writeGroup(w, k.groups().at(e.groups[i]));
}

void writeStartRule(TableWriter& w, const TSyntaxKeywords& k, const TSM_StartRule& r)
{
    writePart(w, k, r.head);
    w.set(r.states);
    writePart(w, k, r.body);
    writeEnd(w, k, r.end);
    w.byte(r.token);
}

std::uint16_t readGroup(TableReader& r, TSyntaxKeywords& k)
{
    TSM_CharGroup g;
    g.set = r.set("character group");
    for (int c = 0; c < 256; ++c)
        if (g.set.contains(static_cast<std::uint8_t>(c))) {
            g.lowest = std::min<std::uint8_t>(g.lowest, static_cast<std::uint8_t>(c));
            g.highest = static_cast<std::uint8_t>(c);
        }
    if (r.integer("character group entries") != 0)
        r.fail("character group with extra entries");
    g.negated = r.flag("character group negation");
    try {
        return k.groups().intern(g);
    } catch (const std::length_error&) {
        r.fail("too many character groups");
    }
}

TSM_RulePart readPart(TableReader& r, TSyntaxKeywords& k)
{
    TSM_RulePart p;
    p.flag = r.flag("rule flag");
    p.group = readGroup(r, k);
    p.byHandler = r.flag("rule handler flag");
    if (p.byHandler) {
        p.custom = r.flag("rule custom flag");
        p.handler = r.integer("rule handler");
    }
    return p;
}

TSM_EndPart readEnd(TableReader& r, TSyntaxKeywords& k)
{
    TSM_EndPart e;
    e.include = r.flag("end include flag");
    e.byHandler = r.flag("end handler flag");
    if (e.byHandler) {
        e.custom = r.flag("end custom flag");
        e.handler = r.integer("end handler");
        return e;
    }
    e.count = r.byte("end group count");
    if (e.count > 4)
        r.fail("more than four end groups");
    for (std::uint8_t i = 0; i < e.count; ++i)
        e.groups[i] = readGroup(r, k);
    return e;
}

TSM_StartRule readStartRule(TableReader& r, TSyntaxKeywords& k)
{
    TSM_StartRule rule;
    rule.head = readPart(r, k);
    rule.states = r.set("start rule states");
    rule.body = readPart(r, k);
    rule.end = readEnd(r, k);
    rule.token = r.byte("start rule token value");
    return rule;
}

} // namespace tessaly::parser
