#include "parser/compiler/ScriptWords.h"

#include <array>
#include <utility>

namespace tessaly::parser {

namespace {

constexpr std::array<std::pair<Word, const char*>, 48> kWords{{
    {Word::secLanguage, "%%language"}, {Word::secWords, "%%words"}, {Word::secHandler, "%%handler"},
    {Word::secTokens, "%%tokens"}, {Word::secMap, "%%map"}, {Word::secEffects, "%%effects"},
    {Word::secStates, "%%states"}, {Word::secContainers, "%%containers"}, {Word::secKeys, "%%keys"},
    {Word::secAutoreplace, "%%autoreplace"}, {Word::secTemplates, "%%templates"},
    {Word::secKwTables, "%%kwTables"},
    {Word::name, "name"}, {Word::caseWord, "case"}, {Word::options, "options"},
    {Word::exampletext, "exampletext"}, {Word::editablestyles, "editablestyles"},
    {Word::wordwrapcolumn, "wordwrapcolumn"}, {Word::fontname, "fontname"}, {Word::fontsize, "fontsize"},
    {Word::gutter, "gutter"}, {Word::guttercolor, "guttercolor"}, {Word::margincolor, "margincolor"},
    {Word::marginwidth, "marginwidth"}, {Word::anchor, "anchor"}, {Word::startstate, "startstate"},
    {Word::contextstates, "contextstates"}, {Word::indentstep, "indentstep"},
    {Word::wrapoverride, "wrapoverride"}, {Word::seltextcolor, "seltextcolor"},
    {Word::seltextback, "seltextback"}, {Word::rightmargin, "rightmargin"},
    {Word::tabcolumns, "tabcolumns"}, {Word::tabdefault, "tabdefault"}, {Word::boundstates, "boundstates"},
    {Word::InState, "InState"}, {Word::shift, "shift"}, {Word::ctrl, "ctrl"}, {Word::alt, "alt"},
    {Word::match, "match"}, {Word::actionkeys, "actionkeys"}, {Word::hotkey, "hotkey"},
    {Word::forstate, "forstate"}, {Word::endswith, "endswith"}, {Word::is, "is"}, {Word::push, "push"},
    {Word::pop, "pop"},
    {Word::secHandler, "%%handlers"},
}};

std::map<std::string, std::string, std::less<>> makeMacros()
{
    std::map<std::string, std::string, std::less<>> m;
    auto num = [&m](const std::string& name, long long v) { m[name] = std::to_string(v); };
    m["ver200"] = "ver200";
    num("pt_DEFAULT", 0);
    num("_use_", 1);
    num("_discard_", 0);
    num("__insensitive", 0);
    num("__sensitive", 1);
    num("_edge", 0);
    num("_default_gutter", 34);
    num("_DEFAULT_START_ANCHOR", 0);
    num("__DEFAULT_OPTIONS", 67099632);
    num("_PASCAL_CHAR", 0);
    num("_WEB_CHAR", 1);
    num("_ORIGINAL_CHAR", 2);
    const char* handlers[] = {"__STD_IDENTIFIER", "__STD_NUMBER_OR_FP", "__STD_PASCALSTRING", "__STD_C_STRING",
                              "__STD_C_CHAR", "__STD_C_NUMBER_OR_FP_SIGNED", "__STD_NUMBER", "__STD_MAIL_URL",
                              "__STD_HTML_STRING", "__STD_JS_LINE_COMMENT", "__STD_C_STRING_SQ"};
    for (int i = 0; i < 11; ++i)
        num(handlers[i], 10 + i);
    num("fsBold", 0);
    num("fsItalic", 1);
    num("fsUnderline", 2);
    num("None", 0);

    const std::pair<const char*, long long> options[] = {
        {"__OPT_PRINT_WRAP", 0x20}, {"__OPT_PRINT_LINENOS", 0x40}, {"__OPT_PRINT_FILENAME", 0x80},
        {"__OPT_PRINT_DATE", 0x100}, {"__OPT_PRINT_PAGENOS", 0x200}, {"__OPT_WORDWRAP", 0x400},
        {"__OPT_AUTOINDENT", 0x800}, {"__OPT_TABCOLUMN", 0x1000}, {"__OPT_WRAP_OVERRIDE", 0x2000},
        {"__WORD_SELECT", 0x4000}, {"__OPT_SHOW_RMARGIN", 0x8000}, {"__OPT_SHOW_RIGHT_MARGIN", 0x8000},
        {"__OPT_SHOW_GUTTER", 0x10000}, {"__OPT_SHOW_WRAPCOLUMN", 0x20000}, {"__OPT_TITLE_AS_FILENAME", 0x40000},
        {"__OPT_PROCESS_DROP_FILES", 0x80000}, {"__OPT_BLOCK_CURSOR", 0x100000}, {"__OPT_WRAP_GLYPH", 0x200000},
        {"__OPT_COLUMN_TRACK", 0x400000}, {"__OPT_USE_TAB", 0x800000}, {"__OPT_SMART_FILL", 0x1000000},
    };
    for (const auto& [n, v] : options)
        num(n, v);

    const std::pair<const char*, long long> colours[] = {
        {"clBlack", 0}, {"clMaroon", 128}, {"clGreen", 0x8000}, {"clOlive", 32896}, {"clNavy", 0x800000},
        {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 8421504}, {"clDkGray", 8421504},
        {"clSilver", 12632256}, {"clLtGray", 12632256}, {"clRed", 255}, {"clLime", 65280},
        {"clYellow", 0xffff}, {"clBlue", 0xff0000}, {"clFuchsia", 0xff00ff}, {"clAqua", 0xffff00},
        {"clWhite", 0xffffff},
    };
    for (const auto& [n, v] : colours)
        num(n, v);

    const char* actions[] = {"caLEFT", "caRIGHT", "caLINEHOME", "caLINEEND", "caUP", "caDOWN", "caPAGEUP",
                             "caPAGEDOWN", "caWORDLEFT", "caWORDRIGHT", "caDOCSTART", "caDOCEND", "caCUT",
                             "caCOPY", "caPASTE", "caDELETE", "caBACKSPACE", "caBLOCKIND", "caBLOCKUND",
                             "caINSTOGGLE"};
    for (int i = 0; i < 20; ++i)
        num(actions[i], i);
    for (int i = 0; i < 10; ++i) {
        const char digit = static_cast<char>('0' + i);
        num(std::string("caSETBOOKMARK").append(1, digit), 20 + i);
        num(std::string("caGOTOBOOKMARK").append(1, digit), 30 + i);
    }
    num("caDELETELINE", 40);
    num("caUNDO", 41);
    num("caREDO", 42);
    num("caDELPREVWORD", 43);
    num("caPRINTSEL", 44);

    const std::pair<const char*, long long> keys[] = {
        {"LEFT", 37}, {"RIGHT", 39}, {"UP", 38}, {"DOWN", 40}, {"PGUP", 33}, {"PGDN", 34}, {"HOME", 36},
        {"END", 35}, {"DELETE", 46}, {"BACKSPACE", 8}, {"INSERT", 45},
    };
    for (const auto& [n, v] : keys)
        num(n, v);
    static const char* const functionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6",
                                               "F7", "F8", "F9", "F10", "F11", "F12"};
    for (int i = 0; i < 12; ++i)
        num(functionKeys[i], 112 + i);
    return m;
}

} // namespace

std::optional<Word> wordOf(std::string_view text)
{
    for (const auto& [w, t] : kWords)
        if (text == t)
            return w;
    return std::nullopt;
}

const char* wordText(Word w)
{
    for (const auto& [word, t] : kWords)
        if (word == w)
            return t;
    return "";
}

const std::map<std::string, std::string, std::less<>>& predefinedMacros()
{
    static const auto m = makeMacros();
    return m;
}

} // namespace tessaly::parser
