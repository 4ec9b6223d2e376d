#include "memo/SkipTables.h"

namespace tessaly::memo {

void TSkipTables::prepare(std::string_view text)
{
    if (!haveExact_ || text != exact_) {
        exact_ = std::string(text);
        haveExact_ = true;
        build(text, false, forwardExact_, backwardExact_);
        ++exactBuilds_;
    }
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(asciiUpper(static_cast<unsigned char>(c)));
    if (!haveUpper_ || upper != upper_) {
        upper_ = std::move(upper);
        haveUpper_ = true;
        build(upper_, true, forwardFolded_, backwardFolded_);
        ++foldedBuilds_;
    }
}

void TSkipTables::build(std::string_view text, bool fold, Table& forward, Table& backward)
{
    const auto length = static_cast<std::int32_t>(text.size());
    forward.fill(length);
    backward.fill(length);
    auto set = [fold](Table& table, unsigned char c, std::int32_t value) {
        table[c] = value;
        if (fold && c >= 'A' && c <= 'Z')
            table[c + 32] = value;
    };
    for (std::int32_t i = 0; i + 1 < length; ++i)
        set(forward, static_cast<unsigned char>(text[static_cast<std::size_t>(i)]), length - 1 - i);
    for (std::int32_t i = length - 1; i >= 1; --i)
        set(backward, static_cast<unsigned char>(text[static_cast<std::size_t>(i)]), i);
}

} // namespace tessaly::memo
