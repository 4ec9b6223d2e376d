#pragma once

#include "Command.h"

#include <vector>

namespace tessaly::tools {

// tokens: the tokens of a full scan; export: the document as HTML or RTF.
void addHighlightCommands(std::vector<Command>& commands);

} // namespace tessaly::tools
