#pragma once

namespace tessaly::insert {

// The language in force in a document, numbered as the editor's ActiveParser
// slot: 1 HTML, 2 JavaScript, 3 VBScript, 4 plain text.
enum class TLanguage { HTML = 1, JavaScript = 2, VBScript = 3, PlainText = 4 };

// Maps an ActiveParser number to a language; numbers out of range read as
// JavaScript, the language a new document starts with.
constexpr TLanguage languageFromParserNumber(int n)
{
    return n >= 1 && n <= 4 ? static_cast<TLanguage>(n) : TLanguage::JavaScript;
}

} // namespace tessaly::insert
