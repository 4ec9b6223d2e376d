#pragma once

#include "parser/CompilerMessages.h"
#include "parser/compiler/ScriptCompiler.h"
#include "parser/compiler/SymbolReader.h"

#include <unistd.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessaly::parser::test {

// Scripts in tests are written with "\n" line ends; the compiler counts CR
// as the line end, so turn every LF into CR LF the way files on disk are.
inline std::string crlf(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// Compiles and returns the error, or nothing when the script compiles.
inline std::optional<ECompileError> compileError(const std::string& script, TSM_ParserTables& tables,
                                                 const std::filesystem::path& folder = {})
{
    try {
        compileScript(crlf(script), folder, tables);
    } catch (const ECompileError& e) {
        return e;
    }
    return std::nullopt;
}

inline std::optional<ECompileError> compileError(const std::string& script)
{
    TSM_ParserTables tables;
    return compileError(script, tables);
}

// All symbols of a text, read until the end symbol.
inline std::vector<TSymbol> symbolsOf(const std::string& text, const std::filesystem::path& folder = {})
{
    TSYM_Compiler in(crlf(text), folder);
    std::vector<TSymbol> out;
    for (;;) {
        const TSymbol& s = in.next();
        if (s.kind == SymbolKind::end)
            return out;
        out.push_back(s);
    }
}

// A fresh empty folder under the system's temporary folder.
inline std::filesystem::path freshFolder(const std::string& name)
{
    // Per process and test: CTest runs the tests side by side.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tessaly-" + name + "-" + std::to_string(::getpid()) + "-"
                      + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace tessaly::parser::test
