#pragma once

#include "memo/TextFormat.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace tessaly::memo {

class TTextDecoder;
class TTextStore;

// Reads a file into a text store a piece at a time, decoded into the
// editor's form, so no copy of the whole file is ever made beside the store.
//
// Read straight through, the encoding is guessed as the pieces come: a
// guess that fails empties the store and starts again from the first byte.
// A big file that is shown before it is all read is checked first: check()
// decodes it once without keeping its text, so the encoding, the line
// breaks and any refusal are known before the document changes, and the
// pieces read after it decode without a surprise.
class TFileLoader {
public:
    // Opens the file; throws EFOpenError when it cannot be read.
    TFileLoader(std::filesystem::path file, std::optional<TEncoding> forced);
    ~TFileLoader();
    TFileLoader(const TFileLoader&) = delete;
    TFileLoader& operator=(const TFileLoader&) = delete;

    // The file's size in bytes when it was opened.
    std::int64_t fileSize() const { return size_; }
    // Reads the whole file through once and keeps its format; the next
    // piece is the first again. Throws EFOpenError for a file that cannot
    // be read or decoded.
    void check();
    // Appends the text of the next piece to store; false once the file is
    // all read. Throws EFOpenError as check() does: after a check, only for
    // a file changed since (it also ends longer or shorter than checked).
    bool readPiece(TTextStore& store);
    // The format of the whole file: known after check() or the last piece.
    const TTextFormat& format() const { return *format_; }

private:
    // Decodes the next piece into text_; false at the end of the file.
    bool decodePiece();
    // Goes back to the first byte.
    void rewind();
    [[noreturn]] void cannotRead() const;

    std::filesystem::path file_;
    std::ifstream in_;
    std::int64_t size_ = 0;
    std::unique_ptr<TTextDecoder> decoder_;
    // Bytes read and not yet decoded: a piece's last bytes that the decoder
    // could not use yet (part of a character or of a line break) lead the
    // next piece.
    std::string bytes_;
    std::size_t held_ = 0;
    std::string text_;
    bool ended_ = false;
    // Bytes read since the first, and the file's length as check() read it
    // (-1 before).
    std::int64_t read_ = 0;
    std::int64_t checked_ = -1;
    // The decoder guessed the encoding wrong: what was made from the
    // earlier pieces is to be dropped.
    bool restarted_ = false;
    std::optional<TTextFormat> format_;
};

} // namespace tessaly::memo
