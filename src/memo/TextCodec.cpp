#include "memo/TextCodec.h"

#include "memo/ByteOrderMark.h"
#include "memo/Cp1252.h"
#include "memo/MemoErrors.h"
#include "memo/Utf8.h"

#include <array>
#include <cstdio>

namespace tessaly::memo {

namespace {

constexpr char32_t kPictureBase = 0x2400; // U+2401..U+241F stand for the bytes 1..31

std::optional<unsigned char> byteOf1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHigh1252.size(); ++i)
        if (kHigh1252[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

bool validUtf8(std::string_view t)
{
    for (std::size_t i = 0; i < t.size();) {
        const auto c = static_cast<unsigned char>(t[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const int n = utf8Length(t, i);
        if (n == 1)
            return false;
        i += static_cast<std::size_t>(n);
    }
    return true;
}

bool startsWith(std::string_view t, std::string_view mark)
{
    return t.substr(0, mark.size()) == mark;
}

// The encoding of bytes without a forced one, and how many mark bytes lead.
TEncoding detect(std::string_view bytes)
{
    if (startsWith(bytes, kBomUtf8))
        return TEncoding::utf8Bom;
    // UTF-16 needs whole code units; an odd count is left to the byte tests
    // (which then find its NUL bytes).
    if (bytes.size() % 2 == 0 && startsWith(bytes, kBomLE))
        return TEncoding::utf16LE;
    if (bytes.size() % 2 == 0 && startsWith(bytes, kBomBE))
        return TEncoding::utf16BE;
    return validUtf8(bytes) ? TEncoding::utf8 : TEncoding::windows1252;
}

std::string fromUtf16(std::string_view body, bool bigEndian)
{
    if (body.size() % 2 != 0)
        throw ETextDecode("it is not UTF-16: it has an odd number of bytes");
    std::string out;
    out.reserve(body.size());
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(body[i]);
        const auto b = static_cast<unsigned char>(body[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i < body.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < body.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, u);
    }
    return out;
}

std::string from1252(std::string_view body)
{
    std::string out;
    out.reserve(body.size() + body.size() / 8);
    const char* p = body.data();
    const char* const end = p + body.size();
    while (p < end) {
        // Runs of ASCII go over in one append.
        const char* const run = p;
        while (p < end && static_cast<unsigned char>(*p) < 0x80)
            ++p;
        out.append(run, static_cast<std::size_t>(p - run));
        if (p == end)
            break;
        const auto c = static_cast<unsigned char>(*p++);
        appendUtf8(out, charOf1252(c));
    }
    return out;
}

// The picture of a control byte (U+2401..U+241F) at byte i of t, or 0.
unsigned char pictureAt(std::string_view t, std::size_t i)
{
    if (i + 2 >= t.size() || static_cast<unsigned char>(t[i]) != 0xE2 || static_cast<unsigned char>(t[i + 1]) != 0x90)
        return 0;
    const auto c = static_cast<unsigned char>(t[i + 2]);
    return c >= 0x81 && c <= 0x9F ? static_cast<unsigned char>(c - 0x80) : 0;
}

// Turns every line break into one CR and every control into its picture,
// counting the kinds of breaks.
TTextFormat foldBreaks(std::string_view u, std::string& out)
{
    std::size_t crlf = 0, lf = 0, cr = 0;
    bool controls = false, pictures = false;
    out.reserve(out.size() + u.size());
    const char* const first = u.data();
    const char* const end = first + u.size();
    const char* p = first;
    while (p < end) {
        // Ordinary characters go over in runs: most of a file is one.
        const char* const run = p;
        while (p < end) {
            const auto c = static_cast<unsigned char>(*p);
            if ((c < 32 && c != '\t') || c == 0xE2)
                break;
            ++p;
        }
        out.append(run, static_cast<std::size_t>(p - run));
        if (p == end)
            break;
        const auto c = static_cast<unsigned char>(*p);
        const std::size_t i = static_cast<std::size_t>(p - first);
        ++p;
        if (c == 0xE2) {
            if (pictureAt(u, i))
                pictures = true;
            out += static_cast<char>(c);
        } else if (c == '\r') {
            if (p < end && *p == '\n') {
                ++crlf;
                ++p;
            } else {
                ++cr;
            }
            out += '\r';
        } else if (c == '\n') {
            ++lf;
            out += '\r';
        } else if (c == 0) {
            throw ETextDecode("it holds NUL bytes (binary data)");
        } else {
            controls = true;
            appendUtf8(out, kPictureBase + c);
        }
    }
    if (controls && pictures)
        throw ETextDecode("it holds control characters and their pictures, which could not be told apart again");
    TTextFormat f;
    f.controlPictures = controls;
    f.lineEnd = TLineEnd::crlf;
    if (lf > crlf && lf >= cr)
        f.lineEnd = TLineEnd::lf;
    else if (cr > crlf && cr > lf)
        f.lineEnd = TLineEnd::cr;
    f.mixedLineEnds = (crlf > 0) + (lf > 0) + (cr > 0) > 1;
    return f;
}

[[noreturn]] void cannotEncode(TEncoding e, std::size_t line, char32_t cp)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
    throw ETextEncode(std::string("The text cannot be saved as ") + encodingName(e) + ": line " + std::to_string(line)
                      + " holds the character " + code
                      + ", which that encoding cannot hold. Choose UTF-8 with File > Save with Encoding.");
}

void appendUnit(std::string& out, char32_t u, bool bigEndian)
{
    const char hi = static_cast<char>((u >> 8) & 0xFF);
    const char lo = static_cast<char>(u & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
}

// A lone surrogate as the UTF-16 reader stores it: ED A0..BF 80..BF.
char32_t loneSurrogateAt(std::string_view t, std::size_t i)
{
    if (i + 2 >= t.size() || static_cast<unsigned char>(t[i]) != 0xED)
        return 0;
    const auto b1 = static_cast<unsigned char>(t[i + 1]);
    const auto b2 = static_cast<unsigned char>(t[i + 2]);
    if (b1 < 0xA0 || b1 > 0xBF || (b2 & 0xC0) != 0x80)
        return 0;
    return 0xD000 | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
}

} // namespace

TDecodedText decodeText(std::string_view bytes, std::optional<TEncoding> forced)
{
    const TEncoding e = forced ? *forced : detect(bytes);
    std::string_view body = bytes;
    if (const std::string_view mark = byteOrderMark(e); !mark.empty() && startsWith(body, mark))
        body.remove_prefix(mark.size());
    std::string transcoded;
    std::string_view u = body;
    if (e == TEncoding::utf16LE || e == TEncoding::utf16BE) {
        transcoded = fromUtf16(body, e == TEncoding::utf16BE);
        u = transcoded;
    } else if (e == TEncoding::windows1252) {
        transcoded = from1252(body);
        u = transcoded;
    }
    TDecodedText d;
    d.format = foldBreaks(u, d.text);
    d.format.encoding = e;
    return d;
}

std::string encodeText(std::string_view text, const TTextFormat& format)
{
    const TEncoding e = format.encoding;
    const bool wide = e == TEncoding::utf16LE || e == TEncoding::utf16BE;
    const bool big = e == TEncoding::utf16BE;
    const std::string_view lineEnd = format.lineEnd == TLineEnd::crlf ? std::string_view("\r\n")
        : format.lineEnd == TLineEnd::lf                              ? std::string_view("\n")
                                                                      : std::string_view("\r");
    std::string out(byteOrderMark(e));
    out.reserve(out.size() + (wide ? 2 : 1) * (text.size() + text.size() / 16));
    const auto put = [&](char32_t cp) {
        if (!wide) {
            out += static_cast<char>(cp);
        } else if (cp >= 0x10000) {
            appendUnit(out, 0xD800 + ((cp - 0x10000) >> 10), big);
            appendUnit(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), big);
        } else {
            appendUnit(out, cp, big);
        }
    };
    std::size_t line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r') {
            for (const char b : lineEnd)
                put(static_cast<unsigned char>(b));
            ++line;
            ++i;
            continue;
        }
        if (c < 0x80) {
            put(c);
            ++i;
            continue;
        }
        if (format.controlPictures) {
            if (const unsigned char control = pictureAt(text, i)) {
                put(control);
                i += 3;
                continue;
            }
        }
        const int n = utf8Length(text, i);
        if (e == TEncoding::utf8 || e == TEncoding::utf8Bom) {
            // Bytes go out as they are, valid UTF-8 or not.
            out.append(text.substr(i, static_cast<std::size_t>(n)));
        } else if (wide) {
            if (const char32_t s = loneSurrogateAt(text, i)) {
                // A lone high surrogate written just before a lone low one
                // would read back as the pair's one character.
                if (s < 0xDC00 && loneSurrogateAt(text, i + 3) >= 0xDC00)
                    cannotEncode(e, line, s);
                put(s);
                i += 3;
                continue;
            }
            if (n == 1)
                cannotEncode(e, line, c);
            put(utf8Decode(text, i));
        } else {
            const char32_t cp = n == 1 ? 0xFFFD : utf8Decode(text, i);
            const auto b = byteOf1252(cp);
            if (!b)
                cannotEncode(e, line, n == 1 ? c : cp);
            out += static_cast<char>(*b);
        }
        i += static_cast<std::size_t>(n);
    }
    return out;
}

} // namespace tessaly::memo
