#pragma once

#include "memo/TextFormat.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::memo {

// A file's bytes as the editor keeps them: UTF-8 with one CR per line
// break, and the format that turns them back into the same bytes.
struct TDecodedText {
    std::string text;
    TTextFormat format;
};

// Reads a file's bytes. Without a forced encoding it is found from the
// byte-order mark, else UTF-8 when the bytes are valid UTF-8, else
// Windows-1252 (which maps every byte, so nothing is lost). The line-break
// style is the most frequent of CR LF, LF and CR. Throws ETextDecode when
// the bytes cannot come back unchanged: NUL bytes (a binary file), UTF-16
// with an odd number of bytes, control characters beside their pictures.
TDecodedText decodeText(std::string_view bytes, std::optional<TEncoding> forced = std::nullopt);

// The file's bytes for the editor's text in a format. For a text decoded
// from a file in its own format and not edited this gives the file's bytes
// again (mixed line breaks all come out in the format's style). Throws
// ETextEncode, naming the line and the character, when the encoding has no
// bytes for a character of the text.
std::string encodeText(std::string_view text, const TTextFormat& format);

} // namespace tessaly::memo
