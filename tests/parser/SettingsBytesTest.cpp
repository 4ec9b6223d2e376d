// The settings record's stored bytes: colours go out and come back bit for
// bit, system colours and markers (top bit set) included.
#include "parser/Settings.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::parser {
namespace {

using memo::TColor;

// Little-endian bytes of the 32-bit values, as written by hand.
std::string le(std::initializer_list<std::uint32_t> values)
{
    std::string out;
    for (std::uint32_t v : values)
        for (int i = 0; i < 4; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

TEST(SettingsBytes, ColoursKeepTheirStoredBytes)
{
    TSM_Settings s;
    s.exampleText.clear();
    s.languageName.clear();
    s.wrapOverride.clear();
    s.marginColour = TColor::fromRgb(0x33, 0x22, 0x11);
    s.selTextBack = TColor::none();
    TSM_Style st;
    st.fontStyle = kBold;
    st.foreground = TColor::fromRgb(0xFF, 0, 0);
    st.background = TColor::fromStored(0x80000005); // the window background
    st.ownColours = true;
    s.styles[1] = st;

    TableWriter w;
    s.write(w);
    const std::string expected = le({0, 0, 0}) // three empty texts
        + le({67099632, 2, 80, 80, 34, 1}) // options, margin, right margin, wrap column, gutter, indent
        + le({0x00112233, 0x8000000F, 0x00FFFFFF, 0xFF000000}) // margin, gutter, selection text and back
        + le({4, 1}) // default tab width, one style
        + std::string("\x01\x01", 2) + le({0x000000FF, 0x80000005}) + std::string("\x01\x00\x00", 3) + le({0});
    ASSERT_GE(w.data().size(), expected.size());
    EXPECT_EQ(w.data().substr(0, expected.size()), expected);

    TableReader r(w.data());
    const TSM_Settings back = TSM_Settings::read(r);
    EXPECT_EQ(back, s);
    TableWriter again;
    back.write(again);
    EXPECT_EQ(again.data(), w.data());
}

} // namespace
} // namespace tessaly::parser
