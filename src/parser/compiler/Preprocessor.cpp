// The preprocessor of the symbol reader: #define, #ifdef, #ifndef, #else,
// #endif and #include.
#include "parser/compiler/SymbolReader.h"
#include "parser/compiler/ScriptChars.h"

#include <fstream>
#include <sstream>

namespace tessaly::parser {

namespace {

// Nested #include files; a file that includes itself stops here.
constexpr std::size_t kMaxIncludeDepth = 16;

using script::format;
using script::isBlank;
using script::isDigit;
using script::isLetter;

} // namespace

void TSYM_Compiler::skipLineBlanks()
{
    while (isBlank(peek()))
        advance();
}

std::string TSYM_Compiler::readName()
{
    std::string name;
    if (!isLetter(peek()))
        return name;
    while (isLetter(peek()) || isDigit(peek())) {
        name += static_cast<char>(peek());
        advance();
    }
    return name;
}

void TSYM_Compiler::directive()
{
    int line, column;
    here(line, column);
    advance(); // '#'
    std::string word;
    while (isLetter(peek())) {
        word += static_cast<char>(peek());
        advance();
    }
    auto restOfLine = [this] {
        std::string text;
        while (peek() >= 0 && peek() != 13 && peek() != 10) {
            text += static_cast<char>(peek());
            advance();
        }
        return text;
    };
    auto fail = [&](int number, const std::string& text) { errorAt(number, text, line, column); };

    if (word == "define") {
        skipLineBlanks();
        const std::string name = readName();
        if (name.empty()) {
            if (active())
                fail(msgMacroExpected, compilerMessageText(msgMacroExpected));
            restOfLine();
            return;
        }
        std::string text = restOfLine();
        std::size_t b = 0;
        while (b < text.size() && isBlank(static_cast<unsigned char>(text[b])))
            ++b;
        std::size_t e = text.size();
        while (e > b && isBlank(static_cast<unsigned char>(text[e - 1])))
            --e;
        if (active())
            macros_.define(name, text.substr(b, e - b));
    } else if (word == "ifdef" || word == "ifndef") {
        skipLineBlanks();
        const std::string name = readName();
        if (name.empty() && active())
            fail(msgMacroExpectedIfdef, compilerMessageText(msgMacroExpectedIfdef));
        const bool defined = isDefined(name);
        conditions_.push_back({active(), word == "ifdef" ? defined : !defined, false});
    } else if (word == "else") {
        if (conditions_.empty() || conditions_.back().seenElse)
            fail(msgSyntaxError, compilerMessageText(msgSyntaxError));
        conditions_.back().value = !conditions_.back().value;
        conditions_.back().seenElse = true;
    } else if (word == "endif") {
        if (conditions_.empty())
            fail(msgSyntaxError, compilerMessageText(msgSyntaxError));
        conditions_.pop_back();
    } else if (word == "include") {
        if (active())
            include(line, column);
        else
            restOfLine();
    } else if (active()) {
        fail(msgUnknownScriptIdentifier, compilerMessageText(msgUnknownScriptIdentifier));
    }
}

void TSYM_Compiler::include(int line, int column)
{
    skipLineBlanks();
    const int open = peek();
    if (open != '"' && open != '<')
        errorAt(msgIncludeNotEnclosed, compilerMessageText(msgIncludeNotEnclosed), line, column);
    const char close = open == '"' ? '"' : '>';
    advance();
    std::string name;
    while (peek() >= 0 && peek() != 13 && peek() != 10 && peek() != close) {
        name += static_cast<char>(peek());
        advance();
    }
    if (peek() != close)
        errorAt(msgIncludeUnterminated, format(compilerMessageText(msgIncludeUnterminated), std::string(1, close)),
                line, column);
    advance();
    while (peek() >= 0 && peek() != 13 && peek() != 10) // the rest of the directive's line is ignored
        advance();

    const Source& file = fileSource();
    const std::filesystem::path path = file.folder / name;
    // A folder opens like a file on some systems and reads as empty: it is
    // no file to include.
    std::error_code ec;
    const bool folder = std::filesystem::is_directory(path, ec);
    std::ifstream in;
    if (!folder)
        in.open(path, std::ios::binary);
    std::ostringstream text;
    if (in && in.peek() != std::char_traits<char>::eof())
        text << in.rdbuf();
    if (folder || !in.is_open() || in.bad() || file.depth + 1 > kMaxIncludeDepth || name.empty()) {
        std::string msg = compilerMessageText(msgIncludeOpen);
        for (const std::string& part : {std::string(1, static_cast<char>(open)), name, std::string(1, close)})
            msg = format(msg.c_str(), part);
        errorAt(msgIncludeOpen, msg, line, column);
    }
    Source inc;
    inc.text = std::make_shared<const std::string>(text.str());
    inc.folder = path.parent_path();
    inc.depth = file.depth + 1;
    sources_.push_back(std::move(inc));
}

} // namespace tessaly::parser
