// Loading and saving. Loading normalises line breaks to single CR; a file is
// read in its own encoding and line-break style, and plain-text saves write
// them again (the Unix format always LF). Both clear the undo history.
#include "memo/SyntaxMemo.h"

#include "memo/AtomicFile.h"
#include "memo/FileLoader.h"
#include "memo/Normalise.h"
#include "memo/StyledExport.h"
#include "memo/TextCodec.h"

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
    loader_.reset();
    if (readOnlyByLoad_)
        readOnly_ = readOnlyByLoad_ = false;
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
    // The file is read, decoded and cut into records a piece at a time into
    // a store of its own, which replaces the document's once the file is
    // in: a refused file leaves the document as it was. A big file is
    // checked through first and replaces the document once its first part
    // is in; the rest follows in slices.
    auto loader = std::make_unique<TFileLoader>(file, forced);
    const bool sliced = loadFirstPart_ > 0 && loader->fileSize() > loadFirstPart_;
    TTextStore fresh;
    bool more = false;
    try {
        if (sliced)
            loader->check();
        while ((more = loader->readPiece(fresh)) && !(sliced && fresh.length().value() >= loadFirstPart_)) {
        }
    } catch (const std::bad_alloc&) {
        throw ESyntaxMemo("Not enough memory for operation");
    }
    const TTextFormat format = loader->format();
    loadWith([&] { store_ = std::move(fresh); });
    textFormat_ = format;
    undo_.clearUndo();
    if (hasOption(TSyntaxMemoOption::smoTitleAsFilename))
        printTitle_ = file.string();
    if (more) {
        loader_ = std::move(loader);
        slicedFrom_ = store_.length().value();
        backgroundChanged(true);
    }
}

void TSyntaxMemo::loadSlice(std::chrono::steady_clock::time_point deadline)
{
    const std::int64_t before = store_.length().value();
    bool more = true;
    std::string failure;
    try {
        // A piece is not begun when one more like the last would end past
        // the deadline.
        auto last = std::chrono::steady_clock::now();
        while (more) {
            more = loader_->readPiece(store_);
            const auto now = std::chrono::steady_clock::now();
            if (now + (now - last) > deadline)
                break;
            last = now;
        }
    } catch (const EFOpenError& why) {
        failure = why.what();
        more = false;
    } catch (const std::bad_alloc&) {
        failure = "Not enough memory for operation";
        more = false;
    }
    if (store_.length().value() > before)
        appended(before);
    if (more)
        return;
    loader_.reset();
    if (!failure.empty()) {
        // The file changed since it was checked, or memory ran out: what
        // was read stays, and it cannot be saved over the file by mistake.
        readOnly_ = readOnlyByLoad_ = true;
        changed(ckOptions);
        messages_->error(failure + ". Only the part read is shown, read-only.");
    }
    if (onTextChange && store_.length().value() > slicedFrom_)
        onTextChange(*this, slicedFrom_, store_.length().value() - slicedFrom_);
    changed(ckSize);
    backgroundChanged(true);
}

void TSyntaxMemo::appended(std::int64_t oldLength)
{
    const std::int64_t length = store_.length().value();
    const TRecordIndex from = store_.recordOf(TTextOffset(oldLength));
    widest_.textChanged(TTextOffset(oldLength), length - oldLength, hasOption(TSyntaxMemoOption::smoWordWrap));
    if (hasOption(TSyntaxMemoOption::smoWordWrap))
        reflowRange(store_.recordStart(from).value(), length);
    // With no pass the new records are scanned as after an edit, when the
    // change is notified.
    highlight_.appended(highlighter(), from);
    markChanged(from.value(), store_.recordCount().value() - 1);
    // The scroll range grows; the change hook hears once, at the end.
    view_->scrolled();
    notify();
}

void TSyntaxMemo::finishLoading()
{
    while (loader_)
        loadSlice(std::chrono::steady_clock::time_point::max());
}

void TSyntaxMemo::writeText(std::ostream& out)
{
    finishLoading();
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
    finishLoading();
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
