#pragma once

#include "memo/MemoHost.h"

#include <QString>

#include <string_view>

namespace tessaly::widgets {

// The editor's bytes as the text the user sees: each valid UTF-8 sequence is
// its character, any other byte its Latin-1 character.
QString textToQString(std::string_view bytes);

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
