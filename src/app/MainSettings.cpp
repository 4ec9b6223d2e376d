// The main window's settings: TWindowSettings reads and writes the keys;
// here they are applied to the window and gathered from it, with the parts
// that keep settings of their own (the live preview, the history).
#include "app/MainForm.h"

#include "app/DocumentHistory.h"
#include "app/ScriptPanel.h"
#include "app/WindowSettings.h"
#include "platform/IniFile.h"

#include <QSplitter>
#include <QToolBar>

namespace tessaly::app {

const TMainForm::ViewSwitch TMainForm::kViewSwitches[TWindowSettings::kViewCount] = {
    {&TMainForm::mainToolbarItem_, &TMainForm::mainToolbarClick},
    {&TMainForm::scriptToolbarItem_, &TMainForm::scriptToolbarClick},
    {&TMainForm::htmlToolbarItem_, &TMainForm::htmlToolbarClick},
    {&TMainForm::scriptPanelItem_, &TMainForm::setScriptPanelShown},
};

void TMainForm::applySettings(const platform::TIniFile& ini)
{
    TWindowSettings s;
    s.read(ini);
    positionSaved_ = s.positionSaved;
    move(s.left, s.top);
    resize(std::max(s.width, 100), std::max(s.height, 80));
    if (s.show == TWindowSettings::TShow::maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    scriptPanel_->setPanelWidth(s.panelWidth);
    if (shownOnce_)
        splitIt_->setSizes({scriptPanel_->panelWidth(), std::max(100, width() - scriptPanel_->panelWidth())});
    scriptPanel_->setDescriptionHeight(s.descriptionHeight);
    history_->load(ini);
    for (int i = 0; i < TWindowSettings::kViewCount; ++i)
        if (s.views[i])
            (this->*kViewSwitches[i].show)(*s.views[i]);
    preview_->load(ini);
}

void TMainForm::writeSettings(platform::TIniFile& ini)
{
    TWindowSettings s;
    s.show = isMinimized()   ? TWindowSettings::TShow::minimized
             : isMaximized() ? TWindowSettings::TShow::maximized
                             : TWindowSettings::TShow::normal;
    s.left = x();
    s.top = y();
    s.width = width();
    s.height = height();
    if (!scriptPanel_->isHidden() && shownOnce_)
        scriptPanel_->setPanelWidth(splitIt_->sizes().value(0, scriptPanel_->panelWidth()));
    s.panelWidth = scriptPanel_->panelWidth();
    s.descriptionHeight = scriptPanel_->descriptionHeight();
    syncToolbarChecks();
    for (int i = 0; i < TWindowSettings::kViewCount; ++i)
        s.views[i] = (this->*kViewSwitches[i].item)->isChecked();
    ini.beginUpdate();
    s.write(ini);
    preview_->save(ini);
    history_->save(ini);
    ini.endUpdate();
}

} // namespace tessaly::app
