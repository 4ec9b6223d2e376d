#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace tessaly::memo {

// One entry of the undo history.
struct TUndoItem {
    enum Kind : std::int32_t {
        kSelection = 0, // data = anchor, data2 = caret
        kText = 1,      // text (line breaks as single CR), or none
        kStream = 4,    // text held as a stream (from a stream insertion)
        kMarker = 5,    // data = id, value = bracket type
    };
    // Bracket types of markers.
    enum Bracket : std::int32_t {
        kTransaction = 0, // data = transaction type
        kGroupOpen = 2,   // data = group id
        kGroupClose = 3,
    };

    std::int32_t value = 0;
    std::int32_t kind = kSelection;
    std::int64_t data = 0;
    std::int64_t data2 = 0;
    std::unique_ptr<std::string> text; // kinds 1 and 4; null means "no text"

    static TUndoItem selection(std::int64_t anchor, std::int64_t caret)
    {
        TUndoItem i;
        i.kind = kSelection;
        i.data = anchor;
        i.data2 = caret;
        return i;
    }
    static TUndoItem marker(std::int64_t id, std::int32_t bracket)
    {
        TUndoItem i;
        i.kind = kMarker;
        i.data = id;
        i.value = bracket;
        return i;
    }
    static TUndoItem textItem(std::int32_t kind, std::unique_ptr<std::string> text)
    {
        TUndoItem i;
        i.kind = kind;
        i.text = std::move(text);
        return i;
    }

    // Bytes this item is accounted with, besides its node: 16 for the item
    // plus its text, or its stream and the stream object.
    std::int32_t accountedSize() const
    {
        std::int64_t s = 16;
        if (text)
            s += static_cast<std::int64_t>(text->size()) + (kind == kStream ? kStreamObjectSize : 0);
        return static_cast<std::int32_t>(s > INT32_MAX ? INT32_MAX : s);
    }
    static constexpr std::int64_t kStreamObjectSize = 32;
};

// Transaction types.
inline constexpr std::int32_t kTransText = 1;
inline constexpr std::int32_t kTransStream = 4;

// Undo group ids.
enum TUndoGroup : std::int32_t {
    ugDrop = 11,
    ugTyping = 12,
    ugDeleteChar = 13,
    ugPaste = 14,
    ugCut = 15,
    ugTemplate = 16,
    ugIndent = 17,
    ugUnindent = 18,
    ugDeleteWord = 19,
    ugReplaceAll = 20,
    ugReplaceSel = 21,
    ugEnter = 22,
};

} // namespace tessaly::memo
