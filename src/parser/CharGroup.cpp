#include "parser/CharGroup.h"

#include <stdexcept>

namespace tessaly::parser {

TSM_CharGroupManager::TSM_CharGroupManager()
{
    groups_.emplace_back(); // kAny
}

std::uint16_t TSM_CharGroupManager::intern(const TSM_CharGroup& group)
{
    // Scripts hold a few hundred distinct groups at most, so a linear search
    // keeps the manager simple; lookups at scan time go by index.
    for (std::size_t i = 0; i < groups_.size(); ++i)
        if (groups_[i] == group)
            return static_cast<std::uint16_t>(i);
    if (groups_.size() >= 65536)
        throw std::length_error("Too many character groups");
    groups_.push_back(group);
    return static_cast<std::uint16_t>(groups_.size() - 1);
}

} // namespace tessaly::parser
