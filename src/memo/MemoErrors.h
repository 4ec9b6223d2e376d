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

} // namespace tessaly::memo
