#include "parser/TableDump.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace tessaly::parser {

namespace {

std::string hex(std::uint32_t v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08x", v);
    return buf;
}

std::string hex(memo::TColor c)
{
    return hex(c.stored());
}

std::string charText(int c)
{
    if (c == '\\' || c == ']' || c == '[' || c == '-' || c == '^' || c == '"')
        return std::string("\\") + static_cast<char>(c);
    if (c < 32 || c >= 127) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02x", c);
        return buf;
    }
    return std::string(1, static_cast<char>(c));
}

// Runs of members as "a-b" items, joined by 'sep'.
template <typename Item>
std::string ranges(const TStateSet& s, const char* sep, Item item)
{
    std::string out;
    for (int n = 0; n < 256;) {
        if (!s.contains(static_cast<std::uint8_t>(n))) {
            ++n;
            continue;
        }
        int m = n;
        while (m + 1 < 256 && s.contains(static_cast<std::uint8_t>(m + 1)))
            ++m;
        if (!out.empty())
            out += sep;
        out += item(n);
        if (m > n) {
            out += '-';
            out += item(m);
        }
        n = m + 1;
    }
    return out;
}

std::string flagText(bool f) { return f ? "yes" : "no"; }

struct Dumper {
    const TSM_ParserTables& t;
    std::ostringstream out;

    std::string group(std::uint16_t g) { return formatGroup(t.keywords.groups().at(g)); }
    std::string handler(bool custom, std::int32_t h)
    {
        return std::string(custom ? "custom handler " : "handler ") + std::to_string(h);
    }
    std::string part(const TSM_RulePart& p)
    {
        std::string s = p.byHandler ? handler(p.custom, p.handler) + " " + group(p.group) : group(p.group);
        if (p.flag)
            s += " end-first";
        return s;
    }
    std::string end(const TSM_EndPart& e)
    {
        std::string s;
        if (e.byHandler)
            s = handler(e.custom, e.handler);
        else if (e.count == 0)
            s = "none";
        else
            for (std::uint8_t i = 0; i < e.count; ++i) {
                if (i)
                    s += ' ';
                s += group(e.groups[i]);
            }
        if (e.include)
            s += " included";
        return s;
    }
    std::string rule(const TSM_StartRule& r)
    {
        return "token " + std::to_string(r.token) + " head " + part(r.head) + " states " + formatSet(r.states) +
               " body " + part(r.body) + " end " + end(r.end);
    }
    void table(const TSM_StartTable& tab)
    {
        // Characters that share a rule are listed together, rules in the
        // order of their lowest first character.
        std::vector<std::size_t> order;
        for (auto i : tab.index)
            if (i >= 0 && std::find(order.begin(), order.end(), static_cast<std::size_t>(i)) == order.end())
                order.push_back(static_cast<std::size_t>(i));
        for (std::size_t i : order) {
            TStateSet chars;
            for (int c = 0; c < 256; ++c)
                if (tab.index[static_cast<std::size_t>(c)] == static_cast<std::int16_t>(i))
                    chars.insert(static_cast<std::uint8_t>(c));
            if (chars.empty())
                continue;
            TSM_CharGroup g;
            g.set = chars;
            out << "  " << formatGroup(g) << ": " << rule(tab.rules[i]) << '\n';
        }
        for (const auto& f : tab.further)
            out << "  further " << f.low << ".." << f.high << ": " << rule(f.rule) << '\n';
    }

    void settings()
    {
        const TSM_Settings& s = t.settings;
        out << "[settings]\n"
            << "language name: " << quoted(s.languageName) << '\n'
            << "example text: " << quoted(s.exampleText) << '\n'
            << "wrap override: " << quoted(s.wrapOverride) << '\n'
            << "options: " << hex(static_cast<std::uint32_t>(s.options)) << '\n'
            << "margin width: " << s.marginWidth << '\n'
            << "right margin: " << s.rightMargin << '\n'
            << "word wrap column: " << s.wordWrapColumn << '\n'
            << "gutter width: " << s.gutterWidth << '\n'
            << "indent step: " << s.indentStep << '\n'
            << "margin colour: " << hex(s.marginColour) << '\n'
            << "gutter colour: " << hex(s.gutterColour) << '\n'
            << "selected text colour: " << hex(s.selTextColour) << '\n'
            << "selected text background: " << hex(s.selTextBack) << '\n'
            << "default tab width: " << s.tabDefault << '\n'
            << "tab columns: " << quoted(s.tabColumnsText()) << '\n'
            << "font: " << quoted(s.fontName) << ' ' << s.fontSize << '\n'
            << "flags:";
        for (auto f : s.flags)
            out << ' ' << int(f);
        out << "\n[styles]\n";
        for (int n = 0; n < 256; ++n)
            if (const auto& st = s.styles[static_cast<std::size_t>(n)]) {
                out << "style " << n << ": fg " << hex(st->foreground) << " bg " << hex(st->background) << " font";
                if (!st->fontStyle)
                    out << " plain";
                if (st->fontStyle & kBold)
                    out << " bold";
                if (st->fontStyle & kItalic)
                    out << " italic";
                if (st->fontStyle & kUnderline)
                    out << " underline";
                out << " own-colours " << flagText(st->ownColours) << " flag-y " << flagText(st->flagY)
                    << " hotspot " << flagText(st->hotspot) << " value " << st->extra << '\n';
            }
        out << "[map]\n";
        for (int v = 0; v < 256; ++v)
            if (s.styleOf[static_cast<std::size_t>(v)] >= 0)
                out << "token " << v << " -> style " << s.styleOf[static_cast<std::size_t>(v)] << '\n';
        out << "[editable styles]\n";
        for (const auto& e : s.editableStyles)
            out << quoted(e.name) << " -> style " << int(e.style) << '\n';
        out << "[keyword tables]\n";
        for (const auto& k : s.keywordTables) {
            out << "table states " << formatSet(k.states) << " ends with " << quoted(k.endsWith) << " case "
                << k.caseFlag << '\n';
            for (const auto& [w, v] : k.words)
                out << "  " << quoted(w) << " token " << v << '\n';
        }
        // The switches are kept in the lists, not in the flag bytes above.
        auto switches = [](const TSM_Settings::MacroSwitches& m) {
            return std::string("switches: swallow ") + (m.swallow ? "on" : "off") + ", indent "
                + (m.indent ? "on" : "off") + ", caret marker " + (m.caretMarker ? "on" : "off") + ", list "
                + (m.showList ? "on" : "off") + "\n";
        };
        out << "[auto-replace]\ntrigger: " << quoted(s.autoReplace.triggerText()) << '\n'
            << switches(s.autoReplaceSwitches());
        for (const auto& e : s.autoReplace.items)
            out << quoted(e.item) << " -> " << quoted(e.replacement) << " (" << quoted(e.description) << ")\n";
        out << "[templates]\nhot key: " << s.templates.hotKey << '\n' << switches(s.templateSwitches());
        for (const auto& e : s.templates.items)
            out << quoted(e.name) << " (" << quoted(e.description) << "): " << quoted(e.body) << '\n';
        out << "[commands]\n";
        for (const auto& [code, name] : s.keys.names())
            out << code << ' ' << quoted(name) << '\n';
        out << "[key bindings]\n";
        for (const auto& b : s.keys.store().bindings())
            out << b.first << ' ' << b.second << " -> " << b.command << '\n';
    }

    void tables()
    {
        out << "[keywords]\ncase flag: " << t.keywords.caseFlag() << '\n';
        for (const auto& k : t.keywords.keywords())
            out << quoted(k.keyword) << " follow " << group(k.entry.follow) << " token " << int(k.entry.token)
                << " states " << formatSet(k.entry.states) << '\n';
        out << "[continuation rules]\n";
        for (int v = 0; v < 256; ++v)
            if (const auto& c = t.continuation[static_cast<std::size_t>(v)])
                out << "token " << v << ": body " << part(c->body) << " end " << end(c->end) << '\n';
        out << "[default start table]\n";
        table(t.defaultStart);
        out << "[context state sets]\n";
        for (int v = 0; v < 256; ++v)
            if (t.contextStates[static_cast<std::size_t>(v)] != t.defaultContext)
                out << "token " << v << ": " << formatSet(t.contextStates[static_cast<std::size_t>(v)]) << '\n';
        out << "[token effects]\n";
        for (int v = 0; v < 256; ++v)
            if (const auto& e = t.effects[static_cast<std::size_t>(v)])
                out << "token " << v << ": allowed " << formatSet(e->allowed) << " enter " << formatSet(e->enter)
                    << " leave " << formatSet(e->leave) << " lookahead " << flagText(e->lookahead) << " keep "
                    << flagText(e->keep) << " stack " << int(e->stack) << '\n';
        for (int s = 0; s < 256; ++s)
            if (const auto& tab = t.stateStart[static_cast<std::size_t>(s)]) {
                out << "[start table of state " << s << "]\n";
                table(*tab);
            }
        out << "[sets]\nanchor: " << formatSet(t.anchor) << "\nbound states: " << formatSet(t.boundStates)
            << "\ndefault context: " << formatSet(t.defaultContext)
            << "\nneeds custom handler: " << flagText(t.needsCustomHandler) << '\n';
    }
};

} // namespace

std::string formatSet(const TStateSet& s)
{
    std::string out = "{";
    out += ranges(s, ",", [](int n) { return std::to_string(n); });
    out += '}';
    return out;
}

std::string formatGroup(const TSM_CharGroup& g)
{
    if (g.isAny())
        return "any";
    std::string out = g.negated ? "[^" : "[";
    out += ranges(g.set, "", charText);
    out += ']';
    return out;
}

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\')
            out += std::string("\\") + static_cast<char>(c);
        else if (c < 32 || c >= 127) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else
            out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string dumpTables(const TSM_ParserTables& tables)
{
    Dumper d{tables, {}};
    d.settings();
    d.tables();
    return d.out.str();
}

} // namespace tessaly::parser
