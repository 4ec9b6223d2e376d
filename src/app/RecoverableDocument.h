#pragma once

#include "app/RecoveryFile.h"

namespace tessaly::app {

// What the recovery keeper reads of a document window.
class TRecoverableDocument {
public:
    virtual bool modified() const = 0;
    // The document as a recovery record: its name (empty while untitled),
    // language, caret, text and format; the keeper adds the time and the
    // process.
    virtual TRecoveryRecord recoveryRecord() const = 0;

protected:
    ~TRecoverableDocument() = default;
};

} // namespace tessaly::app
