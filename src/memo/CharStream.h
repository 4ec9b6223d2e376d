#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessaly::memo {

// A read-only cursor over text in the store's form (line breaks are single CR
// characters). The editor's TEdStream walks the line records; TStringStream
// walks a plain string, for tests and for text that is not in an editor.
// Scanners (search, regular expressions, word classes, the parser runtime)
// read through this interface so that they never need the whole text in one
// buffer.
class TCharStream {
public:
    virtual ~TCharStream() = default;

    // Number of characters the stream was created over.
    virtual std::int64_t size() const = 0;
    // Absolute offset of the current character, 0 .. size().
    virtual std::int64_t position() const = 0;
    // Moves to an absolute offset, clamped to 0 .. size().
    virtual void setPosition(std::int64_t offset) = 0;
    // The character at the current position, 0 at or past the end.
    virtual unsigned char current() const = 0;
    // One character forward / backward; both stop at the ends.
    virtual void advance() = 0;
    virtual void stepBack() = 0;

    bool atEnd() const { return position() >= size(); }
};

// TCharStream over a string that the caller keeps alive. The streams that
// also hand out the string in blocks build on it.
class TStringStream : public TCharStream {
public:
    explicit TStringStream(std::string_view text) : text_(text) {}

    std::int64_t size() const override { return static_cast<std::int64_t>(text_.size()); }
    std::int64_t position() const override { return pos_; }
    void setPosition(std::int64_t offset) override
    {
        pos_ = offset < 0 ? 0 : (offset > size() ? size() : offset);
    }
    unsigned char current() const override
    {
        return pos_ < size() ? static_cast<unsigned char>(text_[static_cast<std::size_t>(pos_)]) : 0;
    }
    void advance() override
    {
        if (pos_ < size())
            ++pos_;
    }
    void stepBack() override
    {
        if (pos_ > 0)
            --pos_;
    }

private:
    std::string_view text_;
    std::int64_t pos_ = 0;
};

} // namespace tessaly::memo
