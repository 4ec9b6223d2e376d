#include "parser/StyleString.h"

#include "parser/CompilerMessages.h"

#include <charconv>

namespace tessaly::parser {

namespace {

constexpr const char* kPrefix = "Kelvar6:";
constexpr const char* kTags[] = {"OPT", "GWD", "GCL", "WRC", "IDS", "WRO", "FON",
                                 "FOS", "STC", "STB", "TBC", "TBD", "EFF"};

std::string num(std::int64_t v) { return std::to_string(static_cast<std::int32_t>(v)); }

std::string effects(const TSM_Settings& s)
{
    int used = 0;
    for (const auto& st : s.styles)
        used += st ? 1 : 0;
    std::string out = std::to_string(used == 256 ? 255 : used) + ",";
    for (int n = 0; n < 256; ++n)
        if (const auto& st = s.styles[static_cast<std::size_t>(n)]) {
            out += std::to_string(n) + "," + num(st->foreground.stored()) + "," + num(st->background.stored()) + ",";
            if (st->ownColours)
                out += 'X';
            if (st->flagY)
                out += 'Y';
            if (st->fontStyle & kBold)
                out += 'B';
            if (st->fontStyle & kItalic)
                out += 'I';
            if (st->fontStyle & kUnderline)
                out += 'U';
            out += ';';
        }
    return out;
}

[[noreturn]] void bad() { throw EInvalidRegistryData(compilerMessageText(msgInvalidStyleString)); }

std::int32_t toInt(std::string_view text)
{
    std::int64_t v = 0;
    const char* b = text.data();
    const char* e = text.data() + text.size();
    auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e || text.empty() || v < -2147483648LL || v > 4294967295LL)
        bad();
    return static_cast<std::int32_t>(v);
}

// A colour in the string's form: the stored number, written signed.
memo::TColor toColour(std::string_view text)
{
    return memo::TColor::fromStored(static_cast<std::uint32_t>(toInt(text)));
}

// "n,fg,bg,FLAGS;" entries after the count.
void applyEffects(std::string_view text, TSM_Settings& s)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        bad();
    const std::int32_t count = toInt(text.substr(0, comma));
    text.remove_prefix(comma + 1);
    int read = 0;
    while (!text.empty()) {
        std::string_view field[3];
        for (auto& f : field) {
            const auto c = text.find(',');
            if (c == std::string_view::npos)
                bad();
            f = text.substr(0, c);
            text.remove_prefix(c + 1);
        }
        const auto semi = text.find(';');
        if (semi == std::string_view::npos)
            bad();
        const std::int32_t n = toInt(field[0]);
        if (n < 0 || n > 255)
            bad();
        TSM_Style st = s.styles[static_cast<std::size_t>(n)].value_or(TSM_Style{});
        st.foreground = toColour(field[1]);
        st.background = toColour(field[2]);
        st.ownColours = st.flagY = false;
        st.fontStyle = 0;
        for (char f : text.substr(0, semi)) {
            switch (f) {
            case 'X': st.ownColours = true; break;
            case 'Y': st.flagY = true; break;
            case 'B': st.fontStyle |= kBold; break;
            case 'I': st.fontStyle |= kItalic; break;
            case 'U': st.fontStyle |= kUnderline; break;
            default: bad();
            }
        }
        text.remove_prefix(semi + 1);
        s.styles[static_cast<std::size_t>(n)] = st;
        ++read;
    }
    // A full table of 256 styles is counted as 255.
    if (read != count && !(count == 255 && read == 256))
        bad();
}

} // namespace

std::string makeStyleString(const TSM_Settings& s)
{
    const std::string values[] = {
        num(s.options), num(s.gutterWidth), num(s.gutterColour.stored()), num(s.wordWrapColumn), num(s.indentStep),
        s.wrapOverride, s.fontName, num(s.fontSize), num(s.selTextColour.stored()), num(s.selTextBack.stored()),
        s.tabColumnsText(), num(s.tabDefault), effects(s),
    };
    std::string out = kPrefix;
    for (std::size_t i = 0; i < 13; ++i)
        out += std::string(kTags[i]) + "#" + std::to_string(values[i].size()) + "#" + values[i];
    return out + "#END#";
}

void applyStyleString(const std::string& text, TSM_Settings& target)
{
    std::string_view rest = text;
    if (rest.substr(0, 8) != kPrefix)
        bad();
    rest.remove_prefix(8);
    std::string values[13];
    for (std::size_t i = 0; i < 13; ++i) {
        if (rest.substr(0, 4) != std::string(kTags[i]) + "#")
            bad();
        rest.remove_prefix(4);
        const auto hash = rest.find('#');
        if (hash == std::string_view::npos || hash > 10)
            bad();
        const std::int32_t len = toInt(rest.substr(0, hash));
        rest.remove_prefix(hash + 1);
        if (len < 0 || static_cast<std::size_t>(len) > rest.size())
            bad();
        values[i] = std::string(rest.substr(0, static_cast<std::size_t>(len)));
        rest.remove_prefix(static_cast<std::size_t>(len));
    }
    if (rest != "#END#")
        bad();

    TSM_Settings s = target;
    s.options = toInt(values[0]);
    s.gutterWidth = toInt(values[1]);
    s.gutterColour = toColour(values[2]);
    s.wordWrapColumn = toInt(values[3]);
    s.indentStep = toInt(values[4]);
    s.wrapOverride = values[5];
    s.fontName = values[6];
    s.fontSize = toInt(values[7]);
    s.selTextColour = toColour(values[8]);
    s.selTextBack = toColour(values[9]);
    if (!s.setTabColumns(values[10]))
        bad();
    s.tabDefault = toInt(values[11]);
    applyEffects(values[12], s);
    target = std::move(s);
}

std::string makeKeyAssignments(const TSM_Settings& s)
{
    TableWriter w;
    w.shortString(kPrefix);
    s.keys.write(w);
    return w.take();
}

void applyKeyAssignments(const std::string& bytes, TSM_Settings& s)
{
    try {
        TableReader r(bytes);
        if (r.shortString("key assignment prefix") != kPrefix)
            r.fail("no key assignment prefix");
        TKeyboardActionContoller keys = TKeyboardActionContoller::read(r);
        if (r.remaining() != 0)
            r.fail("bytes after the key assignments");
        s.keys = std::move(keys);
    } catch (const ETableStream&) {
        throw EInvalidRegistryData(compilerMessageText(msgInvalidRegistryData));
    }
}

} // namespace tessaly::parser
