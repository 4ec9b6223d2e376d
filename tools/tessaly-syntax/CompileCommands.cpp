#include "CompileCommands.h"

#include "parser/CompilerMessages.h"
#include "parser/ParserForm.h"
#include "parser/compiler/ScriptCompiler.h"
#include "parser/TableDump.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace tessaly::tools {

namespace {

using namespace tessaly::parser;

bool readFile(const std::string& path, std::string& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return !in.bad();
}

int compile(const std::vector<std::string>& args)
{
    std::string script, output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            output = args[++i];
        else if (script.empty())
            script = args[i];
        else
            output.clear(), script.clear(), i = args.size();
    }
    if (script.empty() || output.empty()) {
        std::cerr << "usage: tessaly-syntax compile SCRIPT -o FILE\n";
        return 1;
    }
    std::string text;
    if (!readFile(script, text)) {
        std::cerr << "tessaly-syntax: cannot read '" << script << "'\n";
        return 1;
    }
    TSM_ParserTables tables;
    try {
        compileScript(text, std::filesystem::path(script).parent_path(), tables);
    } catch (const ECompileError& e) {
        std::cerr << e.what() << '\n';
        if (!e.context().empty())
            std::cerr << "   in " << e.context() << '\n';
        return 1;
    }
    std::string form;
    try {
        form = writeParserForm(tables, script);
    } catch (const std::exception& e) {
        std::cerr << "tessaly-syntax: " << e.what() << '\n';
        return 1;
    }
    // Write beside the target and rename, so a failed write leaves no half file.
    const std::string temp = output + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(form.data(), static_cast<std::streamsize>(form.size()));
        if (!out.flush()) {
            std::cerr << "tessaly-syntax: cannot write '" << output << "'\n";
            std::filesystem::remove(temp);
            return 1;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, output, ec);
    if (ec) {
        std::cerr << "tessaly-syntax: cannot write '" << output << "': " << ec.message() << '\n';
        std::filesystem::remove(temp, ec);
        return 1;
    }
    return 0;
}

int dump(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: tessaly-syntax dump FILE\n";
        return 1;
    }
    std::string form;
    if (!readFile(args[0], form)) {
        std::cerr << "tessaly-syntax: cannot read '" << args[0] << "'\n";
        return 1;
    }
    TSM_ParserTables tables;
    try {
        readParserForm(form, tables, args[0]);
    } catch (const std::exception& e) {
        std::string msg = e.what();
        for (auto& c : msg)
            if (c == '\n' || c == '\r')
                c = ' ';
        std::cerr << "tessaly-syntax: " << msg << '\n';
        return 1;
    }
    std::cout << dumpTables(tables);
    return 0;
}

} // namespace

void addCompileCommands(std::vector<Command>& commands)
{
    commands.push_back({"compile", "SCRIPT -o FILE", compile});
    commands.push_back({"dump", "FILE", dump});
}

} // namespace tessaly::tools
