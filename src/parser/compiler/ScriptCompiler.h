#pragma once

#include "parser/ParserTables.h"
#include "parser/Rules.h"
#include "parser/compiler/SymbolReader.h"

#include <array>
#include <filesystem>
#include <map>
#include <string>

namespace tessaly::parser {

// Compiles a definition script into tables: clears them, reads every section
// and finishes them (default context sets, the start-table state set). The
// first error ends the compile with ECompileError; what was compiled before
// stays in the tables.
void compileScript(const std::string& script, const std::filesystem::path& folder, TSM_ParserTables& tables);

// The section compilers behind compileScript. Each section routine reads
// entries until the next section word or the end of the text.
class TScriptCompiler {
public:
    TScriptCompiler(TSYM_Compiler& in, TSM_ParserTables& tables) : in_(in), t_(tables) {}
    void run();
    // The section and item being compiled, for messages ("%%Words - if").
    const std::string& context() const { return context_; }

private:
    // Values.
    std::int64_t number();
    std::int64_t term();
    std::int64_t numberIn(std::int64_t low, std::int64_t high); // "Range error" outside
    std::uint8_t byteValue();                                     // "Value must be 0..255"
    std::int32_t int32Value();
    std::uint32_t colourValue();
    TStateSet stateSet(); // "[" numbers "]"
    TStateSet setOrNumber();
    bool flag();
    std::string string();
    void expect(char sign, int message);
    bool entriesEnd() const { return sym().kind == SymbolKind::end || sym().isSection(); }
    const TSymbol& sym() const { return in_.symbol(); }
    const TSymbol& next() { return in_.next(); }
    TStateSet defaultSet() const;
    std::uint16_t singleGroup(const TSymbol& s, bool allowEmpty);
    // The group's index in the keyword table's manager.
    std::uint16_t intern(const TSM_CharGroup& g);

    // Sections.
    void language();
    void languageEntry(Word w);
    void words();
    void handlers();
    void tokens();
    void startRule(TSM_StartTable& table, std::uint8_t token, const TStateSet& defaultStates);
    void continuationRule(std::uint8_t token);
    TSM_RulePart handlerPart();
    TSM_RulePart bodyPart();
    TSM_EndPart endPart();
    void map();
    void effects();
    void states(bool containers);
    void keys();
    std::uint16_t keySpec(bool second);
    void autoreplace();
    void templates();
    void kwTables();
    TStateSet tokenValues(); // a number or a set of token values

    TSYM_Compiler& in_;
    TSM_ParserTables& t_;
    std::string context_;
    int depth_ = 0; // nesting of parenthesised expressions
    std::array<bool, 256> contextGiven_{};
    std::array<bool, 256> styleGiven_{};
    std::array<bool, 64> keysGiven_{};
    std::map<std::string, std::int32_t> handlerNames_;
    std::map<std::int32_t, std::string> handlerNumbers_;
};

} // namespace tessaly::parser
