#include "memo/Normalise.h"

#include <algorithm>
#include <cstring>

namespace tessaly::memo {

void TNormaliser::feed(std::string_view text, std::string& out)
{
    const std::size_t old = out.size();
    out.resize(old + text.size());
    char* d = out.data() + old;
    const char* p = text.data();
    const char* const e = p + text.size();
    while (p < e) {
        // Runs of ordinary characters are copied as they are.
        const char* run = p;
        while (p < e && static_cast<unsigned char>(*p) >= 32)
            ++p;
        if (p > run) {
            std::memcpy(d, run, static_cast<std::size_t>(p - run));
            d += p - run;
            pending_ = 0;
        }
        if (p == e)
            break;
        const char ch = *p++;
        if (ch == '\r' || ch == '\n') {
            if (pending_ != 0 && pending_ != ch) {
                pending_ = 0; // second half of CR LF or LF CR
                continue;
            }
            *d++ = kCR;
            pending_ = ch;
            continue;
        }
        pending_ = 0;
        *d++ = ch == '\t' ? '\t' : '.';
    }
    out.resize(static_cast<std::size_t>(d - out.data()));
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

void appendCrLf(std::string& out, std::string_view stored)
{
    const char* p = stored.data();
    const char* const e = p + stored.size();
    while (p < e) {
        const char* cr = static_cast<const char*>(std::memchr(p, kCR, static_cast<std::size_t>(e - p)));
        if (!cr) {
            out.append(p, e);
            break;
        }
        out.append(p, cr + 1);
        out += kLF;
        p = cr + 1;
    }
}

std::string toCrLf(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size() + stored.size() / 16);
    appendCrLf(out, stored);
    return out;
}

} // namespace tessaly::memo
