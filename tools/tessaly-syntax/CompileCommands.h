#pragma once

#include "Command.h"

#include <vector>

namespace tessaly::tools {

// compile SCRIPT -o FILE, and dump FILE.
void addCompileCommands(std::vector<Command>& commands);

} // namespace tessaly::tools
