#pragma once

#include "parser/StateSet.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaly::parser {

// Raised when stored table data is cut short or holds an impossible count or
// length. The message names what was being read.
class ETableStream : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends little-endian fields to a byte string.
class TableWriter {
public:
    void byte(std::uint8_t v) { out_.push_back(static_cast<char>(v)); }
    void flag(bool v) { byte(v ? 1 : 0); }
    void word(std::uint16_t v);
    void integer(std::int32_t v);
    void set(const TStateSet& s) { out_.append(reinterpret_cast<const char*>(s.bits.data()), s.bits.size()); }
    // A length byte and at most 255 characters; longer text is a logic error
    // of the caller and throws ETableStream.
    void shortString(std::string_view s);
    void longString(std::string_view s);
    void raw(std::string_view s) { out_.append(s); }

    const std::string& data() const { return out_; }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

// Reads little-endian fields from a byte string, checking every field and
// every count against what is left, so corrupt data gives ETableStream and
// never an out-of-range read or an oversized allocation.
class TableReader {
public:
    explicit TableReader(std::string_view data) : data_(data) {}
    // The reader keeps a view of its data: a temporary string would be gone
    // before the first read.
    explicit TableReader(std::string&&) = delete;

    std::uint8_t byte(const char* what);
    bool flag(const char* what) { return byte(what) != 0; }
    std::uint16_t word(const char* what);
    std::int32_t integer(const char* what);
    TStateSet set(const char* what);
    std::string shortString(const char* what);
    std::string longString(const char* what);
    // A count that must be 0..limit, and whose items (each at least minItem
    // bytes) must fit into what is left.
    std::size_t count(const char* what, std::size_t limit, std::size_t minItem);

    std::size_t remaining() const { return data_.size() - pos_; }
    std::size_t position() const { return pos_; }
    [[noreturn]] void fail(const std::string& what) const;

private:
    void need(std::size_t n, const char* what) const;

    std::string_view data_;
    std::size_t pos_ = 0;
};

} // namespace tessaly::parser
