#include "memo/FileLoader.h"

#include "memo/MemoErrors.h"
#include "memo/TextDecoder.h"
#include "memo/TextStore.h"

#include <cstring>

namespace tessaly::memo {

namespace {

// A file is read and stored this much at a time: big enough for few calls,
// small enough that the pieces stay warm in the cache and that one piece
// of a big file takes about a millisecond where pages are first touched.
constexpr std::size_t kPiece = 1 << 18;
// The decoder may leave this many bytes for the next piece.
constexpr std::size_t kHeld = 8;

} // namespace

TFileLoader::TFileLoader(std::filesystem::path file, std::optional<TEncoding> forced)
    : file_(std::move(file)), in_(file_, std::ios::binary),
      decoder_(std::make_unique<TTextDecoder>(forced)), bytes_(kPiece + kHeld, '\0')
{
    std::error_code ec;
    if (!in_ || std::filesystem::is_directory(file_, ec))
        cannotRead();
    const auto size = std::filesystem::file_size(file_, ec);
    size_ = ec ? 0 : static_cast<std::int64_t>(size);
}

TFileLoader::~TFileLoader() = default;

void TFileLoader::cannotRead() const
{
    throw EFOpenError("File '" + file_.string() + "' cannot be opened for reading");
}

void TFileLoader::rewind()
{
    in_.clear();
    in_.seekg(0);
    if (!in_)
        cannotRead();
    held_ = 0;
    read_ = 0;
    ended_ = false;
}

bool TFileLoader::decodePiece()
{
    if (ended_)
        return false;
    in_.read(bytes_.data() + held_, static_cast<std::streamsize>(kPiece));
    const std::size_t got = static_cast<std::size_t>(in_.gcount());
    if (in_.bad())
        cannotRead();
    const bool last = !in_;
    read_ += static_cast<std::int64_t>(got);
    if (checked_ >= 0 && (read_ > checked_ || (last && read_ != checked_)))
        throw EFOpenError("File '" + file_.string() + "' changed while it was being read");
    const std::size_t have = held_ + got;
    std::size_t used = 0;
    try {
        used = decoder_->feed(std::string_view(bytes_.data(), have), last, text_);
        restarted_ = decoder_->startAgain();
        if (last && !restarted_)
            format_ = decoder_->format();
    } catch (const ETextDecode& why) {
        throw EFOpenError("File '" + file_.string() + "' cannot be opened as text: " + why.what());
    }
    if (restarted_) {
        // The encoding was guessed wrong: read again from the start.
        text_.clear();
        rewind();
        return true;
    }
    held_ = have - used;
    std::memmove(bytes_.data(), bytes_.data() + used, held_);
    ended_ = last;
    return true;
}

void TFileLoader::check()
{
    while (decodePiece()) {
        restarted_ = false;
        text_.clear();
    }
    // Every later piece decodes in the encoding found, as this pass did.
    decoder_ = std::make_unique<TTextDecoder>(format_->encoding);
    checked_ = read_;
    rewind();
}

bool TFileLoader::readPiece(TTextStore& store)
{
    if (!decodePiece())
        return false;
    if (restarted_) {
        restarted_ = false;
        store.clear();
        return true;
    }
    store.append(text_);
    text_.clear();
    return !ended_;
}

} // namespace tessaly::memo
