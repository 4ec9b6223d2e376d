#include "memo/Normalise.h"

namespace tessaly::memo {

void TNormaliser::feed(std::string_view text, std::string& out)
{
    out.reserve(out.size() + text.size());
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c == '\r' || c == '\n') {
            if (pending_ != 0 && pending_ != ch) {
                pending_ = 0; // second half of CR LF or LF CR
                continue;
            }
            out += kCR;
            pending_ = ch;
            continue;
        }
        pending_ = 0;
        if (c >= 32 || c == '\t')
            out += ch;
        else
            out += '.';
    }
}

void normaliseInto(std::string_view text, std::string& out)
{
    TNormaliser n;
    n.feed(text, out);
}

std::string normalise(std::string_view text)
{
    std::string out;
    normaliseInto(text, out);
    return out;
}

std::string toCrLf(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size() + stored.size() / 32);
    for (char c : stored) {
        out += c;
        if (c == kCR)
            out += kLF;
    }
    return out;
}

} // namespace tessaly::memo
