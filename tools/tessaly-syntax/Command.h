#pragma once

#include <string>
#include <vector>

namespace tessaly::tools {

// One subcommand of tessaly-syntax. `run` gets the arguments after the
// command name and returns the exit status; it reports its own errors on
// standard error as one line.
struct Command {
    std::string name;
    std::string synopsis; // arguments, for the usage text
    int (*run)(const std::vector<std::string>& args);
};

} // namespace tessaly::tools
