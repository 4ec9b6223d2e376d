#pragma once

#include "memo/MemoHost.h"

namespace tessaly::widgets {

// The system clipboard for the editor engine: plain text, and the HTML and
// RTF formats when present.
class QtClipboard final : public memo::TMemoClipboard {
public:
    bool hasText() const override;
    std::string text() const override;
    bool hasHtml() const override;
    std::string html() const override;
    void setContents(const std::string& text, const std::string& rtf, const std::string& html) override;
};

} // namespace tessaly::widgets
