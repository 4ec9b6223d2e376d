#pragma once

#include <string_view>

// Implemented by the source that the build generates into the
// tessaly_syntax_data library (see data/syntax).

namespace tessaly::parser {

// The languages the program carries. HTML and VBScript share one definition
// (the web page with its embedded scripts) in two colour schemes.
enum class BuiltinLanguage { HTML, JavaScript, VBScript, PlainText };

// The stored form of a built-in definition, compiled when the program was
// built; hand it to TSyntaxMemoParser::setParser. Empty for PlainText, which
// is carried as script text instead.
std::string_view builtinParserForm(BuiltinLanguage language);

// The plain text definition as script text, for TSyntaxMemoParser::compile.
std::string_view plainTextScript();

} // namespace tessaly::parser
