# Writes BuiltinDefinitions.cpp: the stored forms of the compiled definitions
# and the plain text script as byte arrays behind builtinParserForm() and
# plainTextScript(). Run with cmake -P and the paths as -D variables.
function(byte_array var file)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  set(${var} "constexpr char ${var}[] = {\n    ${bytes}\n    '\\0'};\nconstexpr std::size_t ${var}Size = ${size};\n" PARENT_SCOPE)
endfunction()

byte_array(kHtml ${HTML})
byte_array(kVBScript ${VBSCRIPT})
byte_array(kJavaScript ${JAVASCRIPT})
byte_array(kPlainText ${PLAIN_TEXT})

file(WRITE ${OUTPUT} "// Generated at build time from data/syntax: do not edit.
#include \"parser/BuiltinDefinitions.h\"

#include <cstddef>

namespace tessaly::parser {

namespace {

${kHtml}
${kVBScript}
${kJavaScript}
${kPlainText}
} // namespace

std::string_view builtinParserForm(BuiltinLanguage language)
{
    switch (language) {
    case BuiltinLanguage::HTML:
        return {kHtml, kHtmlSize};
    case BuiltinLanguage::VBScript:
        return {kVBScript, kVBScriptSize};
    case BuiltinLanguage::JavaScript:
        return {kJavaScript, kJavaScriptSize};
    case BuiltinLanguage::PlainText:
        break;
    }
    return {};
}

std::string_view plainTextScript()
{
    return {kPlainText, kPlainTextSize};
}

} // namespace tessaly::parser
")
