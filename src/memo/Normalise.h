#pragma once

#include <string>
#include <string_view>

namespace tessaly::memo {

inline constexpr char kCR = '\r';
inline constexpr char kLF = '\n';

// Rewrites text into the store's form: CR LF, LF CR, a lone LF and a lone CR
// each become one CR; tab is kept; every other byte below 32 becomes '.';
// bytes from 32 up are kept. The state carries a pending line-end character
// across pieces, so a text fed in pieces gives what it gives in one.
class TNormaliser {
public:
    void feed(std::string_view text, std::string& out);

private:
    char pending_ = 0; // the line-end character just emitted, waiting for its partner
};

void normaliseInto(std::string_view text, std::string& out);
std::string normalise(std::string_view text);

// The store's form written with CR LF line ends (as SelText and saving give it).
std::string toCrLf(std::string_view stored);
// Appends stored text to out in that form.
void appendCrLf(std::string& out, std::string_view stored);

} // namespace tessaly::memo
