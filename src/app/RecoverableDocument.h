#pragma once

#include "app/RecoveryFile.h"

#include <cstdint>
#include <string>

namespace tessaly::app {

// What the recovery keeper reads of a document window. The text is read in
// ranges so a snapshot of a large document can be taken a slice at a time
// between events.
class TRecoverableDocument {
public:
    virtual bool modified() const = 0;
    // The document as a recovery record without its text: its name (empty
    // while untitled), language, caret and format; the keeper adds the
    // text, the time and the process.
    virtual TRecoveryRecord recoveryHeader() const = 0;
    // The length of the text in its stored form (a line break is one CR).
    virtual std::int64_t textLength() const = 0;
    // Appends the stored text of [start, end) to out.
    virtual void appendText(std::int64_t start, std::int64_t end, std::string& out) const = 0;
    // A value that changes whenever the text changes.
    virtual std::uint64_t textVersion() const = 0;
    // False while the end of the text is still being read from its file:
    // a copy taken then would miss it.
    virtual bool textComplete() const { return true; }
    // Reads the rest of the text at once.
    virtual void completeText() {}

protected:
    ~TRecoverableDocument() = default;
};

} // namespace tessaly::app
