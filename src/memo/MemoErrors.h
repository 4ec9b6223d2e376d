#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::memo {

// Errors raised by the editor engine. Each carries the text a user sees.
class ESyntaxMemo : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be opened for reading.
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file could not be created or written; the old file is left as it was.
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file exists but the user may not write it: saving would have replaced
// a file the user cannot change. Nothing was written.
class EFWriteDenied : public EFCreateError {
public:
    using EFCreateError::EFCreateError;
};

// A write to a read-only stream.
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file's bytes cannot be shown as text without losing some of them (NUL
// bytes of a binary file, UTF-16 with an odd number of bytes). The text says why.
class ETextDecode : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text holds a character that the chosen encoding has no bytes for.
// Nothing was written.
class ETextEncode : public EFCreateError {
public:
    using EFCreateError::EFCreateError;
};

} // namespace tessaly::memo
