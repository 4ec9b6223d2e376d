#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessaly::memo {

// How a document's text is stored on disk. The editor keeps its text as
// UTF-8 (bytes that are not valid UTF-8 stay as they are) with one CR per
// line break; the format says how to turn that back into the file's bytes.
enum class TEncoding {
    utf8,        // UTF-8 without a mark; invalid bytes are kept as they are
    utf8Bom,     // UTF-8 starting with the mark EF BB BF
    utf16LE,     // UTF-16 little-endian with the mark FF FE
    utf16BE,     // UTF-16 big-endian with the mark FE FF
    windows1252, // one byte per character; all 256 byte values map both ways
};

enum class TLineEnd { crlf, lf, cr };

struct TTextFormat {
    TEncoding encoding = TEncoding::utf8;
    // New documents are written with CR LF.
    TLineEnd lineEnd = TLineEnd::crlf;
    // The file had more than one kind of line break; lineEnd is the most
    // frequent, and every break is written in it.
    bool mixedLineEnds = false;
    // The file held control characters (other than tab and the line breaks),
    // which the editor shows as their pictures U+2401..U+241F; at save those
    // pictures become the control bytes again.
    bool controlPictures = false;

    bool operator==(const TTextFormat&) const = default;
};

// Names as shown to the user ("UTF-8", "UTF-16 LE", "Windows-1252", "CR LF")
// and as kept in recovery files ("utf-8", "utf-16le", "crlf").
const char* encodingName(TEncoding e);
const char* encodingKey(TEncoding e);
std::optional<TEncoding> encodingFromKey(std::string_view key);
const char* lineEndName(TLineEnd e);
const char* lineEndKey(TLineEnd e);
std::optional<TLineEnd> lineEndFromKey(std::string_view key);

} // namespace tessaly::memo
