#pragma once

#include <cstdint>
#include <string>

namespace tessaly::memo {

// What the editor engine needs from the window that shows it. The defaults
// stand for "no window": 40 visible lines of 80 columns, nothing to repaint.
class TMemoView {
public:
    virtual ~TMemoView() = default;
    virtual int visibleLines() const { return 40; }
    virtual int visibleColumns() const { return 80; }
    // Everything must be painted again.
    virtual void repaintAll() {}
    // Records first..last (inclusive) must be painted again.
    virtual void repaintRecords(std::int64_t /*first*/, std::int64_t /*last*/) {}
    // The first visible record or column changed.
    virtual void scrolled() {}
    // The caret moved.
    virtual void caretMoved() {}
};

// Sounds and message boxes.
class TMemoMessages {
public:
    virtual ~TMemoMessages() = default;
    virtual void beep() {}
    virtual void error(const std::string& /*text*/) {}
};

// The clipboard as the editor sees it.
class TMemoClipboard {
public:
    virtual ~TMemoClipboard() = default;
    virtual bool hasText() const = 0;
    virtual std::string text() const = 0;
    virtual bool hasHtml() const = 0;
    virtual std::string html() const = 0;
    // Replaces the clipboard's contents; an empty rtf or html leaves that format out.
    virtual void setContents(const std::string& text, const std::string& rtf, const std::string& html) = 0;
};

// A clipboard that lives in memory: used when there is no window system, and by tests.
class TMemoryClipboard final : public TMemoClipboard {
public:
    bool hasText() const override { return hasText_; }
    std::string text() const override { return text_; }
    bool hasHtml() const override { return !html_.empty(); }
    std::string html() const override { return html_; }
    void setContents(const std::string& text, const std::string& rtf, const std::string& html) override
    {
        text_ = text;
        hasText_ = true;
        rtf_ = rtf;
        html_ = html;
    }
    const std::string& rtf() const { return rtf_; }
    void setHtml(const std::string& html) { html_ = html; }

private:
    std::string text_;
    std::string rtf_;
    std::string html_;
    bool hasText_ = false;
};

} // namespace tessaly::memo
