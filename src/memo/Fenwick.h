#pragma once

#include <cstdint>
#include <vector>

namespace tessaly::memo {

// A binary indexed tree over non-negative 64-bit values: point update, prefix
// sum and "first index whose prefix sum exceeds x", all O(log n).
class TFenwick {
public:
    void assign(const std::vector<std::int64_t>& values)
    {
        const std::size_t n = values.size();
        tree_.assign(n + 1, 0);
        for (std::size_t i = 1; i <= n; ++i) {
            tree_[i] += values[i - 1];
            const std::size_t j = i + (i & (~i + 1));
            if (j <= n)
                tree_[j] += tree_[i];
        }
        mask_ = 1;
        while (mask_ * 2 <= n)
            mask_ *= 2;
    }

    std::size_t size() const { return tree_.empty() ? 0 : tree_.size() - 1; }

    // Adds a value after the last, O(log n): the new node covers its own
    // value and those of the nodes its range reaches back over.
    void push(std::int64_t value)
    {
        if (tree_.empty())
            tree_.push_back(0);
        const std::size_t i = tree_.size();
        tree_.push_back(value + prefix(i - 1) - prefix(i - (i & (~i + 1))));
        if (mask_ == 0)
            mask_ = 1;
        while (mask_ * 2 <= size())
            mask_ *= 2;
    }

    void add(std::size_t index, std::int64_t delta)
    {
        for (std::size_t i = index + 1; i < tree_.size(); i += i & (~i + 1))
            tree_[i] += delta;
    }

    // Sum of the values before index.
    std::int64_t prefix(std::size_t index) const
    {
        std::int64_t s = 0;
        for (std::size_t i = index; i > 0; i -= i & (~i + 1))
            s += tree_[i];
        return s;
    }

    // The index i whose range [prefix(i), prefix(i+1)) holds x, and prefix(i)
    // in before; size() when x is at or past the total.
    std::size_t find(std::int64_t x, std::int64_t& before) const
    {
        std::size_t pos = 0;
        std::int64_t rest = x;
        for (std::size_t step = mask_; step > 0; step >>= 1) {
            const std::size_t next = pos + step;
            if (next < tree_.size() && tree_[next] <= rest) {
                pos = next;
                rest -= tree_[next];
            }
        }
        before = x - rest;
        return pos;
    }

private:
    std::vector<std::int64_t> tree_;
    std::size_t mask_ = 0;
};

} // namespace tessaly::memo
