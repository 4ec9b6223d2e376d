#include "memo/ResumePoints.h"

namespace tessaly::memo {

std::uint32_t TResumePoints::intern(std::string_view state)
{
    if (last_ != kNone && states_[last_] == state)
        return last_;
    if (const auto it = ids_.find(state); it != ids_.end())
        return last_ = it->second;
    if (states_.size() >= kCapacity)
        return kNone;
    const std::uint32_t id = static_cast<std::uint32_t>(states_.size());
    states_.emplace_back(state);
    ids_.emplace(states_.back(), id);
    return last_ = id;
}

void TResumePoints::clear()
{
    ids_.clear();
    states_.clear();
    last_ = kNone;
}

} // namespace tessaly::memo
