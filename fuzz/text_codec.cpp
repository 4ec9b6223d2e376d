// Decodes arbitrary file bytes, detected and in each forced encoding. A file
// that is accepted must come back byte for byte unless its line breaks were
// mixed; the editor's form must hold no NUL and no LF; encoding it in any
// other format either succeeds or refuses with ETextEncode.
#include "memo/MemoErrors.h"
#include "memo/TextCodec.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace tessaly::memo;

namespace {

void check(const std::string& bytes, std::optional<TEncoding> forced)
{
    TDecodedText d;
    try {
        d = decodeText(bytes, forced);
    } catch (const ETextDecode&) {
        return;
    }
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
