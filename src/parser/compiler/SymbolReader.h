#pragma once

#include "parser/CompilerMessages.h"
#include "parser/compiler/ScriptWords.h"
#include "parser/compiler/WordStore.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

namespace tessaly::parser {

enum class SymbolKind { end, number, string, word, sign };

// One symbol of a definition script, with the place where it began.
struct TSymbol {
    SymbolKind kind = SymbolKind::end;
    std::int64_t number = 0;
    std::string text; // a string with its escapes resolved
    std::string raw;  // the same string as written, escapes kept, for character classes
    Word word{};
    char sign = 0;
    int line = 1;
    int column = 1;

    bool is(char s) const { return kind == SymbolKind::sign && sign == s; }
    bool is(Word w) const { return kind == SymbolKind::word && word == w; }
    bool isSection() const { return kind == SymbolKind::word && isSectionWord(word); }
};

// Reads a definition script symbol by symbol. Blanks, comments, the
// preprocessor directives (#define, #ifdef, #ifndef, #else, #endif,
// #include) and macro expansion are dealt with before a symbol is returned.
// Errors are ECompileError with the line and column (from 1) of the place in
// the script file where they were found; symbols from a macro's text are
// placed where the macro's name began, those of an included file in that file.
class TSYM_Compiler {
public:
    // 'folder' resolves #include names.
    TSYM_Compiler(std::string script, std::filesystem::path folder);

    // Reads the next symbol and returns it; at the end of the text the end
    // symbol comes back every time.
    const TSymbol& next();
    const TSymbol& symbol() const { return sym_; }

    // Raises message 'number' with its text, at the current symbol.
    [[noreturn]] void error(int number) const;
    // Raises a message with a given text at the current symbol.
    [[noreturn]] void error(int number, const std::string& text) const;
    [[noreturn]] void errorAt(int number, const std::string& text, int line, int column) const;

    bool isDefined(const std::string& name) const { return macros_.isDefined(name); }

    // Entries of the source stack pushed, popped or looked at so far: the
    // work of macro expansion, which grows in proportion to the expansions.
    std::size_t stackWork() const { return stackWork_; }

private:
    struct Source {
        TWordStore::Text text;
        std::size_t pos = 0;
        int line = 1;
        int column = 1;
        std::string macro; // empty for a file
        int originLine = 0; // a macro: where its outermost name began in the file
        int originColumn = 0;
        std::filesystem::path folder;
        std::size_t depth = 0; // include depth of a file
        // Macros whose expansions ended with the name this one expands:
        // they left the stack, but stay active until this one ends.
        std::vector<std::string> inherited;
    };
    struct Condition {
        bool parentActive;
        bool value;
        bool seenElse;
    };

    Source& top() { return sources_.back(); }
    int peek(std::size_t ahead = 0) const;
    void advance();
    bool active() const { return conditions_.empty() || (conditions_.back().parentActive && conditions_.back().value); }
    const Source& fileSource() const;
    void here(int& line, int& column) const;
    // Skips everything that is not a symbol; false at the end of the text.
    bool skipToSymbol();
    void skipComment();
    void directive();
    void include(int line, int column);
    std::string readName();
    void skipLineBlanks();
    void readString();
    void readIdentifier();
    void pushExpansion(const std::string& name, TWordStore::Text text);
    void popSource();

    std::vector<Source> sources_;
    TWordStore macros_;
    std::vector<Condition> conditions_;
    TSymbol sym_;
    std::size_t expansions_ = 0;
    std::size_t expandedChars_ = 0;
    // Expansions of each macro now active: a macro met again while its
    // count is above 0 expands itself.
    std::unordered_map<std::string, int> activeMacros_;
    std::size_t stackWork_ = 0;
};

} // namespace tessaly::parser
