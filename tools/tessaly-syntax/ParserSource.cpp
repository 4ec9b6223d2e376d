#include "ParserSource.h"

#include "parser/ParserFormat.h"
#ifndef TESSALY_NO_BUILTIN_DEFINITIONS
#include "parser/BuiltinDefinitions.h"
#endif

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessaly::tools {

std::string loadParser(const std::string& source, parser::TSyntaxMemoParser& p)
{
#ifndef TESSALY_NO_BUILTIN_DEFINITIONS
    using parser::BuiltinLanguage;
    try {
        if (source == "html" || source == "javascript" || source == "vbscript") {
            const BuiltinLanguage lang = source == "html" ? BuiltinLanguage::HTML
                : source == "javascript"                  ? BuiltinLanguage::JavaScript
                                                          : BuiltinLanguage::VBScript;
            p.setParser(parser::builtinParserForm(lang));
            return {};
        }
        if (source == "text") {
            p.compile(std::string(parser::plainTextScript()));
            return {};
        }
    } catch (const std::exception& e) {
        return source + ": " + e.what();
    }
#endif
    std::ifstream in(source, std::ios::binary);
    if (!in)
        return source + ": not a built-in language and cannot be opened";
    std::ostringstream s;
    s << in.rdbuf();
    const std::string bytes = s.str();
    try {
        // A stored form starts with its version word; anything else is a script.
        if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == parser::kParserFormatVersion && bytes[1] == 0)
            p.setParser(bytes);
        else
            p.compile(bytes, std::filesystem::path(source).parent_path());
    } catch (const std::exception& e) {
        return source + ": " + e.what();
    }
    return {};
}

} // namespace tessaly::tools
