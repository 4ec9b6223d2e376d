#include "app/WindowSettings.h"

#include "platform/IniFile.h"

namespace tessaly::app {

void TWindowSettings::read(const platform::TIniFile& ini)
{
    left = ini.readInteger("Position", "Left", 30);
    top = ini.readInteger("Position", "Top", 30);
    width = ini.readInteger("Position", "Width", 697);
    height = ini.readInteger("Position", "Height", 536);
    positionSaved = ini.valueExists("Position", "Left") && ini.valueExists("Position", "Top");
    show = ini.readString("Form", "MainForm", "") == "Maximized" ? TShow::maximized : TShow::normal;
    panelWidth = ini.readInteger("Form", "SP_Width", 200);
    descriptionHeight = ini.readInteger("Form", "SP_Height", 129);
    for (int i = 0; i < kViewCount; ++i) {
        const std::string v = ini.readString("View", kViewKeys[i], "true");
        views[i] = v == "true" ? std::optional(true) : v == "false" ? std::optional(false) : std::nullopt;
    }
}

void TWindowSettings::write(platform::TIniFile& ini) const
{
    if (show == TShow::maximized) {
        ini.writeString("Form", "MainForm", "Maximized");
    } else if (show == TShow::normal) {
        ini.writeString("Form", "MainForm", "Normal");
        ini.writeInteger("Position", "Left", left);
        ini.writeInteger("Position", "Top", top);
        ini.writeInteger("Position", "Width", width);
        ini.writeInteger("Position", "Height", height);
    }
    ini.writeInteger("Form", "SP_Width", panelWidth);
    ini.writeInteger("Form", "SP_Height", descriptionHeight);
    for (int i = 0; i < kViewCount; ++i)
        if (views[i])
            ini.writeString("View", kViewKeys[i], *views[i] ? "true" : "false");
}

} // namespace tessaly::app
