#pragma once

#include "Command.h"

#include <vector>

namespace tessaly::tools {

// find: the editor's search, Replace All and a match count over a file.
void addFindCommands(std::vector<Command>& commands);

} // namespace tessaly::tools
