#include "memo/CustomBookmarks.h"

#include <algorithm>

namespace tessaly::memo {

void TCustomBookmarks::add(std::string_view name, std::int64_t offset)
{
    auto same = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    if (same != entries_.end())
        entries_.erase(same);
    auto at = std::upper_bound(entries_.begin(), entries_.end(), offset,
                               [](std::int64_t o, const Entry& e) { return o < e.offset; });
    entries_.insert(at, Entry{std::string(name), offset});
}

bool TCustomBookmarks::remove(std::string_view name)
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
    if (it == entries_.end())
        return false;
    const std::string gone = std::move(it->name);
    entries_.erase(it);
    if (onFree)
        onFree(gone);
    return true;
}

std::optional<std::int64_t> TCustomBookmarks::offsetOf(std::string_view name) const
{
    for (const Entry& e : entries_)
        if (e.name == name)
            return e.offset;
    return std::nullopt;
}

void TCustomBookmarks::inserted(std::int64_t count, std::int64_t offset)
{
    for (Entry& e : entries_)
        if (e.offset >= offset)
            e.offset += count;
}

void TCustomBookmarks::deleted(std::int64_t count, std::int64_t offset)
{
    if (count <= 0)
        return;
    const std::int64_t end = offset + count;
    std::vector<std::string> gone;
    std::vector<Entry> kept;
    kept.reserve(entries_.size());
    for (Entry& e : entries_) {
        if (e.offset >= offset && e.offset < end) {
            gone.push_back(std::move(e.name));
            continue;
        }
        if (e.offset >= end)
            e.offset -= count;
        kept.push_back(std::move(e));
    }
    entries_ = std::move(kept);
    // Reported after the list is consistent, so a handler may look at it.
    if (onFree)
        for (const std::string& n : gone)
            onFree(n);
}

void TCustomBookmarks::clear()
{
    std::vector<Entry> old;
    old.swap(entries_);
    if (onFree)
        for (const Entry& e : old)
            onFree(e.name);
}

} // namespace tessaly::memo
