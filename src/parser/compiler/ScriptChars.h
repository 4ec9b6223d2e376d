#pragma once

#include <string>

// Character classes and message formatting shared by the script reader and
// its preprocessor (both halves of TSYM_Compiler).
namespace tessaly::parser::script {

inline bool isLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
inline bool isDigit(int c) { return c >= '0' && c <= '9'; }
// Blanks separate symbols: space, tab and the no-break space (160).
inline bool isBlank(int c) { return c == ' ' || c == '\t' || c == 160; }

// The pattern with its first "%s" replaced by a.
inline std::string format(const char* pattern, const std::string& a)
{
    std::string out = pattern;
    const auto at = out.find("%s");
    if (at != std::string::npos)
        out.replace(at, 2, a);
    return out;
}

} // namespace tessaly::parser::script
