#include "platform/ProgramFolder.h"

#include "platform/ConfigFolder.h"

#include <cstdlib>
#include <unistd.h>

namespace tessaly::platform {

namespace fs = std::filesystem;

namespace {

std::string withSeparator(const fs::path& folder)
{
    std::string s = folder.string();
    if (s.empty() || s.back() != '/')
        s += '/';
    return s;
}

fs::path userDataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return fs::path(xdg) / "Tessaly";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share" / "Tessaly";
    return fs::temp_directory_path() / "Tessaly";
}

} // namespace

fs::path executableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

std::string programFolderFor(const fs::path& exeFolder)
{
    if (!exeFolder.empty() && ::access(exeFolder.c_str(), W_OK) == 0)
        return withSeparator(exeFolder);
    const fs::path data = userDataFolder();
    std::error_code ec;
    fs::create_directories(data, ec);
    return withSeparator(data);
}

std::string programFolder()
{
    // TESSALY_PROGRAM_DIR puts the program folder elsewhere, so a test can
    // start the real program with a fresh script library and preview files.
    if (const char* dir = std::getenv("TESSALY_PROGRAM_DIR"); dir && *dir) {
        std::error_code ec;
        fs::create_directories(dir, ec);
        return withSeparator(dir);
    }
    return programFolderFor(executableFolder());
}

fs::path settingsFile()
{
    return configFolder() / "Tessaly.ini";
}

} // namespace tessaly::platform
