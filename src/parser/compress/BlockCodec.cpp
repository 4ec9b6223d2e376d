#include "parser/compress/BlockCodec.h"

#include "parser/compress/CompressorException.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tessaly::parser {

namespace {

constexpr std::size_t kMaxDistance = 4095;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4095;
constexpr std::uint16_t kEmpty = 0xFFFF;

unsigned hashAt(const unsigned char* p)
{
    const std::uint32_t key = ((((std::uint32_t(p[0]) << 4) ^ p[1]) << 4) ^ p[2]);
    return ((key * 40543u) >> 4) & 0xFFFu;
}

// Collects items behind their control words: the control word's slot is
// reserved before its first item and filled once 16 items (or the end) came.
class CodedWriter {
public:
    explicit CodedWriter(std::size_t limit) : buf_(limit + 8) { buf_[0] = kBlockCoded; }

    void literal(unsigned char c)
    {
        flag(0);
        buf_[len_++] = c;
    }
    void copy(std::size_t distance, std::size_t length)
    {
        flag(1);
        buf_[len_++] = static_cast<unsigned char>(distance >> 4);
        buf_[len_++] = static_cast<unsigned char>(((distance & 15) << 4) | (length - kMinMatch));
    }
    void run(std::size_t count, unsigned char c)
    {
        const std::size_t extra = count - kMinRun;
        flag(1);
        buf_[len_++] = 0;
        buf_[len_++] = static_cast<unsigned char>(extra >> 8);
        buf_[len_++] = static_cast<unsigned char>(extra & 0xFF);
        buf_[len_++] = c;
    }
    std::size_t size() const { return len_; }
    std::string finish()
    {
        if (bits_ > 0)
            putControl(static_cast<std::uint16_t>(control_ << (16 - bits_)));
        return std::string(reinterpret_cast<const char*>(buf_.data()), len_);
    }

private:
    void flag(unsigned bit)
    {
        if (bits_ == 16) {
            putControl(static_cast<std::uint16_t>(control_));
            control_ = 0;
            bits_ = 0;
        }
        if (bits_ == 0) {
            controlAt_ = len_;
            len_ += 2;
        }
        control_ = (control_ << 1) | bit;
        ++bits_;
    }
    void putControl(std::uint16_t word)
    {
        buf_[controlAt_] = static_cast<unsigned char>(word >> 8);
        buf_[controlAt_ + 1] = static_cast<unsigned char>(word & 0xFF);
    }

    std::vector<unsigned char> buf_;
    std::size_t len_ = 1;
    std::size_t controlAt_ = 0;
    unsigned control_ = 0;
    unsigned bits_ = 0;
};

std::string storedBlock(std::string_view piece)
{
    std::string body;
    body.reserve(piece.size() + 1);
    body.push_back(static_cast<char>(kBlockStored));
    body.append(piece);
    return body;
}

[[noreturn]] void corrupt()
{
    throw ECompressorException(compressor_messages::kBlockSizeMismatch);
}

} // namespace

std::string encodeBlock(std::string_view piece)
{
    const auto* p = reinterpret_cast<const unsigned char*>(piece.data());
    const std::size_t n = piece.size();
    std::array<std::uint16_t, 4096> table;
    table.fill(kEmpty);
    CodedWriter out(n);

    // An empty piece would code to a kind byte and a control word, longer
    // than itself: it is stored as the bare kind byte.
    if (n == 0)
        return storedBlock(piece);
    std::size_t pos = 0;
    while (pos < n) {
        std::size_t count = 1;
        while (pos + count < n && count < kMaxRun && p[pos + count] == p[pos])
            ++count;
        if (count >= kMinRun) {
            out.run(count, p[pos]);
            pos += count;
        } else if (pos + kMinMatch <= n) {
            const unsigned h = hashAt(p + pos);
            const std::uint16_t candidate = table[h];
            table[h] = static_cast<std::uint16_t>(pos);
            std::size_t length = 0;
            if (candidate != kEmpty && pos - candidate <= kMaxDistance) {
                const std::size_t limit = std::min(kMaxMatch, n - pos);
                while (length < limit && p[candidate + length] == p[pos + length])
                    ++length;
            }
            if (length >= kMinMatch) {
                out.copy(pos - candidate, length);
                pos += length;
            } else {
                out.literal(p[pos++]);
            }
        } else {
            out.literal(p[pos++]);
        }
        if (out.size() > n)
            return storedBlock(piece);
    }
    return out.finish();
}

std::size_t decodeBlock(std::string_view body, std::string& out)
{
    const auto* b = reinterpret_cast<const unsigned char*>(body.data());
    const std::size_t size = body.size();
    if (size < 2)
        return 0;
    if (b[0] == kBlockStored) {
        if (size - 1 > kBlockPieceSize)
            corrupt();
        out.append(body.substr(1));
        return size - 1;
    }
    if (b[0] != kBlockCoded)
        corrupt();

    std::array<unsigned char, kBlockPieceSize> piece;
    std::size_t n = 0;
    std::size_t in = 1;
    unsigned control = 0;
    unsigned bits = 0;
    while (in < size) {
        if (bits == 0) {
            if (size - in < 2)
                corrupt();
            control = (unsigned(b[in]) << 8) | b[in + 1];
            in += 2;
            bits = 16;
            if (in == size)
                break;
        }
        const bool item = (control & 0x8000u) != 0;
        control <<= 1;
        --bits;
        if (!item) {
            if (n == kBlockPieceSize)
                corrupt();
            piece[n++] = b[in++];
            continue;
        }
        if (size - in < 2)
            corrupt();
        const std::size_t distance = (std::size_t(b[in]) << 4) | (b[in + 1] >> 4);
        if (distance != 0) {
            const std::size_t length = (b[in + 1] & 15u) + kMinMatch;
            if (distance > n || length > kBlockPieceSize - n)
                corrupt();
            // Byte by byte: a copy may overlap the bytes it produces.
            for (std::size_t i = 0; i < length; ++i, ++n)
                piece[n] = piece[n - distance];
            in += 2;
        } else {
            if (size - in < 4)
                corrupt();
            const std::size_t count = ((std::size_t(b[in + 1]) << 8) | b[in + 2]) + kMinRun;
            if (count > kBlockPieceSize - n)
                corrupt();
            std::fill_n(piece.begin() + n, count, b[in + 3]);
            n += count;
            in += 4;
        }
    }
    out.append(reinterpret_cast<const char*>(piece.data()), n);
    return n;
}

} // namespace tessaly::parser
