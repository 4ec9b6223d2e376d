#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::memo {

// Named bookmarks that travel with their character offsets. Entries are kept
// in ascending offset order (equal offsets in the order they were added); a
// name appears at most once. Every entry the list discards is reported to
// onFree with its name.
class TCustomBookmarks {
public:
    struct Entry {
        std::string name;
        std::int64_t offset = 0;
    };

    // Adds a bookmark, or moves the one of that name to offset.
    void add(std::string_view name, std::int64_t offset);
    // Removes the named bookmark (reported to onFree); false when there is none.
    bool remove(std::string_view name);
    std::optional<std::int64_t> offsetOf(std::string_view name) const;
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }

    // count characters were inserted at offset: entries at or after it move up.
    void inserted(std::int64_t count, std::int64_t offset);
    // count characters were deleted at offset: entries inside the range are
    // discarded, entries after it move down.
    void deleted(std::int64_t count, std::int64_t offset);
    // Discards every entry.
    void clear();

    std::function<void(const std::string& name)> onFree;

private:
    std::vector<Entry> entries_;
};

} // namespace tessaly::memo
