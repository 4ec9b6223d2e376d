#pragma once

#include <filesystem>

namespace tessaly::platform {

// The folder that holds the user's settings: $XDG_CONFIG_HOME/tessaly, or
// ~/.config/tessaly. TESSALY_CONFIG_DIR overrides it (tests point it at a
// temporary folder). The folder is not created here.
std::filesystem::path configFolder();

} // namespace tessaly::platform
