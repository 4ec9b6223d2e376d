#include "app/RecentFiles.h"

#include "platform/IniFile.h"

#include <algorithm>
#include <string_view>

namespace tessaly::app {

namespace {

constexpr std::string_view kRecent = "Recent";
constexpr std::string_view kSession = "Session";

std::string numbered(const char* key, std::size_t n)
{
    return key + std::to_string(n);
}

} // namespace

void TRecentFiles::add(const std::string& file)
{
    if (file.empty())
        return;
    remove(file);
    files_.insert(files_.begin(), file);
    if (files_.size() > kLimit)
        files_.resize(kLimit);
}

void TRecentFiles::remove(const std::string& file)
{
    files_.erase(std::remove(files_.begin(), files_.end(), file), files_.end());
}

void TRecentFiles::load(const platform::TIniFile& ini)
{
    files_.clear();
    for (std::size_t n = 1; n <= kLimit; ++n) {
        const std::string file = ini.readString(kRecent, numbered("File", n), "");
        if (!file.empty() && std::find(files_.begin(), files_.end(), file) == files_.end())
            files_.push_back(file);
    }
}

void TRecentFiles::save(platform::TIniFile& ini) const
{
    ini.eraseSection(kRecent);
    for (std::size_t i = 0; i < files_.size(); ++i)
        ini.writeString(kRecent, numbered("File", i + 1), files_[i]);
}

void TSession::load(const platform::TIniFile& ini)
{
    restore = ini.readString(kSession, "Restore", "true") != "false";
    documents.clear();
    const int count = std::clamp(ini.readInteger(kSession, "Count", 0), 0, 1000);
    for (int n = 1; n <= count; ++n) {
        TSessionDocument d;
        d.file = ini.readString(kSession, numbered("File", static_cast<std::size_t>(n)), "");
        d.language = ini.readInteger(kSession, numbered("Language", static_cast<std::size_t>(n)), 2);
        if (d.language < 1 || d.language > 4)
            d.language = 2;
        d.caret = std::max(0, ini.readInteger(kSession, numbered("Caret", static_cast<std::size_t>(n)), 0));
        if (!d.file.empty())
            documents.push_back(d);
    }
    active = ini.readInteger(kSession, "Active", -1);
    if (active < -1 || active >= static_cast<int>(documents.size()))
        active = -1;
}

void TSession::save(platform::TIniFile& ini) const
{
    ini.eraseSection(kSession);
    ini.writeString(kSession, "Restore", restore ? "true" : "false");
    ini.writeInteger(kSession, "Count", static_cast<int>(documents.size()));
    ini.writeInteger(kSession, "Active", active);
    for (std::size_t i = 0; i < documents.size(); ++i) {
        const TSessionDocument& d = documents[i];
        ini.writeString(kSession, numbered("File", i + 1), d.file);
        ini.writeInteger(kSession, numbered("Language", i + 1), d.language);
        ini.writeInteger(kSession, numbered("Caret", i + 1), static_cast<int>(std::min<long long>(d.caret, 0x7fffffff)));
    }
}

} // namespace tessaly::app
