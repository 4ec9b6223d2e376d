#pragma once

#include "memo/TextFormat.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::memo {

// Decodes a file's bytes given a piece at a time into the editor's form
// (UTF-8, one CR per line break, controls as their pictures), with the same
// result and the same refusals as decodeText on the whole file, so a big
// file never needs a second copy of itself in memory.
//
// A piece may end inside a character, a CR LF pair or a UTF-16 surrogate
// pair: feed uses what it can and returns how many bytes that was; the rest
// (at most three bytes) must lead the next piece. The encoding is found as
// decodeText finds it, but without the whole file at hand: a file without a
// mark is taken for UTF-8 until a byte says otherwise, and one with a UTF-16
// mark for UTF-16 until its last byte. When that guess fails, startAgain()
// says so once: the caller drops what it made and feeds the bytes again
// from the first one, and the decoder then knows the encoding.
class TTextDecoder {
public:
    explicit TTextDecoder(std::optional<TEncoding> forced = std::nullopt);

    // Appends the decoded text of a leading part of bytes to out and returns
    // that part's length. last: no bytes follow, so all are used. Throws
    // ETextDecode for bytes that cannot be decoded (a NUL byte).
    std::size_t feed(std::string_view bytes, bool last, std::string& out);
    // True once after a feed that found the encoding guessed was wrong.
    bool startAgain();
    // The format of the whole file, after the last piece. Throws ETextDecode
    // when the file as a whole cannot come back unchanged.
    TTextFormat format() const;

private:
    enum class Mode { undecided, utf8, utf8Checked, utf16LE, utf16BE, cp1252 };

    // The output string, written through a cursor and grown ahead of it.
    class Sink;

    void decide(std::string_view bytes);
    void restartAs(TEncoding e);
    std::size_t feedUtf8(std::string_view bytes, bool last, bool checked, Sink& out);
    std::size_t feedCp1252(std::string_view bytes, bool last, Sink& out);
    std::size_t feedUtf16(std::string_view bytes, bool last, bool bigEndian, Sink& out);
    // Folds the CR at p, and an LF right after it, into one CR. False when
    // the CR ends a piece that is not the last: its LF may start the next.
    bool foldCr(const unsigned char*& p, const unsigned char* end, bool last, Sink& out);
    // A control other than the tab and CR: LF, NUL or one shown as its picture.
    void control(unsigned char c, Sink& out);
    // What plainStep did at p.
    enum class Step { handled, decode, stop };
    // The part of a byte encoding's loop that all share: copies the run of
    // plain bytes at p, then folds a CR or maps a control there (handled).
    // decode: p stands on a byte the encoding itself decodes; stop: the
    // bytes ended, or a CR waits for the next piece.
    Step plainStep(const unsigned char*& p, const unsigned char* end, bool last, Sink& out);

    std::optional<TEncoding> forced_;
    Mode mode_ = Mode::undecided;
    TEncoding encoding_ = TEncoding::utf8;
    bool again_ = false;
    bool oddUtf16_ = false;
    bool nul_ = false;
    bool controls_ = false;
    bool pictures_ = false;
    std::uint64_t crlf_ = 0, lf_ = 0, cr_ = 0;
};

} // namespace tessaly::memo
