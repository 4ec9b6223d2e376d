// Decodes arbitrary file bytes, detected and in each forced encoding. A file
// that is accepted must come back byte for byte unless its line breaks were
// mixed; the editor's form must hold no NUL and no LF; encoding it in any
// other format either succeeds or refuses with ETextEncode. Decoding in
// small pieces must give what decoding the whole gives.
#include "memo/MemoErrors.h"
#include "memo/TextCodec.h"
#include "memo/TextDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

using namespace tessaly::memo;

namespace {

// The text and format of a decode in pieces of a few bytes, or the refusal.
std::pair<TDecodedText, std::string> inPieces(const std::string& bytes, std::optional<TEncoding> forced)
{
    TDecodedText d;
    try {
        TTextDecoder decoder(forced);
        const std::size_t step = 1 + bytes.size() % 5;
        std::string buffer;
        std::size_t read = 0;
        while (true) {
            const std::size_t n = std::min(step, bytes.size() - read);
            buffer.append(bytes, read, n);
            read += n;
            const bool last = read == bytes.size();
            const std::size_t used = decoder.feed(buffer, last, d.text);
            if (decoder.startAgain()) {
                d.text.clear();
                buffer.clear();
                read = 0;
                continue;
            }
            buffer.erase(0, used);
            if (last)
                break;
        }
        d.format = decoder.format();
    } catch (const ETextDecode& e) {
        return {{}, e.what()};
    }
    return {d, {}};
}

void check(const std::string& bytes, std::optional<TEncoding> forced)
{
    TDecodedText d;
    const auto [pieces, refusal] = inPieces(bytes, forced);
    try {
        d = decodeText(bytes, forced);
    } catch (const ETextDecode& e) {
        if (refusal != e.what())
            std::abort();
        return;
    }
    if (!refusal.empty() || pieces.text != d.text || !(pieces.format == d.format))
        std::abort();
    if (d.text.find('\0') != std::string::npos || d.text.find('\n') != std::string::npos)
        std::abort();
    const std::string back = encodeText(d.text, d.format);
    const bool markAdded = forced && (*forced == TEncoding::utf8Bom || *forced == TEncoding::utf16LE
                                      || *forced == TEncoding::utf16BE);
    if (!d.format.mixedLineEnds && !markAdded && back != bytes)
        std::abort();
    for (const TEncoding e : {TEncoding::utf8, TEncoding::utf16LE, TEncoding::windows1252}) {
        TTextFormat f = d.format;
        f.encoding = e;
        try {
            const std::string other = encodeText(d.text, f);
            // What a UTF format writes reads back as the same text.
            if (e != TEncoding::utf8 || !f.controlPictures) {
                const TDecodedText again = decodeText(other, e);
                if (e == TEncoding::utf16LE && again.text != d.text && !f.controlPictures)
                    std::abort();
            }
        } catch (const ETextEncode&) {
        } catch (const ETextDecode&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    check(bytes, std::nullopt);
    for (const TEncoding e : {TEncoding::utf8, TEncoding::utf8Bom, TEncoding::utf16LE, TEncoding::utf16BE,
                              TEncoding::windows1252})
        check(bytes, e);
    return 0;
}
