#pragma once

#include "parser/StateSet.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

namespace tessaly::parser {

// Answers "does this state set meet the current states?" for the state sets
// of a parser's tables. Each distinct set gets a small number and is kept as
// four 64-bit words in one compact array, so the scanner's tests stay in a
// few cache lines. Only the words in which some kept set has a member are
// compared: a state no kept set names cannot make a test succeed, and most
// definitions use fewer than 64 states, which makes a test one AND.
class TStateFilter {
public:
    using Id = std::uint16_t;

    // Forgets every set.
    void clear()
    {
        sets_.clear();
        ids_.clear();
        words_ = 0;
        packed_ = false;
        packedSets_.clear();
    }
    // The number of set s, added when new.
    Id intern(const TStateSet& s)
    {
        const auto [it, added] = ids_.try_emplace(s.bits, static_cast<Id>(sets_.size()));
        if (added) {
            Words w{};
            std::memcpy(w.data(), s.bits.data(), s.bits.size());
            for (std::size_t i = 0; i < w.size(); ++i)
                if (w[i] != 0 && i + 1 > words_)
                    words_ = i + 1;
            sets_.push_back(w);
        }
        return it->second;
    }
    // Called once every set is in: when the sets name no more than 64
    // distinct states, each set is also kept packed into one word (the
    // states renumbered in order), and a test is one AND of two words.
    void seal()
    {
        TStateSet used;
        for (const Words& w : sets_) {
            TStateSet set;
            std::memcpy(set.bits.data(), w.data(), set.bits.size());
            used |= set;
        }
        int n = 0;
        bitOf_.fill(-1);
        for (int state = 0; state < 256; ++state)
            if (used.contains(static_cast<std::uint8_t>(state)))
                bitOf_[static_cast<std::size_t>(state)] = static_cast<std::int16_t>(n++);
        packed_ = n <= 64;
        packedSets_.clear();
        if (packed_)
            for (const Words& w : sets_) {
                TStateSet set;
                std::memcpy(set.bits.data(), w.data(), set.bits.size());
                packedSets_.push_back(pack(set));
            }
    }
    bool packed() const { return packed_; }
    // Set id packed (valid when packed()).
    std::uint64_t packedOf(Id id) const { return packedSets_[id]; }
    // Any set packed into one word; states no kept set names are left out.
    std::uint64_t pack(const TStateSet& s) const
    {
        std::uint64_t out = 0;
        if (!packed_)
            return out;
        for (int state = 0; state < 256; ++state)
            if (bitOf_[static_cast<std::size_t>(state)] >= 0 && s.contains(static_cast<std::uint8_t>(state)))
                out |= std::uint64_t{1} << bitOf_[static_cast<std::size_t>(state)];
        return out;
    }

    // Whether set id meets current.
    bool meets(Id id, const TStateSet& current) const
    {
        const Words& w = sets_[id];
        for (std::size_t i = 0; i < words_; ++i) {
            std::uint64_t c;
            std::memcpy(&c, current.bits.data() + i * 8, 8);
            if (w[i] & c)
                return true;
        }
        return false;
    }

private:
    using Words = std::array<std::uint64_t, 4>;
    std::vector<Words> sets_;
    std::map<std::array<std::uint8_t, 32>, Id> ids_;
    std::size_t words_ = 0; // words up to the last one any set uses
    bool packed_ = false;
    std::array<std::int16_t, 256> bitOf_{};
    std::vector<std::uint64_t> packedSets_;
};

} // namespace tessaly::parser
