#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tessaly::memo {

// The scanner states at which re-highlighting may resume, each stored once.
// A record keeps one resume point in 32 bits: the number of a state here
// (20 bits) and the column inside the record where the scan stood in that
// state (11 bits, records are shorter than 2048). Documents meet few distinct
// states (a handful of state sets, a shallow stack), so the table stays
// small; once it holds kCapacity states no more are added and the records
// concerned simply get no resume point.
class TResumePoints {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    static constexpr std::uint32_t kCapacity = 1u << 16;

    static std::uint32_t pack(std::uint32_t state, int column)
    {
        return (state << 11) | static_cast<std::uint32_t>(column);
    }
    static std::uint32_t stateOf(std::uint32_t packed) { return packed >> 11; }
    static int columnOf(std::uint32_t packed) { return static_cast<int>(packed & 0x7FFu); }

    // The number of state, kNone when the table is full.
    std::uint32_t intern(std::string_view state);
    std::string_view state(std::uint32_t id) const { return states_[id]; }
    std::size_t size() const { return states_.size(); }
    void clear();

private:
    std::deque<std::string> states_; // stable addresses: the map's keys view them
    std::unordered_map<std::string_view, std::uint32_t> ids_;
    std::uint32_t last_ = kNone; // most records end in the state of the one before
};

} // namespace tessaly::memo
