#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

class TSyntaxMemo;

// The editor's lines as a string list. It owns no strings: every call goes to
// the editor, and line numbers are record indices.
class TSyntaxMemoStrings {
public:
    explicit TSyntaxMemoStrings(TSyntaxMemo& memo) : memo_(memo) {}

    // Record count; a document whose only record is empty counts 0.
    std::int64_t count() const;
    // Record i without its CR.
    std::string strings(std::int64_t i) const;
    void setStrings(std::int64_t i, std::string_view s);
    void insert(std::int64_t i, std::string_view s);
    void add(std::string_view s);
    void remove(std::int64_t i);
    void clear();
    void beginUpdate();
    void endUpdate();
    std::string text() const;
    void setText(std::string_view value);
    // Replaces the text by the lines of list.
    void addStrings(const std::vector<std::string>& list);
    void loadFromStream(std::istream& in);
    void saveToStream(std::ostream& out);
    void loadFromFile(const std::filesystem::path& file);
    void saveToFile(const std::filesystem::path& file);

private:
    TSyntaxMemo& memo_;
    int updateDepth_ = 0;
};

} // namespace tessaly::memo
