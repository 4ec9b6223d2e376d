#pragma once

#include <stdexcept>
#include <string>

namespace tessaly::parser {

// Raised by TCompressor and its codecs; what() is one of the texts below,
// for the file variants followed by the file name.
class ECompressorException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace compressor_messages {

inline constexpr const char* kNoMemory =
    "Compressor (de)compression : Failed to get memory for I/O buffers !";
inline constexpr const char* kInitInputStream =
    "Compressor (de)compression : Failed to initialize input stream !";
inline constexpr const char* kInitOutputStream =
    "Compressor (de)compression : Failed to initialize output stream !";
inline constexpr const char* kOpenInputFile =
    "Compressor (de)compression : Failed to open input file : ";
inline constexpr const char* kOpenOutputFile =
    "Compressor (de)compression : Failed to open output file : ";

inline constexpr const char* kWriteStream = "Compressor : Error writing to output stream !";
inline constexpr const char* kWriteFile = "Compressor : Error writing to output file : ";
inline constexpr const char* kReadStream = "Compressor : Error reading from input stream !";
inline constexpr const char* kReadFile = "Compressor : Error reading from input file : ";
inline constexpr const char* kReadBlock =
    "Compressor : Error reading from input stream ! (Compressor/KH)";
inline constexpr const char* kReadLzhuf = "Compressor : Error reading from input stream ! (LZH)";

inline constexpr const char* kInputSize =
    "Compressor compression : Failed to obtain the size of the input stream !";
inline constexpr const char* kNoHeader =
    "Compressor decompression : input stream contains no valid header !";
inline constexpr const char* kBlockSizeMismatch =
    "Compressor (decompression Compressor/KH) : Original and compressed sizes do not match !";
inline constexpr const char* kLzhufSizeMismatch =
    "Compressor (LZH decompression) : Original and compressed sizes do not match !";

inline constexpr const char* kAdviseMemory = "Compressor advise : Error getting I/O buffers";
inline constexpr const char* kAdviseSize = "Compressor advise : can not get size of inputstream !";
inline constexpr const char* kAdviseRead = "Compressor advise : input stream read error !";

} // namespace compressor_messages

} // namespace tessaly::parser
