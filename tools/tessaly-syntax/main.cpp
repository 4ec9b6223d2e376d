// tessaly-syntax: the command-line tool for language definitions. Each group
// of commands lives in its own file and registers itself below.
#include "Command.h"
#include "CompileCommands.h"
#include "CompressCommands.h"
#include "FindCommands.h"
#include "HighlightCommands.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

using tessaly::tools::Command;

std::vector<Command> allCommands()
{
    std::vector<Command> commands;
    tessaly::tools::addCompileCommands(commands);
    tessaly::tools::addCompressCommands(commands);
    tessaly::tools::addHighlightCommands(commands);
    tessaly::tools::addFindCommands(commands);
    return commands;
}

void usage(std::ostream& out, const std::vector<Command>& commands)
{
    out << "usage: tessaly-syntax COMMAND [ARGS]\ncommands:\n";
    for (const Command& c : commands)
        out << "  " << c.name << ' ' << c.synopsis << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<Command> commands = allCommands();
    const std::string name = argc >= 2 ? argv[1] : "";
    if (name.empty() || name == "--help" || name == "-h") {
        usage(name.empty() ? std::cerr : std::cout, commands);
        return name.empty() ? 1 : 0;
    }
    for (const Command& c : commands) {
        if (c.name == name)
            return c.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    std::cerr << "tessaly-syntax: unknown command '" << name << "'\n";
    usage(std::cerr, commands);
    return 1;
}
