#include "parser/compiler/SymbolReader.h"
#include "parser/compiler/ScriptChars.h"

#include "parser/Escapes.h"

#include <cstdio>
#include <utility>

namespace tessaly::parser {

namespace {

// Bounds that keep hostile scripts from running away: macro expansions in
// one compile (each expansion is one pushed text).
constexpr std::size_t kMaxExpansions = 1000000;
// Characters of macro text read in one compile; macros of macros can grow
// exponentially, and this keeps such a script from running for minutes.
constexpr std::size_t kMaxExpandedChars = std::size_t{4} << 20;

using script::format;
using script::isBlank;
using script::isDigit;
using script::isLetter;

} // namespace

TSYM_Compiler::TSYM_Compiler(std::string script, std::filesystem::path folder)
{
    Source main;
    main.text = std::make_shared<const std::string>(std::move(script));
    main.folder = std::move(folder);
    sources_.push_back(std::move(main));
}

int TSYM_Compiler::peek(std::size_t ahead) const
{
    const Source& s = sources_.back();
    const std::size_t at = s.pos + ahead;
    return at < s.text->size() ? static_cast<unsigned char>((*s.text)[at]) : -1;
}

void TSYM_Compiler::advance()
{
    Source& s = top();
    if (s.pos >= s.text->size())
        return;
    const auto c = static_cast<unsigned char>((*s.text)[s.pos++]);
    // A line ends at CR, LF or CR LF; the LF of a CR LF pair ends no second line.
    const bool lfAfterCr = c == 10 && s.pos >= 2 && (*s.text)[s.pos - 2] == 13;
    if (c == 13 || (c == 10 && !lfAfterCr)) {
        ++s.line;
        s.column = 1;
    } else if (c != 10) {
        ++s.column;
    }
}

const TSYM_Compiler::Source& TSYM_Compiler::fileSource() const
{
    for (auto it = sources_.rbegin(); it != sources_.rend(); ++it)
        if (it->macro.empty())
            return *it;
    return sources_.front();
}

void TSYM_Compiler::here(int& line, int& column) const
{
    if (!sources_.back().macro.empty()) {
        line = sources_.back().originLine;
        column = sources_.back().originColumn;
        return;
    }
    const Source& f = fileSource();
    line = f.line;
    column = f.column;
}

void TSYM_Compiler::errorAt(int number, const std::string& text, int line, int column) const
{
    throw ECompileError(number, text, line, column);
}

void TSYM_Compiler::error(int number, const std::string& text) const
{
    errorAt(number, text, sym_.line, sym_.column);
}

void TSYM_Compiler::error(int number) const
{
    error(number, compilerMessageText(number));
}

void TSYM_Compiler::skipComment()
{
    int line, column;
    here(line, column);
    advance(); // '/'
    advance(); // '*'
    for (;;) {
        const int c = peek();
        if (c < 0)
            errorAt(msgUnexpectedEof, compilerMessageText(msgUnexpectedEof), line, column);
        if (c == '*' && peek(1) == '/') {
            advance();
            advance();
            return;
        }
        advance();
    }
}

bool TSYM_Compiler::skipToSymbol()
{
    for (;;) {
        const int c = peek();
        if (c < 0) {
            if (sources_.size() == 1) {
                if (!conditions_.empty()) {
                    int line, column;
                    here(line, column);
                    errorAt(msgUnexpectedEof, compilerMessageText(msgUnexpectedEof), line, column);
                }
                return false;
            }
            popSource();
            continue;
        }
        if (isBlank(c) || c == 13 || c == 10) {
            advance();
        } else if (c == '/' && peek(1) == '*') {
            skipComment();
        } else if (c == '/' && peek(1) == '/') {
            while (peek() >= 0 && peek() != 13 && peek() != 10)
                advance();
        } else if (c == '#' && isLetter(peek(1))) {
            directive();
        } else if (!active()) {
            advance();
        } else {
            return true;
        }
    }
}

void TSYM_Compiler::readIdentifier()
{
    std::string name;
    while (isLetter(peek()) || isDigit(peek())) {
        name += static_cast<char>(peek());
        advance();
    }
    if (auto m = macros_.find(name)) {
        ++stackWork_;
        if (const auto it = activeMacros_.find(name); it != activeMacros_.end() && it->second > 0)
            error(msgRecursiveMacro, format(compilerMessageText(msgRecursiveMacro), name));
        expandedChars_ += m->size();
        if (++expansions_ > kMaxExpansions || expandedChars_ > kMaxExpandedChars)
            error(msgMacroTooLarge);
        pushExpansion(name, std::move(m));
        sym_.kind = SymbolKind::end; // the caller reads on in the expansion
        return;
    }
    if (const auto w = wordOf(name)) {
        sym_.kind = SymbolKind::word;
        sym_.word = *w;
        sym_.text = name;
        return;
    }
    error(msgIdentifier, std::string(compilerMessageText(msgIdentifier)) + " \"" + name + "\" " +
                             compilerMessageText(msgUnknown));
}

void TSYM_Compiler::pushExpansion(const std::string& name, TWordStore::Text text)
{
    Source expansion;
    expansion.text = std::move(text);
    expansion.macro = name;
    expansion.originLine = sym_.line; // where this name began, or its own macro's origin
    expansion.originColumn = sym_.column;
    // Expansions that ended with this name leave the stack now, so that a
    // chain of macros each naming the next keeps the stack short; their
    // names pass to the new expansion and stay active until it ends.
    while (sources_.size() > 1 && !top().macro.empty() && top().pos >= top().text->size()) {
        Source done = std::move(top());
        sources_.pop_back();
        ++stackWork_;
        // Append the shorter list to the longer, so a name moves rarely.
        if (done.inherited.size() > expansion.inherited.size())
            std::swap(done.inherited, expansion.inherited);
        expansion.inherited.insert(expansion.inherited.end(), done.inherited.begin(), done.inherited.end());
        expansion.inherited.push_back(std::move(done.macro));
    }
    ++activeMacros_[name];
    ++stackWork_;
    sources_.push_back(std::move(expansion));
}

void TSYM_Compiler::popSource()
{
    Source& done = top();
    if (!done.macro.empty())
        --activeMacros_[done.macro];
    for (const std::string& name : done.inherited)
        --activeMacros_[name];
    stackWork_ += 1 + done.inherited.size();
    sources_.pop_back();
}

void TSYM_Compiler::readString()
{
    advance(); // opening quote
    std::string text, raw;
    for (;;) {
        const int c = peek();
        if (c < 0)
            error(msgUnexpectedEof);
        if (c == '\'') {
            advance();
            break;
        }
        if (c == 13 || c == 10)
            error(msgStringExpected);
        if (c != '\\') {
            text += static_cast<char>(c);
            raw += static_cast<char>(c);
            advance();
            continue;
        }
        advance();
        const int e = peek();
        if (e < 0)
            error(msgUnexpectedEof);
        if (e == 13 || e == 10) {
            // Line continuation: the line break, the next line's leading
            // blanks and a backslash that starts it are left out.
            if (peek() == 13)
                advance();
            if (peek() == 10)
                advance();
            skipLineBlanks();
            if (peek() == '\\')
                advance();
            continue;
        }
        const Source& s = sources_.back();
        std::size_t pos = s.pos;
        const int value = readEscape(*s.text, pos);
        raw += '\\';
        while (sources_.back().pos < pos) {
            raw += static_cast<char>(peek());
            advance();
        }
        text += static_cast<char>(value);
    }
    sym_.kind = SymbolKind::string;
    sym_.text = std::move(text);
    sym_.raw = std::move(raw);
}

const TSymbol& TSYM_Compiler::next()
{
    for (;;) {
        sym_ = TSymbol();
        if (!skipToSymbol()) {
            here(sym_.line, sym_.column);
            return sym_;
        }
        here(sym_.line, sym_.column);
        const int c = peek();
        if (isLetter(c)) {
            readIdentifier();
            if (sym_.kind == SymbolKind::end)
                continue; // a macro was expanded
            return sym_;
        }
        if (isDigit(c)) {
            std::int64_t v = 0;
            while (isDigit(peek())) {
                v = v * 10 + (peek() - '0');
                if (v > 0xFFFFFFFFLL)
                    error(msgNumberOutOfRange);
                advance();
            }
            sym_.kind = SymbolKind::number;
            sym_.number = v;
            return sym_;
        }
        if (c == '\'') {
            readString();
            return sym_;
        }
        if (c == '%' && peek(1) == '%' && isLetter(peek(2))) {
            std::string word = "%%";
            advance();
            advance();
            while (isLetter(peek()) || isDigit(peek())) {
                word += static_cast<char>(peek());
                advance();
            }
            const auto w = wordOf(word);
            if (!w)
                error(msgIdentifier, std::string(compilerMessageText(msgIdentifier)) + " \"" + word + "\" " +
                                         compilerMessageText(msgUnknown));
            sym_.kind = SymbolKind::word;
            sym_.word = *w;
            sym_.text = word;
            return sym_;
        }
        static const std::string signs = "=()[],+-?|*";
        if (signs.find(static_cast<char>(c)) != std::string::npos) {
            advance();
            sym_.kind = SymbolKind::sign;
            sym_.sign = static_cast<char>(c);
            return sym_;
        }
        char hex[8];
        std::snprintf(hex, sizeof hex, "%.2x", c);
        error(msgUnknownCharacter, std::string("Unknown character in input stream: #$") + hex);
    }
}

} // namespace tessaly::parser
