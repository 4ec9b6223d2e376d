#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessaly::platform {

// Raised when the registry file cannot be written.
class ERegistry : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A named value under a key: text, or bytes.
struct RegistryValue {
    enum class Type { string, binary };
    std::string name;
    Type type = Type::string;
    std::string data;
};

// The user's settings store: keys such as "Orvane\HTML" holding named string
// and binary values, kept in one text file (by default "registry.ini" in the
// config folder). Every call reads the file afresh, and every write replaces
// the whole file through a temporary file and a rename, so a crash never
// leaves a half-written store (two programs writing at the same moment may
// still lose one of the two writes).
//
// File form: a "[key]" line opens a key; "name=s:text" is a string value,
// "name=b:hex digits" a binary one. Backslash, "=", "[", "]", CR and LF in
// keys, names and text are escaped with a backslash. Lines that do not parse
// are skipped.
class Registry {
public:
    explicit Registry(std::filesystem::path file = defaultFile());
    static std::filesystem::path defaultFile();

    const std::filesystem::path& file() const { return file_; }

    std::optional<RegistryValue> read(const std::string& key, const std::string& name) const;
    std::optional<std::string> readString(const std::string& key, const std::string& name) const;
    std::optional<std::string> readBinary(const std::string& key, const std::string& name) const;

    // Creates the key when needed and sets the values, keeping all others.
    void write(const std::string& key, const std::vector<RegistryValue>& values);
    void writeString(const std::string& key, const std::string& name, const std::string& text);
    void writeBinary(const std::string& key, const std::string& name, const std::string& bytes);

private:
    struct Key {
        std::string name;
        std::vector<RegistryValue> values;
    };
    std::vector<Key> load() const;
    void save(const std::vector<Key>& keys) const;

    std::filesystem::path file_;
};

} // namespace tessaly::platform
