#pragma once

#include "parser/Settings.h"

#include <string>

namespace tessaly::parser {

// The third stored value of a language, "Editor Extras - <language>": what
// the user edits that the style string and the key assignments leave out,
// namely the auto-replace list with its trigger text and switches, the code
// templates with their hot key and switches, the print title and the right
// margin.
//
// Form: the short string "Kelvar6:", an integer version (1), the
// auto-replace stream, an integer of auto-replace switch bits, the code
// template stream, an integer of template switch bits, the print title as a
// long string, the right margin as an integer. A later version may append fields: a reader takes the fields
// it knows and leaves the rest. Records written before this value existed
// simply lack it, and the language keeps its built-in lists.
inline constexpr std::int32_t kEditorExtrasVersion = 1;

std::string makeEditorExtras(const TSM_Settings& s);

// Applies the value to the settings; EInvalidRegistryData with "Invalid data
// in registry entry" for bad data, leaving the settings as they were.
void applyEditorExtras(const std::string& bytes, TSM_Settings& s);

} // namespace tessaly::parser
