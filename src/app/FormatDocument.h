#pragma once

#include "memo/TextFormat.h"

#include <filesystem>
#include <optional>

class QString;

namespace tessaly::app {

// What the text-format commands read and change of a document window: its
// name, its file and the encoding and line breaks it is saved in.
class TFormatDocument {
public:
    virtual QString caption() const = 0;
    virtual bool untitled() const = 0;
    virtual bool modified() const = 0;
    virtual std::filesystem::path path() const = 0;
    virtual const memo::TTextFormat& textFormat() const = 0;
    virtual void setEncoding(memo::TEncoding encoding) = 0;
    virtual void setLineEnd(memo::TLineEnd lineEnd) = 0;
    // Reads the file again (in the forced encoding); throws on failure, when
    // the text stays as it was.
    virtual void loadFromFile(const std::filesystem::path& file, std::optional<memo::TEncoding> forced) = 0;
    virtual void setLoadFailed(bool failed) = 0;

protected:
    ~TFormatDocument() = default;
};

} // namespace tessaly::app
