#include "platform/ConfigFolder.h"

#include <cstdlib>

namespace tessaly::platform {

std::filesystem::path configFolder()
{
    if (const char* dir = std::getenv("TESSALY_CONFIG_DIR"); dir && *dir)
        return dir;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "tessaly";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config" / "tessaly";
    return std::filesystem::temp_directory_path() / "tessaly-config";
}

} // namespace tessaly::platform
