#pragma once

#include "app/FormatDocument.h"

namespace tessaly::app {

// What the File commands read and do of a document window, beyond its
// format: whether Save must ask for a name, and the write itself.
class TFileDocument : public TFormatDocument {
public:
    // An untitled document, or one whose file could not be loaded.
    virtual bool needsName() const = 0;
    // Writes the text; throws the engine's file error on failure, when the
    // document stays modified.
    virtual void saveToFile(const std::filesystem::path& file) = 0;

protected:
    ~TFileDocument() = default;
};

} // namespace tessaly::app
