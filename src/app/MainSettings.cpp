// The settings file: the main window's place and state, the Script Panel's
// sizes and which toolbars and panels are shown (the live preview too).
// Read at start, written at exit, key by key in a fixed order.
#include "app/MainForm.h"

#include "app/DocumentHistory.h"
#include "app/ScriptPanel.h"
#include "platform/IniFile.h"

#include <QSplitter>
#include <QToolBar>

namespace tessaly::app {

const TMainForm::ViewSwitch TMainForm::kViewSwitches[4] = {
    {"Main Toolbar", &TMainForm::mainToolbarItem_, &TMainForm::mainToolbarClick},
    {"JavaScript Toolbar", &TMainForm::scriptToolbarItem_, &TMainForm::scriptToolbarClick},
    {"HTML Toolbar", &TMainForm::htmlToolbarItem_, &TMainForm::htmlToolbarClick},
    {"Script Panel", &TMainForm::scriptPanelItem_, &TMainForm::setScriptPanelShown},
};

void TMainForm::applySettings(const platform::TIniFile& ini)
{
    const int left = ini.readInteger("Position", "Left", 30);
    const int top = ini.readInteger("Position", "Top", 30);
    const int w = ini.readInteger("Position", "Width", 697);
    const int h = ini.readInteger("Position", "Height", 536);
    positionSaved_ = ini.valueExists("Position", "Left") && ini.valueExists("Position", "Top");
    move(left, top);
    resize(std::max(w, 100), std::max(h, 80));
    if (ini.readString("Form", "MainForm", "") == "Maximized")
        setWindowState(windowState() | Qt::WindowMaximized);
    scriptPanel_->setPanelWidth(ini.readInteger("Form", "SP_Width", 200));
    if (shownOnce_)
        splitIt_->setSizes({scriptPanel_->panelWidth(), std::max(100, width() - scriptPanel_->panelWidth())});
    scriptPanel_->setDescriptionHeight(ini.readInteger("Form", "SP_Height", 129));
    history_->load(ini);

    for (const ViewSwitch& k : kViewSwitches) {
        const std::string v = ini.readString("View", k.key, "true");
        if (v != "true" && v != "false")
            continue; // anything else leaves the control as it is
        (this->*k.show)(v == "true");
    }
    preview_->load(ini);
}

void TMainForm::writeSettings(platform::TIniFile& ini)
{
    ini.beginUpdate();
    // A minimised window writes neither its state nor its place.
    if (isMinimized()) {
    } else if (isMaximized()) {
        // The position keys keep the last normal place.
        ini.writeString("Form", "MainForm", "Maximized");
    } else {
        ini.writeString("Form", "MainForm", "Normal");
        ini.writeInteger("Position", "Left", x());
        ini.writeInteger("Position", "Top", y());
        ini.writeInteger("Position", "Width", width());
        ini.writeInteger("Position", "Height", height());
    }
    if (!scriptPanel_->isHidden() && shownOnce_)
        scriptPanel_->setPanelWidth(splitIt_->sizes().value(0, scriptPanel_->panelWidth()));
    ini.writeInteger("Form", "SP_Width", scriptPanel_->panelWidth());
    ini.writeInteger("Form", "SP_Height", scriptPanel_->descriptionHeight());
    syncToolbarChecks();
    for (const ViewSwitch& k : kViewSwitches)
        ini.writeString("View", k.key, (this->*k.item)->isChecked() ? "true" : "false");
    preview_->save(ini);
    history_->save(ini);
    ini.endUpdate();
}

} // namespace tessaly::app
