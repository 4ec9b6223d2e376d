#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::library {

// Raised when a file of the library cannot be written; the text names it.
class EScriptFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the library keeps of one script.
struct TScriptEntry {
    std::string name;
    std::string kind;
    std::string description; // HTML allowed, kept on one line
    std::string path; // the script file
};

// The three files of the script library in the program folder:
//  - "scriptlist.scl": one script name a line, CR LF, newest name last (the
//    panel shows the last line first);
//  - "Scripts/scriptpref.cfg": a profile file, one section per script name
//    with the keys "Script Name", "Script Type", "Description" and "Path";
//  - "Scripts/Description.html": the page the description view shows.
//
// Each operation opens the files afresh, so changes made by another run show.
class TScriptFiles {
public:
    // folder: the program folder.
    explicit TScriptFiles(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path listFile() const { return folder_ / "scriptlist.scl"; }
    std::filesystem::path scriptsFolder() const { return folder_ / "Scripts"; }
    std::filesystem::path settingsFile() const { return scriptsFolder() / "scriptpref.cfg"; }
    std::filesystem::path descriptionFile() const { return scriptsFolder() / "Description.html"; }

    // The lines of the list file as stored (first line first). A missing or
    // unreadable file reads as no lines.
    std::vector<std::string> readListLines() const;
    // The names in the panel's order: the list's lines from the last to the
    // first. Nothing when the list is missing, unreadable, empty or its first
    // line is empty; blank lines further down name no script and are skipped.
    std::vector<std::string> loadNames() const;

    // A key of a script's section; empty when absent. Values are read up to
    // valueLimit characters.
    static constexpr std::size_t valueLimit = 1024;
    std::string readKey(std::string_view name, std::string_view key) const;
    std::string kindOf(std::string_view name) const { return readKey(name, "Script Type"); }
    std::string descriptionOf(std::string_view name) const { return readKey(name, "Description"); }
    std::string pathOf(std::string_view name) const { return readKey(name, "Path"); }

    // Writes the four keys of the entry's section in their order, replacing
    // the values of a section of the same name key by key. Raises the profile
    // layer's "Unable to write to <file>".
    void writeScript(const TScriptEntry& entry) const;
    // Erases the script's section. Raises "Unable to write to <file>".
    void eraseScript(std::string_view name) const;

    // Appends a name as the list's last line, creating the list when it is
    // missing. Raises EScriptFileError "Unable to write to <file>", and
    // leaves an unreadable list as it is.
    void appendName(std::string_view name) const;
    // Rewrites the list from the panel's names (stored last first).
    void writeNames(const std::vector<std::string>& panelOrder) const;

    // Writes the description page of one script: the description in Arial,
    // one size smaller than the view's font. Returns the page's file.
    std::filesystem::path writeDescriptionPage(std::string_view description) const;
    // Writes the empty page shown after a removal.
    std::filesystem::path writeBlankPage() const;

private:
    void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines) const;

    std::filesystem::path folder_;
};

} // namespace tessaly::library
