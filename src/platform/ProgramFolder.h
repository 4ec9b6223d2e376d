#pragma once

#include <filesystem>
#include <string>

namespace tessaly::platform {

// The folder of the running executable, found through /proc/self/exe.
// Empty when it cannot be found.
std::filesystem::path executableFolder();

// The program folder as text, ending in a separator: the executable's folder
// when this user may write to it (the preview files and the script library
// are written there), otherwise the per-user data folder
// $XDG_DATA_HOME/Tessaly/ (or ~/.local/share/Tessaly/), created when missing.
// TESSALY_PROGRAM_DIR, when set, names the folder instead (tests use it).
std::string programFolder();

// The same choice for a given executable folder, so it can be tested.
std::string programFolderFor(const std::filesystem::path& exeFolder);

// The settings file "Tessaly.ini" in the user's config folder.
std::filesystem::path settingsFile();

} // namespace tessaly::platform
