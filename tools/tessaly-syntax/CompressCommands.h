#pragma once

#include "Command.h"

#include <vector>

namespace tessaly::tools {

// compress [--method block|lzhuf|auto] IN OUT, and decompress IN OUT.
void addCompressCommands(std::vector<Command>& commands);

} // namespace tessaly::tools
