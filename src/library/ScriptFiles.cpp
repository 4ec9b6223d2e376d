#include "library/ScriptFiles.h"

#include "platform/AtomicWrite.h"
#include "platform/IniFile.h"

#include <fstream>
#include <sstream>

namespace tessaly::library {

namespace fs = std::filesystem;

namespace {

// The first `limit` characters of a UTF-8 value (continuation bytes do not
// start a character, so a character is never cut in half).
std::string limited(std::string value, std::size_t limit)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if ((static_cast<unsigned char>(value[i]) & 0xC0) == 0x80)
            continue;
        if (chars == limit) {
            value.resize(i);
            break;
        }
        ++chars;
    }
    return value;
}

bool readWhole(const fs::path& file, std::string& out)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    std::stringstream ss;
    ss << in.rdbuf();
    if (in.bad())
        return false;
    out = ss.str();
    return true;
}

} // namespace

TScriptFiles::TScriptFiles(fs::path folder)
    : folder_(std::move(folder))
{ }

std::vector<std::string> TScriptFiles::readListLines() const
{
    std::string data;
    if (!readWhole(listFile(), data))
        return {};
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string::npos)
            end = data.size();
        std::string line = data.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> TScriptFiles::loadNames() const
{
    const std::vector<std::string> lines = readListLines();
    if (lines.empty() || lines.front().empty())
        return {};
    std::vector<std::string> names;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if (!it->empty())
            names.push_back(*it);
    return names;
}

std::string TScriptFiles::readKey(std::string_view name, std::string_view key) const
{
    const platform::TIniFile ini(settingsFile());
    return limited(ini.readString(name, key, ""), valueLimit);
}

void TScriptFiles::writeScript(const TScriptEntry& entry) const
{
    platform::TIniFile ini(settingsFile());
    ini.beginUpdate();
    ini.writeString(entry.name, "Script Name", entry.name);
    ini.writeString(entry.name, "Script Type", entry.kind);
    ini.writeString(entry.name, "Description", entry.description);
    ini.writeString(entry.name, "Path", entry.path);
    ini.endUpdate();
}

void TScriptFiles::eraseScript(std::string_view name) const
{
    platform::TIniFile ini(settingsFile());
    ini.eraseSection(name);
}

void TScriptFiles::appendName(std::string_view name) const
{
    // A missing list is started afresh; an existing one that cannot be read
    // is left alone rather than replaced by the one new name.
    std::string data;
    std::error_code ec;
    if (fs::exists(listFile(), ec) && !readWhole(listFile(), data))
        throw EScriptFileError("Unable to write to " + listFile().string());
    if (!data.empty() && data.back() != '\n')
        data += "\r\n";
    data.append(name);
    data += "\r\n";
    if (!platform::writeFileAtomically(listFile(), data))
        throw EScriptFileError("Unable to write to " + listFile().string());
}

void TScriptFiles::writeNames(const std::vector<std::string>& panelOrder) const
{
    writeLines(listFile(), std::vector<std::string>(panelOrder.rbegin(), panelOrder.rend()));
}

fs::path TScriptFiles::writeDescriptionPage(std::string_view description) const
{
    writeLines(descriptionFile(),
               {"<HTML>", "<FONT SIZE=\"-1\" FACE=\"Arial\">", std::string(description), "</FONT>", "</HTML>"});
    return descriptionFile();
}

fs::path TScriptFiles::writeBlankPage() const
{
    writeLines(descriptionFile(), {"<HTML>", "</HTML>"});
    return descriptionFile();
}

void TScriptFiles::writeLines(const fs::path& file, const std::vector<std::string>& lines) const
{
    std::string data;
    for (const std::string& line : lines) {
        data += line;
        data += "\r\n";
    }
    if (!platform::writeFileAtomically(file, data))
        throw EScriptFileError("Unable to write to " + file.string());
}

} // namespace tessaly::library
