#pragma once

#include "parser/runtime/SyntaxMemoParser.h"

#include <string>

namespace tessaly::tools {

// Fills parser from a --parser argument: a built-in language name (html,
// javascript, vbscript, text), a stored parser file, or a definition script.
// Returns an error text, empty on success.
std::string loadParser(const std::string& source, parser::TSyntaxMemoParser& parser);

} // namespace tessaly::tools
