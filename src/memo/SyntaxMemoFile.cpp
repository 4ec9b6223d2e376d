// Loading and saving. Loading normalises line breaks to single CR; a file is
// read in its own encoding and line-break style, and plain-text saves write
// them again (the Unix format always LF). Both clear the undo history.
#include "memo/SyntaxMemo.h"

#include "memo/AtomicFile.h"
#include "memo/Normalise.h"
#include "memo/StyledExport.h"
#include "memo/TextCodec.h"
#include "memo/TextDecoder.h"

#include <ctime>

#include <cstring>
#include <fstream>
#include <sstream>
#include <istream>
#include <limits>
#include <new>
#include <ostream>

namespace tessaly::memo {

namespace {

constexpr std::size_t kLoadChunk = 1 << 16;
// A file is read and stored this much at a time: big enough for few calls,
// small enough that the pieces stay warm in the cache.
constexpr std::size_t kFileChunk = 1 << 20;

std::string currentDateText()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[64];
    std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &local);
    return buf;
}

} // namespace

void TSyntaxMemo::loadNormalised(std::istream& in)
{
    store_.clear();
    std::string raw(kLoadChunk, '\0');
    std::string norm;
    TNormaliser normaliser;
    while (in) {
        in.read(raw.data(), static_cast<std::streamsize>(kLoadChunk));
        const std::size_t got = static_cast<std::size_t>(in.gcount());
        if (got == 0)
            break;
        norm.clear();
        normaliser.feed(std::string_view(raw.data(), got), norm);
        store_.append(norm);
    }
}

void TSyntaxMemo::loadFromStream(std::istream& in)
{
    loadWith([&] { loadNormalised(in); });
}

void TSyntaxMemo::loadWith(const std::function<void()>& fill)
{
    undo_.clearUndo();
    const bool wasRedraw = redraw_;
    redraw_ = false;
    const std::int64_t oldLength = store_.length().value();
    try {
        fill();
    } catch (const std::bad_alloc&) {
        store_.clear();
        anchor_ = caret_ = 0;
        redraw_ = wasRedraw;
        throw ESyntaxMemo("Not enough memory for operation");
    }
    if (oldLength > 0)
        textChanged(0, 0);
    if (store_.length().value() > 0)
        textChanged(0, store_.length().value());
    if (hasOption(TSyntaxMemoOption::smoWordWrap))
        reflowRange(0, store_.length().value());
    anchor_ = caret_ = 0;
    preferredColumn_ = -1;
    topLine_ = 0;
    leftColumn_ = 0;
    // A big document shows its first page highlighted at once and gets the
    // rest in a background pass; any other is highlighted in full.
    highlight_.reset();
    if (!startPass()) {
        store_.meta(TRecordIndex(0)).flags |= kRecForceHighlight;
        markChanged(0);
    } else if (store_.recordCount().value() > widest_.fullMeasureUpTo()) {
        // The pass measures the widest line too, so the first page does
        // not wait for every record to be measured.
        widest_.measureInBackground(widthRule().layout, store_.longestRecord());
    }
    view_->scrolled();
    redraw_ = wasRedraw;
    undo_.clearUndo();
    changeKinds_ |= ckText | ckSelection;
    notify();
    view_->repaintAll();
}

void TSyntaxMemo::loadFromFile(const std::filesystem::path& file, std::optional<TEncoding> forced)
{
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    if (!in || std::filesystem::is_directory(file, ec))
        throw EFOpenError("File '" + file.string() + "' cannot be opened for reading");
    // The file is read, decoded and cut into records a piece at a time into
    // a store of its own, which replaces the document's only when the whole
    // file is in: a refused file leaves the document as it was, and no copy
    // of the whole file is ever made beside the store.
    TTextStore fresh;
    TTextFormat format;
    try {
        TTextDecoder decoder(forced);
        // A piece's last bytes that the decoder could not use yet (part of
        // a character or a line break) lead the next piece.
        std::string bytes(kFileChunk + 8, '\0');
        std::string text;
        std::size_t held = 0;
        while (true) {
            in.read(bytes.data() + held, static_cast<std::streamsize>(kFileChunk));
            const std::size_t got = static_cast<std::size_t>(in.gcount());
            if (in.bad())
                throw EFOpenError("File '" + file.string() + "' cannot be opened for reading");
            const bool last = !in;
            const std::size_t have = held + got;
            const std::size_t used = decoder.feed(std::string_view(bytes.data(), have), last, text);
            if (decoder.startAgain()) {
                // The encoding was guessed wrong: read again from the start.
                in.clear();
                in.seekg(0);
                if (!in)
                    throw EFOpenError("File '" + file.string() + "' cannot be opened for reading");
                fresh.clear();
                text.clear();
                held = 0;
                continue;
            }
            held = have - used;
            std::memmove(bytes.data(), bytes.data() + used, held);
            fresh.append(text);
            text.clear();
            if (last)
                break;
        }
        format = decoder.format();
    } catch (const ETextDecode& why) {
        throw EFOpenError("File '" + file.string() + "' cannot be opened as text: " + why.what());
    } catch (const std::bad_alloc&) {
        throw ESyntaxMemo("Not enough memory for operation");
    }
    loadWith([&] { store_ = std::move(fresh); });
    textFormat_ = format;
    undo_.clearUndo();
    if (hasOption(TSyntaxMemoOption::smoTitleAsFilename))
        printTitle_ = file.string();
}

void TSyntaxMemo::writeText(std::ostream& out)
{
    ++paintLock_;
    struct Unlock {
        int& lock;
        ~Unlock() { --lock; }
    } unlock{paintLock_};
    if (saveFormat_ == TSaveFormat::sfRTF || saveFormat_ == TSaveFormat::sfHTML)
        finishHighlight();
    if (styledWriter && (saveFormat_ == TSaveFormat::sfRTF || saveFormat_ == TSaveFormat::sfHTML)) {
        styledWriter(*this, out, saveFormat_);
    } else if (saveFormat_ == TSaveFormat::sfRTF) {
        const std::string rtf = writeRtf(*this, 0, store_.length().value());
        out.write(rtf.data(), static_cast<std::streamsize>(rtf.size()));
    } else if (saveFormat_ == TSaveFormat::sfHTML) {
        writeHtml(*this, out, currentDateText());
    } else {
        // Runs between line breaks go out as they are; each stored CR is
        // written as CR LF (or LF alone for the Unix format).
        const bool unix = saveFormat_ == TSaveFormat::sfUNIX;
        const std::string_view lineEnd = unix ? std::string_view("\n") : std::string_view("\r\n");
        store_.pieces(TTextOffset(0), store_.length(), [&](std::string_view piece) {
            const char* p = piece.data();
            const char* const e = p + piece.size();
            while (p < e) {
                const char* cr = static_cast<const char*>(std::memchr(p, kCR, static_cast<std::size_t>(e - p)));
                const char* stop = cr ? cr : e;
                out.write(p, stop - p);
                if (!cr)
                    break;
                out.write(lineEnd.data(), static_cast<std::streamsize>(lineEnd.size()));
                p = cr + 1;
            }
        });
    }
}

// The history is cleared only once the text is safely written: a failed save
// leaves the document modified.
void TSyntaxMemo::saveToStream(std::ostream& out)
{
    writeText(out);
    if (out)
        undo_.clearUndo();
}

void TSyntaxMemo::saveToFile(const std::filesystem::path& file)
{
    if (saveFormat_ == TSaveFormat::sfTEXT || saveFormat_ == TSaveFormat::sfUNIX) {
        // Encoded in full first: a character the encoding cannot hold stops
        // the save before the file is touched.
        TTextFormat format = textFormat_;
        if (saveFormat_ == TSaveFormat::sfUNIX)
            format.lineEnd = TLineEnd::lf;
        const std::string bytes = encodeText(textRange(0, store_.length().value()), format);
        writeFileAtomically(file, [&bytes](std::ostream& out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        });
        // The file now has one kind of line break.
        textFormat_.mixedLineEnds = false;
    } else {
        writeFileAtomically(file, [this](std::ostream& out) { writeText(out); });
    }
    undo_.clearUndo();
    if (hasOption(TSyntaxMemoOption::smoTitleAsFilename))
        printTitle_ = file.string();
}

} // namespace tessaly::memo
