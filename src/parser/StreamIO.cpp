#include "parser/StreamIO.h"

#include <cstring>

namespace tessaly::parser {

void TableWriter::word(std::uint16_t v)
{
    byte(static_cast<std::uint8_t>(v));
    byte(static_cast<std::uint8_t>(v >> 8));
}

void TableWriter::integer(std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        byte(static_cast<std::uint8_t>(u >> (8 * i)));
}

void TableWriter::shortString(std::string_view s)
{
    if (s.size() > 255)
        throw ETableStream("String too long for a short string: " + std::string(s.substr(0, 40)));
    byte(static_cast<std::uint8_t>(s.size()));
    out_.append(s);
}

void TableWriter::longString(std::string_view s)
{
    if (s.size() > 0x7FFFFFFF)
        throw ETableStream("String too long");
    integer(static_cast<std::int32_t>(s.size()));
    out_.append(s);
}

void TableReader::fail(const std::string& what) const
{
    throw ETableStream("Invalid table stream at byte " + std::to_string(pos_) + ": " + what);
}

void TableReader::need(std::size_t n, const char* what) const
{
    if (n > data_.size() - pos_)
        fail(std::string(what) + " cut short");
}

std::uint8_t TableReader::byte(const char* what)
{
    need(1, what);
    return static_cast<std::uint8_t>(data_[pos_++]);
}

std::uint16_t TableReader::word(const char* what)
{
    need(2, what);
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
    pos_ += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::int32_t TableReader::integer(const char* what)
{
    need(4, what);
    const auto* p = reinterpret_cast<const unsigned char*>(data_.data() + pos_);
    pos_ += 4;
    const std::uint32_t u = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(u);
}

TStateSet TableReader::set(const char* what)
{
    need(32, what);
    TStateSet s;
    std::memcpy(s.bits.data(), data_.data() + pos_, 32);
    pos_ += 32;
    return s;
}

std::string TableReader::shortString(const char* what)
{
    const std::size_t n = byte(what);
    need(n, what);
    std::string s(data_.substr(pos_, n));
    pos_ += n;
    return s;
}

std::string TableReader::longString(const char* what)
{
    const std::int32_t n = integer(what);
    if (n < 0)
        fail(std::string(what) + " has a negative length");
    need(static_cast<std::size_t>(n), what);
    std::string s(data_.substr(pos_, static_cast<std::size_t>(n)));
    pos_ += static_cast<std::size_t>(n);
    return s;
}

std::size_t TableReader::count(const char* what, std::size_t limit, std::size_t minItem)
{
    const std::int32_t n = integer(what);
    if (n < 0 || static_cast<std::size_t>(n) > limit)
        fail(std::string(what) + " count " + std::to_string(n) + " out of range");
    if (minItem && static_cast<std::size_t>(n) > remaining() / minItem)
        fail(std::string(what) + " count " + std::to_string(n) + " exceeds the data");
    return static_cast<std::size_t>(n);
}

} // namespace tessaly::parser
