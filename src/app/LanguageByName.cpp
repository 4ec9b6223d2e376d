#include "app/LanguageByName.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tessaly::app {

int languageForFile(const std::filesystem::path& file)
{
    struct Entry {
        const char* extension;
        int language;
    };
    static constexpr Entry kEntries[] = {
        {".html", 1}, {".htm", 1}, {".shtml", 1}, {".xhtml", 1}, {".asp", 1}, {".asa", 1}, {".inc", 1},
        {".js", 2},   {".mjs", 2}, {".json", 2},  {".vbs", 3},   {".txt", 4}, {".log", 4}, {".md", 4},
    };
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    for (const Entry& e : kEntries)
        if (ext == e.extension)
            return e.language;
    return 0;
}

} // namespace tessaly::app
