#pragma once

#include <string>
#include <vector>

namespace tessaly::platform {
class TIniFile;
}

namespace tessaly::app {

// The files last opened or saved, most recent first, at most ten, kept in the
// settings file's section [Recent] as File1..File10.
class TRecentFiles {
public:
    static constexpr std::size_t kLimit = 10;

    const std::vector<std::string>& files() const { return files_; }
    // Puts a file first; a file already listed moves up instead of standing twice.
    void add(const std::string& file);
    void remove(const std::string& file);

    void load(const platform::TIniFile& ini);
    // Rewrites the section from the list (the ini file is written by its owner).
    void save(platform::TIniFile& ini) const;

private:
    std::vector<std::string> files_;
};

// The documents open at exit, reopened at the next start when the switch is
// on (the default): section [Session] with Restore, Count, Active (index of
// the active document, -1 none) and per document FileN, LanguageN, CaretN.
struct TSessionDocument {
    std::string file;
    int language = 2;
    long long caret = 0;
    bool operator==(const TSessionDocument&) const = default;
};

struct TSession {
    bool restore = true;
    std::vector<TSessionDocument> documents;
    int active = -1;

    void load(const platform::TIniFile& ini);
    void save(platform::TIniFile& ini) const;
};

} // namespace tessaly::app
