#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::platform {

// Raised when the profile file cannot be written; the text names the file.
class EIniFileException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A profile file of "[Section]" headers and "Key=Value" lines.
//
// Section and key names compare without regard to ASCII letter case; a key
// keeps the spelling (spaces included) it was first written with. Comments,
// blank lines and keys this program does not know survive a rewrite: the file
// is held as its lines and only the lines that change are touched.
//
// The file is read when the object is created (a missing or unreadable file
// reads as empty). Every write goes to the file at once, unless it happens
// between beginUpdate() and endUpdate(), which then writes once. A write
// replaces the whole file through a temporary file and a rename, so a crash
// leaves either the old file or the new one, never half of one.
class TIniFile {
public:
    explicit TIniFile(std::filesystem::path file);

    const std::filesystem::path& fileName() const { return file_; }

    // The value, without the whitespace around it; def when the key is missing.
    std::string readString(std::string_view section, std::string_view key, std::string_view def) const;
    // The leading decimal integer of the value (an optional sign and digits);
    // def when the key is missing or the value does not start with a number.
    int readInteger(std::string_view section, std::string_view key, int def) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    // Section names in file order, as written.
    std::vector<std::string> readSections() const;
    // Key names of a section in file order, as written.
    std::vector<std::string> readSection(std::string_view section) const;

    // Sets a key, creating the section at the end of the file when needed.
    // A line break in the value would split it over two lines, so line
    // breaks are written as spaces.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    // Removes a section with its keys and the comments inside it.
    void eraseSection(std::string_view section);
    void deleteKey(std::string_view section, std::string_view key);

    void beginUpdate() { ++updateDepth_; }
    void endUpdate();
    // Writes the file now; raises EIniFileException "Unable to write to <file>".
    void updateFile();

private:
    struct Line {
        enum class Kind { other, section, key } kind = Kind::other;
        std::string text; // the line as it stands in the file
        std::string name; // section or key name, trimmed
    };
    // Range [first, last) of the lines that belong to a section's body.
    struct Range {
        std::size_t header;
        std::size_t first;
        std::size_t last;
    };

    void load();
    void changed();
    std::optional<Range> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const Range& r, std::string_view key) const;
    static Line parse(std::string text);

    std::filesystem::path file_;
    std::vector<Line> lines_;
    int updateDepth_ = 0;
    bool dirty_ = false;
};

} // namespace tessaly::platform
