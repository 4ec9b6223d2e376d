#include "parser/Settings.h"

#include "parser/MacroStreams.h"

#include <cctype>

namespace tessaly::parser {

namespace {

std::uint8_t switchBits(const TSM_Settings::MacroSwitches& m)
{
    return static_cast<std::uint8_t>((m.swallow ? 1 : 0) | (m.indent ? 2 : 0) | (m.caretMarker ? 4 : 0)
                                     | (m.showList ? 8 : 0));
}

TSM_Settings::MacroSwitches switchesOf(std::uint8_t bits)
{
    return {(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
}

// A colour field holds the stored 0x00BBGGRR value as a signed integer.
std::int32_t storedColour(memo::TColor c)
{
    return static_cast<std::int32_t>(c.stored());
}

memo::TColor colourField(TableReader& r, const char* what)
{
    return memo::TColor::fromStored(static_cast<std::uint32_t>(r.integer(what)));
}

} // namespace

std::string TSM_Settings::tabColumnsText() const
{
    std::string out;
    for (auto c : tabColumns) {
        if (c == 0)
            break;
        if (!out.empty())
            out += ' ';
        out += std::to_string(c);
    }
    return out;
}

bool TSM_Settings::setTabColumns(const std::string& text)
{
    std::array<std::uint8_t, 128> cols{};
    std::size_t n = 0;
    int last = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto ch = static_cast<unsigned char>(text[i]);
        if (ch == ' ' || ch == ',' || ch == '\t') {
            ++i;
            continue;
        }
        if (!std::isdigit(ch))
            return false;
        int v = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            v = v * 10 + (text[i] - '0');
            if (v > 255)
                return false;
            ++i;
        }
        // Columns climb; the list ends at the first 0, so 127 fit.
        if (v <= last || n >= cols.size() - 1)
            return false;
        cols[n++] = static_cast<std::uint8_t>(v);
        last = v;
    }
    tabColumns = cols;
    return true;
}

void TSM_Settings::write(TableWriter& w) const
{
    w.longString(exampleText);
    w.longString(languageName);
    w.longString(wrapOverride);
    for (std::int32_t v :
         {options, marginWidth, rightMargin, wordWrapColumn, gutterWidth, indentStep, storedColour(marginColour),
          storedColour(gutterColour), storedColour(selTextColour), storedColour(selTextBack), tabDefault})
        w.integer(v);

    std::int32_t styleCount = 0;
    for (const auto& s : styles)
        styleCount += s ? 1 : 0;
    w.integer(styleCount);
    for (int n = 0; n < 256; ++n)
        if (const auto& s = styles[static_cast<std::size_t>(n)]) {
            w.byte(static_cast<std::uint8_t>(n));
            w.byte(s->fontStyle);
            w.integer(storedColour(s->foreground));
            w.integer(storedColour(s->background));
            w.flag(s->ownColours);
            w.flag(s->flagY);
            w.flag(s->hotspot);
            w.integer(s->extra);
        }

    std::int32_t mapCount = 0;
    for (auto s : styleOf)
        mapCount += s >= 0 ? 1 : 0;
    w.integer(mapCount);
    for (int t = 0; t < 256; ++t)
        if (styleOf[static_cast<std::size_t>(t)] >= 0) {
            w.byte(static_cast<std::uint8_t>(t));
            w.byte(static_cast<std::uint8_t>(styleOf[static_cast<std::size_t>(t)]));
        }

    w.integer(static_cast<std::int32_t>(editableStyles.size()));
    for (const auto& e : editableStyles) {
        w.longString(e.name);
        w.byte(e.style);
    }
    w.raw(std::string_view(reinterpret_cast<const char*>(tabColumns.data()), tabColumns.size()));
    w.longString(fontName);
    w.integer(fontSize);
    std::array<std::uint8_t, 5> stored = flags;
    stored[0] = static_cast<std::uint8_t>((stored[0] & ~15) | (~switchBits(templateSwitches()) & 15));
    stored[1] = static_cast<std::uint8_t>((stored[1] & ~15) | switchBits(autoReplaceSwitches()));
    for (auto f : stored)
        w.byte(f);

    w.integer(static_cast<std::int32_t>(keywordTables.size()));
    for (const auto& k : keywordTables) {
        w.set(k.states);
        w.longString(k.endsWith);
        w.integer(k.caseFlag);
        w.integer(static_cast<std::int32_t>(k.words.size()));
        for (const auto& [word, token] : k.words) {
            w.longString(word);
            w.integer(token);
        }
    }
    writeAutoReplace(w, autoReplace);
    writeCodeTemplates(w, templates);
    keys.write(w);
}

TSM_Settings TSM_Settings::read(TableReader& r)
{
    TSM_Settings s;
    s.exampleText = r.longString("example text");
    s.languageName = r.longString("language name");
    s.wrapOverride = r.longString("wrap-override characters");
    s.options = r.integer("options");
    s.marginWidth = r.integer("margin width");
    s.rightMargin = r.integer("right margin");
    s.wordWrapColumn = r.integer("word wrap column");
    s.gutterWidth = r.integer("gutter width");
    s.indentStep = r.integer("indent step");
    s.marginColour = colourField(r, "margin colour");
    s.gutterColour = colourField(r, "gutter colour");
    s.selTextColour = colourField(r, "selected text colour");
    s.selTextBack = colourField(r, "selected text background");
    s.tabDefault = r.integer("default tab width");

    const std::size_t styleCount = r.count("styles", 256, 17);
    for (std::size_t i = 0; i < styleCount; ++i) {
        const std::uint8_t n = r.byte("style number");
        TSM_Style st;
        st.fontStyle = r.byte("font style");
        st.foreground = colourField(r, "foreground");
        st.background = colourField(r, "background");
        st.ownColours = r.flag("style flag");
        st.flagY = r.flag("style flag");
        st.hotspot = r.flag("style flag");
        st.extra = r.integer("style value");
        s.styles[n] = st;
    }
    const std::size_t mapCount = r.count("style map", 256, 2);
    for (std::size_t i = 0; i < mapCount; ++i) {
        const std::uint8_t t = r.byte("mapped token value");
        s.styleOf[t] = r.byte("mapped style");
    }
    const std::size_t editable = r.count("editable styles", kMaxEditableStyles, 5);
    for (std::size_t i = 0; i < editable; ++i) {
        TSM_EditableStyle e;
        e.name = r.longString("editable style name");
        e.style = r.byte("editable style number");
        s.editableStyles.push_back(std::move(e));
    }
    for (auto& c : s.tabColumns)
        c = r.byte("tab stop columns");
    s.fontName = r.longString("font name");
    s.fontSize = r.integer("font size");
    for (auto& f : s.flags)
        f = r.byte("settings flags");

    const std::size_t tables = r.count("keyword tables", kMaxKeywordTables, 44);
    for (std::size_t i = 0; i < tables; ++i) {
        TSM_KeywordTable k;
        k.states = r.set("keyword table states");
        k.endsWith = r.longString("keyword table end");
        k.caseFlag = r.integer("keyword table case flag");
        const std::size_t words = r.count("keyword table words", 1 << 20, 8);
        for (std::size_t j = 0; j < words; ++j) {
            std::string word = r.longString("keyword table word");
            k.words.emplace_back(std::move(word), r.integer("keyword table token value"));
        }
        s.keywordTables.push_back(std::move(k));
    }
    s.autoReplace = readAutoReplace(r);
    s.templates = readCodeTemplates(r);
    s.keys = TKeyboardActionContoller::read(r);
    // The switches move from the flag bytes into the lists they belong to.
    s.setTemplateSwitches(switchesOf(static_cast<std::uint8_t>(~s.flags[0] & 15)));
    s.setAutoReplaceSwitches(switchesOf(static_cast<std::uint8_t>(s.flags[1] & 15)));
    s.flags[0] = static_cast<std::uint8_t>(s.flags[0] & ~15);
    s.flags[1] = static_cast<std::uint8_t>(s.flags[1] & ~15);
    return s;
}

namespace {

TSM_Settings::MacroSwitches switchesIn(const memo::TMacroKeywords& k)
{
    return {k.swallow, k.indent, k.caretMarker, k.showList};
}

void setSwitches(memo::TMacroKeywords& k, const TSM_Settings::MacroSwitches& m)
{
    k.swallow = m.swallow;
    k.indent = m.indent;
    k.caretMarker = m.caretMarker;
    k.showList = m.showList;
}

} // namespace

TSM_Settings::MacroSwitches TSM_Settings::templateSwitches() const
{
    return switchesIn(templates);
}

void TSM_Settings::setTemplateSwitches(const MacroSwitches& m)
{
    setSwitches(templates, m);
}

TSM_Settings::MacroSwitches TSM_Settings::autoReplaceSwitches() const
{
    return switchesIn(autoReplace);
}

void TSM_Settings::setAutoReplaceSwitches(const MacroSwitches& m)
{
    setSwitches(autoReplace, m);
}

} // namespace tessaly::parser
