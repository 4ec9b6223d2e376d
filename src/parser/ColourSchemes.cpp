#include "parser/ColourSchemes.h"

#include <algorithm>
#include <cmath>

namespace tessaly::parser {

namespace {

constexpr std::uint32_t kDarkPage = 0x1E1E1E;
constexpr std::uint32_t kDarkGutter = 0x2D2D2D;
constexpr std::uint32_t kDarkSelBack = 0x784F26; // a deep blue (0x264F78 as RGB)
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr double kMinContrast = 4.5;

int channel(std::uint32_t c, int shift)
{
    return static_cast<int>((c >> shift) & 0xFF);
}

double linear(int v)
{
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double luminance(std::uint32_t c)
{
    return 0.2126 * linear(channel(c, 0)) + 0.7152 * linear(channel(c, 8)) + 0.0722 * linear(channel(c, 16));
}

std::uint32_t mix(std::uint32_t from, std::uint32_t to, double t)
{
    std::uint32_t out = 0;
    for (int shift : {0, 8, 16}) {
        const double v = channel(from, shift) + (channel(to, shift) - channel(from, shift)) * t;
        out |= static_cast<std::uint32_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255)) << shift;
    }
    return out;
}

// The colour itself when it reads well on a dark page, else the colour
// mixed towards white just far enough (a little further, for rounding).
std::uint32_t readableOnDark(std::uint32_t colour)
{
    colour &= 0xFFFFFF;
    for (int step = 0; step <= 20; ++step) {
        const std::uint32_t c = mix(colour, kWhite, step / 20.0);
        if (contrastRatio(c, kDarkPage) >= kMinContrast + 0.1)
            return c;
    }
    return kWhite;
}

} // namespace

std::vector<std::string> colourSchemeNames()
{
    return {"Classic", "Dark"};
}

double contrastRatio(std::uint32_t a, std::uint32_t b)
{
    const double la = luminance(a & 0xFFFFFF);
    const double lb = luminance(b & 0xFFFFFF);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::uint32_t paintedBackground(const TSM_Settings& s, const TSM_Style& style)
{
    if (style.ownColours)
        return style.background;
    if (s.styles[0] && s.styles[0]->ownColours)
        return s.styles[0]->background;
    return kWhite;
}

void applyColourScheme(const std::string& name, const TSM_Settings& builtin, TSM_Settings& settings)
{
    if (name == "Classic") {
        for (std::size_t i = 0; i < settings.styles.size(); ++i) {
            if (!builtin.styles[i]) {
                settings.styles[i].reset();
                continue;
            }
            TSM_Style st = *builtin.styles[i];
            if (settings.styles[i])
                st.fontStyle = settings.styles[i]->fontStyle;
            settings.styles[i] = st;
        }
        settings.gutterColour = builtin.gutterColour;
        settings.selTextColour = builtin.selTextColour;
        settings.selTextBack = builtin.selTextBack;
        return;
    }
    if (name != "Dark")
        return;
    if (!settings.styles[0])
        settings.styles[0] = TSM_Style{};
    for (auto& style : settings.styles) {
        if (!style)
            continue;
        // Text that was drawn black on white becomes light grey; coloured
        // text keeps its hue, lightened until it reads well.
        const std::uint32_t fg = (style->foreground & 0xFFFFFF) == 0 ? 0xD4D4D4 : style->foreground;
        style->foreground = readableOnDark(fg & 0x80000000 ? 0xD4D4D4 : fg);
        style->background = kDarkPage;
        style->ownColours = true;
    }
    settings.gutterColour = kDarkGutter;
    settings.selTextColour = kWhite;
    settings.selTextBack = kDarkSelBack;
}

} // namespace tessaly::parser
