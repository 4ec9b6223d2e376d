#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::parser::lzhuf {

// Writes bits most significant first; the last byte is padded with 0 bits.
class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}

    // Writes the `count` (at most 24) low bits of `value`, highest first.
    void put(std::uint32_t value, unsigned count)
    {
        acc_ = (acc_ << count) | (value & ((1u << count) - 1));
        fill_ += count;
        while (fill_ >= 8) {
            fill_ -= 8;
            out_.push_back(static_cast<char>((acc_ >> fill_) & 0xFF));
        }
    }
    void flush()
    {
        if (fill_ > 0)
            out_.push_back(static_cast<char>((acc_ << (8 - fill_)) & 0xFF));
        fill_ = 0;
    }

private:
    std::string& out_;
    std::uint32_t acc_ = 0;
    unsigned fill_ = 0;
};

// Reads bits most significant first. Bits past the end read as 0, because a
// position code is read a whole byte at a time even when its last bits are
// the stream's padding; overrun() tells whether bits beyond the end were
// actually consumed, which only a truncated stream does.
class BitReader {
public:
    explicit BitReader(std::string_view data)
        : data_(reinterpret_cast<const unsigned char*>(data.data())), bits_(data.size() * 8)
    {
    }

    unsigned bit()
    {
        const std::size_t at = pos_++;
        if (at >= bits_)
            return 0;
        return (data_[at >> 3] >> (7 - (at & 7))) & 1u;
    }
    unsigned bits(unsigned count)
    {
        unsigned v = 0;
        while (count-- > 0)
            v = (v << 1) | bit();
        return v;
    }
    bool overrun() const { return pos_ > bits_; }

private:
    const unsigned char* data_;
    std::size_t bits_;
    std::size_t pos_ = 0;
};

} // namespace tessaly::parser::lzhuf
