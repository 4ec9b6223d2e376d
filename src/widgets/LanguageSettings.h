#pragma once

#include <QColor>

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::parser {
class TSyntaxMemoParser;
}

namespace tessaly::widgets {

class TSyntaxMemoView;


// Brings everything a language's settings hold to an editor view: options,
// tab width and tab columns, indent step, wrap column and wrap-override
// characters, font, gutter, right margin, page and selection colours, the
// style of every token value, the key assignments, the auto-replace list
// with its triggers and switches, the code templates with their hot key
// and switches, and the print title to a document that has none. Clashing
// key bindings keep the keys the view had, and their error text is
// returned; everything else still applies.
std::vector<std::string> applyLanguageSettings(TSyntaxMemoView& view, const parser::TSyntaxMemoParser& parser);

} // namespace tessaly::widgets
