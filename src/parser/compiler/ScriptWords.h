#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::parser {

// The words of the definition language, compared as written.
enum class Word {
    // sections
    secLanguage, secWords, secHandler, secTokens, secMap, secEffects, secStates, secContainers,
    secKeys, secAutoreplace, secTemplates, secKwTables,
    // settings of %%language
    name, caseWord, options, exampletext, editablestyles, wordwrapcolumn, fontname, fontsize, gutter,
    guttercolor, margincolor, marginwidth, anchor, startstate, contextstates, indentstep, wrapoverride,
    seltextcolor, seltextback, rightmargin, tabcolumns, tabdefault, boundstates,
    // others
    InState, shift, ctrl, alt, match, actionkeys, hotkey, forstate, endswith, is, push, pop,
};

std::optional<Word> wordOf(std::string_view text);
const char* wordText(Word w);
inline bool isSectionWord(Word w) { return w <= Word::secKwTables; }

// The macros every script starts with: handler numbers, option bits,
// colours, editor actions and key names, each expanding to its value.
const std::map<std::string, std::string, std::less<>>& predefinedMacros();

} // namespace tessaly::parser
