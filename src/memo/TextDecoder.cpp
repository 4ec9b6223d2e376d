#include "memo/TextDecoder.h"

#include "memo/ByteOrderMark.h"
#include "memo/Cp1252.h"
#include "memo/MemoErrors.h"
#include "memo/Utf8.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly::memo {

namespace {

using Byte = unsigned char;

constexpr char32_t kPictureBase = 0x2400; // U+2401..U+241F stand for the bytes 1..31

bool isPicture(const Byte* p, const Byte* end)
{
    return end - p >= 3 && p[0] == 0xE2 && p[1] == 0x90 && p[2] >= 0x81 && p[2] <= 0x9F;
}

} // namespace

// Decoded bytes go straight to the output string through a cursor. The string
// is kept longer than what is written so far (by at least kHeadroom bytes),
// so a plain run is copied with one 16-byte load and store per 16 bytes;
// the string is cut to what was written when the sink ends.
class TTextDecoder::Sink {
public:
    static constexpr std::size_t kHeadroom = 16;

    Sink(std::string& out, std::size_t expect) : out_(out), base_(out.size())
    {
        out_.resize(base_ + expect + kHeadroom);
        w_ = out_.data() + base_;
        end_ = out_.data() + out_.size();
    }
    ~Sink() { out_.resize(static_cast<std::size_t>(w_ - out_.data())); }
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;

    // Room for n more bytes and the headroom after them.
    void room(std::size_t n)
    {
        if (static_cast<std::size_t>(end_ - w_) < n + kHeadroom)
            grow(n);
    }
    void put(char c)
    {
        room(1);
        *w_++ = c;
    }
    void put(const Byte* p, std::size_t n)
    {
        room(n);
        std::memcpy(w_, p, n);
        w_ += n;
    }
    void putUtf8(char32_t cp)
    {
        room(4);
        if (cp < 0x80) {
            *w_++ = static_cast<char>(cp);
        } else if (cp < 0x800) {
            *w_++ = static_cast<char>(0xC0 | (cp >> 6));
            *w_++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *w_++ = static_cast<char>(0xE0 | (cp >> 12));
            *w_++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *w_++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *w_++ = static_cast<char>(0xF0 | (cp >> 18));
            *w_++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *w_++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *w_++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    // Copies the run of plain bytes at p (no control but the tab, nothing
    // from 0x80 on) and returns where it ends. Line breaks inside the run,
    // CR LF and LF, are folded into CR on the way and counted: most lines
    // then cost no call of their own. The caller has made room for end - p
    // bytes.
    const Byte* plainRun(const Byte* p, const Byte* end, std::uint64_t& crlf, std::uint64_t& lf)
    {
#if defined(__SSE2__)
        // As signed bytes, both the controls and the bytes from 0x80 on are
        // below 0x20. Each 16 bytes are stored whole and the cursor moves
        // past the plain ones only.
        const __m128i space = _mm_set1_epi8(0x20);
        const __m128i tab = _mm_set1_epi8('\t');
        while (end - p >= 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(w_), v);
            const __m128i odd = _mm_andnot_si128(_mm_cmpeq_epi8(v, tab), _mm_cmplt_epi8(v, space));
            if (const int mask = _mm_movemask_epi8(odd)) {
                const unsigned at = static_cast<unsigned>(__builtin_ctz(static_cast<unsigned>(mask)));
                const Byte* const q = p + at;
                if (*q == '\r' && end - q >= 2 && q[1] == '\n') {
                    // The CR is stored already; the LF is dropped.
                    w_ += at + 1;
                    p = q + 2;
                    ++crlf;
                    continue;
                }
                if (*q == '\n') {
                    w_[at] = '\r';
                    w_ += at + 1;
                    p = q + 1;
                    ++lf;
                    continue;
                }
                w_ += at;
                return q;
            }
            p += 16;
            w_ += 16;
        }
#endif
        while (p < end && ((*p >= 0x20 && *p < 0x80) || *p == '\t'))
            *w_++ = static_cast<char>(*p++);
        return p;
    }

private:
    void grow(std::size_t n)
    {
        const std::size_t at = static_cast<std::size_t>(w_ - out_.data());
        out_.resize(at + n + kHeadroom + std::max<std::size_t>(4096, (at - base_) / 4));
        w_ = out_.data() + at;
        end_ = out_.data() + out_.size();
    }

    std::string& out_;
    std::size_t base_;
    char* w_;
    char* end_;
};

TTextDecoder::TTextDecoder(std::optional<TEncoding> forced) : forced_(forced) {}

bool TTextDecoder::startAgain()
{
    const bool again = again_;
    again_ = false;
    return again;
}

void TTextDecoder::restartAs(TEncoding e)
{
    encoding_ = e;
    mode_ = e == TEncoding::windows1252 ? Mode::cp1252 : Mode::utf8;
    again_ = true;
    oddUtf16_ = nul_ = controls_ = pictures_ = false;
    crlf_ = lf_ = cr_ = 0;
}

void TTextDecoder::decide(std::string_view bytes)
{
    if (forced_) {
        encoding_ = *forced_;
    } else if (bytes.starts_with(kBomUtf8)) {
        encoding_ = TEncoding::utf8Bom;
    } else if (bytes.starts_with(kBomLE)) {
        // Taken for UTF-16 until an odd last byte says otherwise.
        encoding_ = TEncoding::utf16LE;
    } else if (bytes.starts_with(kBomBE)) {
        encoding_ = TEncoding::utf16BE;
    } else {
        // UTF-8 until a byte is not.
        encoding_ = TEncoding::utf8;
        mode_ = Mode::utf8Checked;
        return;
    }
    switch (encoding_) {
    case TEncoding::utf16LE:
        mode_ = Mode::utf16LE;
        break;
    case TEncoding::utf16BE:
        mode_ = Mode::utf16BE;
        break;
    case TEncoding::windows1252:
        mode_ = Mode::cp1252;
        break;
    default:
        mode_ = Mode::utf8;
    }
}

std::size_t TTextDecoder::feed(std::string_view bytes, bool last, std::string& out)
{
    std::size_t used = 0;
    if (mode_ == Mode::undecided) {
        // The longest mark has three bytes.
        if (bytes.size() < 3 && !last)
            return 0;
        decide(bytes);
        if (const std::string_view mark = byteOrderMark(encoding_); !mark.empty() && bytes.starts_with(mark)) {
            used = mark.size();
            bytes.remove_prefix(used);
        }
    }
    Sink sink(out, bytes.size());
    switch (mode_) {
    case Mode::utf8:
    case Mode::utf8Checked:
        return used + feedUtf8(bytes, last, mode_ == Mode::utf8Checked, sink);
    case Mode::cp1252:
        return used + feedCp1252(bytes, last, sink);
    case Mode::utf16LE:
    case Mode::utf16BE:
        return used + feedUtf16(bytes, last, mode_ == Mode::utf16BE, sink);
    case Mode::undecided:
        break;
    }
    return used;
}

void TTextDecoder::control(unsigned char c, Sink& out)
{
    if (c == '\n') {
        ++lf_;
        out.put('\r');
    } else if (c == 0) {
        // UTF-16 tells an odd byte count first, so its NUL waits for the end.
        if (mode_ != Mode::utf16LE && mode_ != Mode::utf16BE)
            throw ETextDecode("it holds NUL bytes (binary data)");
        nul_ = true;
    } else {
        controls_ = true;
        out.putUtf8(kPictureBase + c);
    }
}

bool TTextDecoder::foldCr(const Byte*& p, const Byte* end, bool last, Sink& out)
{
    if (p + 1 == end && !last)
        return false;
    ++p;
    if (p < end && *p == '\n') {
        ++crlf_;
        ++p;
    } else {
        ++cr_;
    }
    out.put('\r');
    return true;
}

TTextDecoder::Step TTextDecoder::plainStep(const Byte*& p, const Byte* end, bool last, Sink& out)
{
    out.room(static_cast<std::size_t>(end - p));
    p = out.plainRun(p, end, crlf_, lf_);
    if (p == end)
        return Step::stop;
    const Byte c = *p;
    if (c == '\r')
        return foldCr(p, end, last, out) ? Step::handled : Step::stop;
    if (c < 0x20) {
        ++p;
        control(c, out);
        return Step::handled;
    }
    return Step::decode;
}

std::size_t TTextDecoder::feedUtf8(std::string_view bytes, bool last, bool checked, Sink& out)
{
    const Byte* const first = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = first + bytes.size();
    const Byte* p = first;
    while (p < end) {
        const Step step = plainStep(p, end, last, out);
        if (step == Step::stop)
            break;
        if (step == Step::handled)
            continue;
        const Byte c = *p;
        if (checked) {
            const int whole = c < 0xC2 || c > 0xF4 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            if (end - p < whole && !last)
                break;
            const std::size_t at = static_cast<std::size_t>(p - first);
            const int n = utf8Length(bytes, at);
            if (n == 1) {
                restartAs(TEncoding::windows1252);
                return bytes.size();
            }
            if (c == 0xE2 && isPicture(p, end))
                pictures_ = true;
            out.put(p, static_cast<std::size_t>(n));
            p += n;
        } else if (c == 0xE2) {
            if (end - p < 3 && !last)
                break;
            if (isPicture(p, end))
                pictures_ = true;
            out.put(static_cast<char>(c));
            ++p;
        } else {
            out.put(static_cast<char>(c));
            ++p;
        }
    }
    return static_cast<std::size_t>(p - first);
}

std::size_t TTextDecoder::feedCp1252(std::string_view bytes, bool last, Sink& out)
{
    const Byte* const first = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = first + bytes.size();
    const Byte* p = first;
    while (p < end) {
        const Step step = plainStep(p, end, last, out);
        if (step == Step::stop)
            break;
        if (step == Step::handled)
            continue;
        // No Windows-1252 character is a control picture.
        out.putUtf8(charOf1252(*p));
        ++p;
    }
    return static_cast<std::size_t>(p - first);
}

std::size_t TTextDecoder::feedUtf16(std::string_view bytes, bool last, bool bigEndian, Sink& out)
{
    const Byte* const first = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = first + bytes.size();
    const Byte* p = first;
    const auto unit = [bigEndian](const Byte* q) {
        return static_cast<char32_t>(bigEndian ? (q[0] << 8) | q[1] : (q[1] << 8) | q[0]);
    };
    while (end - p >= 2) {
        const char32_t u = unit(p);
        if (u < 0x80) {
            if (u >= 0x20 || u == '\t') {
                out.put(static_cast<char>(u));
                p += 2;
            } else if (u == '\r') {
                if (end - p < 4 && !last)
                    break;
                p += 2;
                if (end - p >= 2 && unit(p) == '\n') {
                    ++crlf_;
                    p += 2;
                } else {
                    ++cr_;
                }
                out.put('\r');
            } else {
                p += 2;
                control(static_cast<unsigned char>(u), out);
            }
            continue;
        }
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (end - p < 4 && !last)
                break;
            if (end - p >= 4) {
                const char32_t low = unit(p + 2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    out.putUtf8(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                    p += 4;
                    continue;
                }
            }
        }
        if (u > kPictureBase && u <= kPictureBase + 0x1F)
            pictures_ = true;
        out.putUtf8(u);
        p += 2;
    }
    if (last && p < end) {
        // One byte over: a forced UTF-16 is refused at the end; a guessed
        // one was not UTF-16 after all, and the byte tests then say
        // Windows-1252 (neither mark is valid UTF-8).
        if (forced_) {
            oddUtf16_ = true;
            p = end;
        } else {
            restartAs(TEncoding::windows1252);
            return bytes.size();
        }
    }
    return static_cast<std::size_t>(p - first);
}

TTextFormat TTextDecoder::format() const
{
    if (oddUtf16_)
        throw ETextDecode("it is not UTF-16: it has an odd number of bytes");
    if (nul_)
        throw ETextDecode("it holds NUL bytes (binary data)");
    if (controls_ && pictures_)
        throw ETextDecode("it holds control characters and their pictures, which could not be told apart again");
    TTextFormat f;
    f.encoding = encoding_;
    f.controlPictures = controls_;
    f.lineEnd = TLineEnd::crlf;
    if (lf_ > crlf_ && lf_ >= cr_)
        f.lineEnd = TLineEnd::lf;
    else if (cr_ > crlf_ && cr_ > lf_)
        f.lineEnd = TLineEnd::cr;
    f.mixedLineEnds = (crlf_ > 0) + (lf_ > 0) + (cr_ > 0) > 1;
    return f;
}

} // namespace tessaly::memo
