#pragma once

#include "memo/Fenwick.h"
#include "memo/RecordColours.h"
#include "memo/Units.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessaly::memo {

// Record flag bits.
enum : std::uint16_t {
    kRecDecoration = 1u << 0,   // selection, bookmark or colour changed: repaint decoration
    kRecContentChanged = 1u << 1, // text or token values changed
    kRecHasTab = 1u << 2,       // the record contains a tab
    kRecForceHighlight = 1u << 4, // re-highlight this record even if values come out equal
    kRecHasTokens = 1u << 8,    // token values are present
};

// Bookmark word bit: this record continues the previous record.
inline constexpr std::uint16_t kContinuationBit = 1u << 12;
// Longest record an insertion makes: 2046 characters without CR plus one more.
inline constexpr int kMaxRecordLength = 2047;

// What a record carries besides its text.
struct TRecordMeta {
    std::uint16_t length = 0;    // bytes, the CR included
    std::uint16_t flags = 0;
    std::uint16_t bookmarks = 0; // bits 0..9 numbered bookmarks, bit 12 continuation
    std::uint16_t marks = 0;     // marks 1..16
    std::uint32_t endState = 0; // the parser's state signature at the record's end
    // Where a scan may resume inside this record (TResumePoints::pack), or
    // TResumePoints::kNone. Meaningful only while the record has values.
    std::uint32_t resume = 0xFFFFFFFFu;
};
// Every record pays for these: line colours, which few records have, are
// kept apart (TBlockColours).
static_assert(sizeof(TRecordMeta) == 16);

// The line store. Records (displayed lines) are kept in blocks of a few dozen;
// a block holds its records' text contiguously, so a record costs 16 bytes of
// bookkeeping beside its characters (its TRecordMeta; the few records with
// colours of their own pay for them in their block's TBlockColours). Two
// Fenwick trees over the blocks (text length, record count) find the record
// of an offset and the offset of a record in O(log n).
//
// Invariants: there is always at least one record; every record but the last
// ends in CR unless the next record carries the continuation bit; the last
// record never ends in CR (it is empty after a final line break); no record is
// longer than kMaxRecordLength characters.
class TTextStore {
public:
    TTextStore();

    // The offset just past the last character.
    TTextOffset length() const { return TTextOffset(length_); }
    // One past the last record (so also the number of records).
    TRecordIndex recordCount() const { return TRecordIndex(records_); }

    // Offset of the first character of record rec (0 <= rec <= recordCount()).
    TTextOffset recordStart(TRecordIndex rec) const;
    // The record holding offset: the one with start <= offset < start + length;
    // the last record for offset == length().
    TRecordIndex recordOf(TTextOffset offset) const;

    std::string_view recordText(TRecordIndex rec) const;
    // Token values of the record, empty when it has none.
    std::string_view recordTokens(TRecordIndex rec) const;
    void setRecordTokens(TRecordIndex rec, std::string_view values);
    void dropRecordTokens(TRecordIndex rec);
    // Forgets the token values of every record.
    void dropAllTokens();

    const TRecordMeta& meta(TRecordIndex rec) const;
    TRecordMeta& meta(TRecordIndex rec);
    // The record's own colours; they travel with it as its bookmarks do.
    TLineColours colours(TRecordIndex rec) const;
    void setColours(TRecordIndex rec, const TLineColours& colours);

    // Copies the text of [start, end) in the store's form.
    std::string text(TTextOffset start, TTextOffset end) const;
    // Length in bytes of [start, end) once every CR is written as CR LF.
    std::int64_t crLfLength(TTextOffset start, TTextOffset end) const;

    // Replaces records first..last (inclusive) by the records cut from text.
    // The first new record keeps the meta of record first (its continuation
    // bit, bookmarks, marks and colours); the others start clean. Returns the
    // number of records made. endOfDocument says whether last is the last
    // record (a trailing CR then gets an empty record after it).
    std::int64_t replaceRecords(TRecordIndex first, TRecordIndex last, std::string_view text);
    // As replaceRecords, cutting text into records of the given lengths
    // (word wrap decides them); a record that follows one not ending in CR
    // gets the continuation bit. The lengths must add up to text's size.
    std::int64_t replaceRecords(TRecordIndex first, TRecordIndex last, std::string_view text,
                                const std::vector<std::size_t>& pieceLengths);

    // Inserts one character c (not CR) at column col of record rec in place.
    void insertCharInPlace(TRecordIndex rec, int col, char c);

    // Empties the store (one empty record).
    void clear();
    // Appends text (already in the store's form) at the end, fast: loading
    // goes through here.
    void append(std::string_view text);
    // The contiguous stored text around offset (a block of records) and the
    // offset of its first character; empty outside the text.
    std::pair<TTextOffset, std::string_view> blockAt(TTextOffset offset) const;
    // Calls f with the text of [start, end) in consecutive pieces.
    void pieces(TTextOffset start, TTextOffset end, const std::function<void(std::string_view)>& f) const;

    // Longest record length, computed on demand.
    int longestRecord() const;

    // Debug check of every invariant; returns an empty string when all hold.
    std::string check() const;

    // Changes with every change of the text (not of token values or meta).
    // No two stores share a value unless one is a copy of the other, so a
    // reader copying the text in steps can tell whether it is still the same
    // text, even after a load swapped in a fresh store.
    std::uint64_t version() const { return version_; }

    // Position of a record: block index and index inside it.
    struct Loc {
        std::size_t block;
        std::size_t index;
    };
    Loc locate(TRecordIndex rec) const;

    // Reads the records from one on, each in turn, without a look-up per
    // record. Started at the first record it touches nothing but the
    // records it reads, so another thread may read records whose values are
    // final while a highlighting pass writes later ones. The text must not
    // change during the walk.
    class RecordReader;
    // A reader that also writes each record's values and meta in turn
    // (highlighting stores every record's values this way).
    class RecordWalker;

private:
    struct Block {
        std::string text;
        std::string tokens; // empty, or one value per byte of text
        std::vector<TRecordMeta> recs;
        TBlockColours colours; // nothing, or one entry per record
    };

    // The last record looked up: most operations ask several questions about
    // the same record in a row. Valid while version_ is unchanged.
    struct Cache {
        std::int64_t rec = -1;
        Loc loc{0, 0};
        std::int64_t start = 0;
        std::size_t inBlock = 0;
        std::uint64_t version = 0;
    };
    const Cache& cached(std::int64_t rec) const;
    void fillCache(std::int64_t rec, Loc loc, std::int64_t start, std::size_t inBlock) const;
    static std::uint64_t nextVersion();
    void mutated() { version_ = nextVersion(); }

    std::size_t offsetInBlock(const Block& b, std::size_t index) const;
    void rebuildIndex() const;
    void ensureIndex() const
    {
        if (indexDirty_)
            rebuildIndex();
    }
    void splitIfLarge(std::size_t block);
    void structureChanged()
    {
        indexDirty_ = true;
        version_ = nextVersion();
    }
    static void cut(std::string_view text, bool endOfDocument, std::vector<TRecordMeta>& out);
    static void cutInto(std::string_view text, const std::vector<std::size_t>& lengths, bool endOfDocument,
                        std::vector<TRecordMeta>& out);
    // Set while the overload with piece lengths runs.
    const std::vector<std::size_t>* pieceLengths_ = nullptr;

    std::vector<Block> blocks_;
    std::int64_t length_ = 0;
    std::int64_t records_ = 0;
    mutable TFenwick lenIndex_;
    mutable TFenwick recIndex_;
    mutable bool indexDirty_ = true;
    mutable int longest_ = -1;
    std::uint64_t version_ = nextVersion();
    mutable Cache cache_;
};

class TTextStore::RecordReader {
public:
    // From the first record.
    explicit RecordReader(const TTextStore& store) : store_(store), rec_(0), loc_{0, 0}, inBlock_(0)
    {
        if (block().recs.empty())
            nextBlock();
    }
    // From record rec (looked up through the store's shared cache).
    RecordReader(const TTextStore& store, TRecordIndex rec);

    TRecordIndex record() const { return TRecordIndex(rec_); }
    const TRecordMeta& meta() const { return block().recs[loc_.index]; }
    std::string_view text() const { return std::string_view(block().text).substr(inBlock_, meta().length); }
    // The record's token values, empty when it has none.
    std::string_view tokens() const
    {
        const Block& b = block();
        const TRecordMeta& m = b.recs[loc_.index];
        if (!(m.flags & kRecHasTokens) || b.tokens.empty())
            return {};
        return std::string_view(b.tokens).substr(inBlock_, m.length);
    }
    // Moves to the next record; false when there is none.
    bool next()
    {
        if (rec_ + 1 >= store_.records_)
            return false;
        ++rec_;
        inBlock_ += block().recs[loc_.index].length;
        if (++loc_.index >= block().recs.size())
            nextBlock();
        return true;
    }

protected:
    const Block& block() const { return store_.blocks_[loc_.block]; }
    void nextBlock();

    const TTextStore& store_;
    std::int64_t rec_;
    Loc loc_;
    std::size_t inBlock_;
};

class TTextStore::RecordWalker : public RecordReader {
public:
    RecordWalker(TTextStore& store, TRecordIndex rec)
        : RecordReader(store, rec)
        , writable_(store)
    { }
    TRecordMeta& meta() { return writable_.blocks_[loc_.block].recs[loc_.index]; }
    // Sets the record's token values (missing ones are 0).
    void setTokens(std::string_view values);

private:
    TTextStore& writable_;
};

} // namespace tessaly::memo
