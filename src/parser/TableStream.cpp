#include "parser/TableStream.h"

#include "parser/RuleStream.h"
#include "parser/StreamIO.h"

namespace tessaly::parser {

namespace {

void writeKeywords(TableWriter& w, const TSyntaxKeywords& k)
{
    w.integer(k.caseFlag());
    w.integer(static_cast<std::int32_t>(k.keywords().size()));
    for (const auto& kw : k.keywords()) {
        w.shortString(kw.keyword);
        writeGroup(w, k.groups().at(kw.entry.follow));
        w.set(kw.entry.states);
        w.integer(kw.entry.token);
    }
    w.shortString("");
}

void readKeywords(TableReader& r, TSyntaxKeywords& k)
{
    const std::int32_t caseFlag = r.integer("keyword case flag");
    if (caseFlag != 0 && caseFlag != 1)
        r.fail("keyword case flag must be 0 or 1");
    k.setCaseFlag(caseFlag);
    const std::size_t count = r.count("keywords", 1 << 24, 2 + kGroupSize + 32 + 4);
    std::size_t read = 0;
    for (;;) {
        std::string text = r.shortString("keyword");
        if (text.empty())
            break;
        if (++read > count)
            r.fail("more keywords than counted");
        TKeywordEntry e;
        e.follow = readGroup(r, k);
        e.states = r.set("keyword states");
        const std::int32_t token = r.integer("keyword token value");
        if (token < 0 || token > 255)
            r.fail("keyword token value out of range");
        e.token = static_cast<std::uint8_t>(token);
        try {
            k.add(text, e);
        } catch (const EKeywords& ex) {
            r.fail(ex.what());
        }
    }
    if (read != count)
        r.fail("fewer keywords than counted");
}

} // namespace

std::string writeTableStream(const TSM_ParserTables& t)
{
    TableWriter w;
    t.settings.write(w);
    writeKeywords(w, t.keywords);

    std::int32_t n = 0;
    for (const auto& c : t.continuation)
        n += c ? 1 : 0;
    w.integer(n);
    for (int v = 0; v < 256; ++v)
        if (const auto& c = t.continuation[static_cast<std::size_t>(v)]) {
            w.byte(static_cast<std::uint8_t>(v));
            writePart(w, t.keywords, c->body);
            writeEnd(w, t.keywords, c->end);
        }

    n = 0;
    for (auto i : t.defaultStart.index)
        n += i >= 0 ? 1 : 0;
    w.integer(n);
    for (int c = 0; c < 256; ++c)
        if (const auto* rule = t.defaultStart.ruleFor(static_cast<std::uint8_t>(c))) {
            w.byte(static_cast<std::uint8_t>(c));
            writeStartRule(w, t.keywords, *rule);
        }

    n = 0;
    for (const auto& s : t.contextStates)
        n += s != t.defaultContext ? 1 : 0;
    w.integer(n);
    for (int v = 0; v < 256; ++v)
        if (t.contextStates[static_cast<std::size_t>(v)] != t.defaultContext) {
            w.byte(static_cast<std::uint8_t>(v));
            w.set(t.contextStates[static_cast<std::size_t>(v)]);
        }

    n = 0;
    for (const auto& e : t.effects)
        n += e ? 1 : 0;
    w.integer(n);
    for (int v = 0; v < 256; ++v)
        if (const auto& e = t.effects[static_cast<std::size_t>(v)]) {
            w.byte(static_cast<std::uint8_t>(v));
            w.set(e->allowed);
            w.set(e->enter);
            w.set(e->leave);
            w.flag(e->lookahead);
            w.flag(e->keep);
            w.byte(e->stack);
        }

    n = 0;
    for (const auto& s : t.stateStart)
        n += s ? 1 : 0;
    w.integer(n);
    for (int s = 0; s < 256; ++s) {
        const auto& table = t.stateStart[static_cast<std::size_t>(s)];
        if (!table)
            continue;
        w.byte(static_cast<std::uint8_t>(s));
        std::int32_t entries = 0;
        for (auto i : table->index)
            entries += i >= 0 ? 1 : 0;
        w.integer(entries);
        for (int c = 0; c < 256; ++c)
            if (const auto* rule = table->ruleFor(static_cast<std::uint8_t>(c))) {
                w.byte(static_cast<std::uint8_t>(c));
                writeStartRule(w, t.keywords, *rule);
                w.integer(static_cast<std::int32_t>(table->further.size()));
                for (const auto& f : table->further) {
                    w.word(f.low);
                    w.word(f.high);
                    writeStartRule(w, t.keywords, f.rule);
                }
            }
    }

    w.set(t.anchor);
    w.set(t.boundStates);
    w.set(t.defaultContext);
    w.flag(t.needsCustomHandler);
    return w.take();
}

void readTableStream(std::string_view data, TSM_ParserTables& t)
{
    t.clear();
    try {
        TableReader r(data);
        t.settings = TSM_Settings::read(r);
        readKeywords(r, t.keywords);
        TSyntaxKeywords& k = t.keywords;

        std::size_t n = r.count("continuation rules", 256, 1 + kPartSize + kEndSize);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t v = r.byte("continuation token value");
            TSM_ContinuationRule c;
            c.body = readPart(r, k);
            c.end = readEnd(r, k);
            t.continuation[v] = c;
        }

        n = r.count("default start rules", 256, 1 + kStartRuleSize);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t c = r.byte("start character");
            t.defaultStart.set(c, readStartRule(r, k));
        }

        std::array<bool, 256> given{};
        n = r.count("context state sets", 256, 33);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t v = r.byte("context token value");
            t.contextStates[v] = r.set("context state set");
            given[v] = true;
        }

        n = r.count("token effects", 256, 1 + 3 * 32 + 3);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t v = r.byte("effect token value");
            TSM_TokenEffect e;
            e.allowed = r.set("allowed set");
            e.enter = r.set("enter set");
            e.leave = r.set("leave set");
            e.lookahead = r.flag("lookahead flag");
            e.keep = r.flag("keep flag");
            e.stack = r.byte("stack flags");
            if (e.stack > 15)
                r.fail("unknown stack flags");
            t.effects[v] = e;
        }

        n = r.count("state start tables", 256, 5);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint8_t s = r.byte("table state");
            if (t.stateStart[s])
                r.fail("start table of state " + std::to_string(s) + " given twice");
            TSM_StartTable& table = t.stateTable(s);
            const std::size_t entries = r.count("start table entries", 256, 1 + kStartRuleSize + 4);
            for (std::size_t j = 0; j < entries; ++j) {
                const std::uint8_t c = r.byte("start character");
                table.set(c, readStartRule(r, k));
                const std::size_t further = r.count("further rules", 1 << 16, 4 + kStartRuleSize);
                table.further.clear(); // every entry repeats the list; keep the last
                for (std::size_t f = 0; f < further; ++f) {
                    TSM_FurtherRule fr;
                    fr.low = r.word("further rule low");
                    fr.high = r.word("further rule high");
                    fr.rule = readStartRule(r, k);
                    table.further.push_back(fr);
                }
            }
        }

        t.anchor = r.set("anchor set");
        t.boundStates = r.set("bound state set");
        t.defaultContext = r.set("default context set");
        t.needsCustomHandler = r.flag("needs-custom-handler flag");
        if (r.remaining() != 0)
            r.fail(std::to_string(r.remaining()) + " bytes after the tables");
        for (int v = 0; v < 256; ++v)
            if (!given[static_cast<std::size_t>(v)])
                t.contextStates[static_cast<std::size_t>(v)] = t.defaultContext;
    } catch (...) {
        t.clear();
        throw;
    }
}

} // namespace tessaly::parser
