#include "parser/ColourSchemes.h"

#include <algorithm>
#include <cmath>

namespace tessaly::parser {

namespace {

using memo::TColor;

constexpr TColor kDarkPage = TColor::fromRgb(0x1E, 0x1E, 0x1E);
constexpr TColor kDarkGutter = TColor::fromRgb(0x2D, 0x2D, 0x2D);
constexpr TColor kDarkSelBack = TColor::fromRgb(0x26, 0x4F, 0x78); // a deep blue
constexpr TColor kLightText = TColor::fromRgb(0xD4, 0xD4, 0xD4);
constexpr TColor kWhite = TColor::fromRgb(0xFF, 0xFF, 0xFF);
constexpr double kMinContrast = 4.5;

double linear(int v)
{
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double luminance(TColor c)
{
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

std::uint8_t mixChannel(int from, int to, double t)
{
    const double v = from + (to - from) * t;
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
}

TColor mix(TColor from, TColor to, double t)
{
    return TColor::fromRgb(mixChannel(from.red(), to.red(), t), mixChannel(from.green(), to.green(), t),
                           mixChannel(from.blue(), to.blue(), t));
}

// The colour itself when it reads well on a dark page, else the colour
// mixed towards white just far enough (a little further, for rounding).
TColor readableOnDark(TColor colour)
{
    for (int step = 0; step <= 20; ++step) {
        const TColor c = mix(colour, kWhite, step / 20.0);
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

double contrastRatio(TColor a, TColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor paintedBackground(const TSM_Settings& s, const TSM_Style& style)
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
        // Text that was drawn black on white, or in a system colour, becomes
        // light grey; coloured text keeps its hue, lightened until it reads
        // well. The stored value's top bit marks a system colour.
        const TColor fg = style->foreground;
        const bool hue = (fg.stored() & 0x80000000u) == 0 && (fg.stored() & 0xFFFFFFu) != 0;
        style->foreground = readableOnDark(hue ? TColor::fromStored(fg.stored() & 0xFFFFFFu) : kLightText);
        style->background = kDarkPage;
        style->ownColours = true;
    }
    settings.gutterColour = kDarkGutter;
    settings.selTextColour = kWhite;
    settings.selTextBack = kDarkSelBack;
}

} // namespace tessaly::parser
