#include "memo/TextFormat.h"

#include <array>
#include <utility>

namespace tessaly::memo {

namespace {

struct EncodingNames {
    TEncoding encoding;
    const char* name;
    const char* key;
};

constexpr std::array<EncodingNames, 5> kEncodings{{
    {TEncoding::utf8, "UTF-8", "utf-8"},
    {TEncoding::utf8Bom, "UTF-8 with BOM", "utf-8-bom"},
    {TEncoding::utf16LE, "UTF-16 LE", "utf-16le"},
    {TEncoding::utf16BE, "UTF-16 BE", "utf-16be"},
    {TEncoding::windows1252, "Windows-1252", "windows-1252"},
}};

struct LineEndNames {
    TLineEnd lineEnd;
    const char* name;
    const char* key;
};

constexpr std::array<LineEndNames, 3> kLineEnds{{
    {TLineEnd::crlf, "CR LF", "crlf"},
    {TLineEnd::lf, "LF", "lf"},
    {TLineEnd::cr, "CR", "cr"},
}};

} // namespace

const char* encodingName(TEncoding e)
{
    for (const auto& n : kEncodings)
        if (n.encoding == e)
            return n.name;
    return "";
}

const char* encodingKey(TEncoding e)
{
    for (const auto& n : kEncodings)
        if (n.encoding == e)
            return n.key;
    return "";
}

std::optional<TEncoding> encodingFromKey(std::string_view key)
{
    for (const auto& n : kEncodings)
        if (key == n.key)
            return n.encoding;
    return std::nullopt;
}

const char* lineEndName(TLineEnd e)
{
    for (const auto& n : kLineEnds)
        if (n.lineEnd == e)
            return n.name;
    return "";
}

const char* lineEndKey(TLineEnd e)
{
    for (const auto& n : kLineEnds)
        if (n.lineEnd == e)
            return n.key;
    return "";
}

std::optional<TLineEnd> lineEndFromKey(std::string_view key)
{
    for (const auto& n : kLineEnds)
        if (key == n.key)
            return n.lineEnd;
    return std::nullopt;
}

} // namespace tessaly::memo
