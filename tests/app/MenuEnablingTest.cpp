// The menu-enabling rules as pure functions of the state, over a small
// table of rows and over the main menu's own.
#include "app/MainForm.h"
#include "app/MenuEnabling.h"

#include <QtTest>

#include <set>

using tessaly::app::TEnableRule;
using tessaly::app::TItemState;
using tessaly::app::TMainForm;
using tessaly::app::TMenuEnabling;
using tessaly::app::TMenuRow;
using tessaly::app::TMenuState;

namespace {

const std::vector<TMenuRow>& smallTable()
{
    using R = TMenuRow;
    constexpr TEnableRule doc = TEnableRule::document;
    static const std::vector<TMenuRow> rows = {
        {.kind = R::Submenu, .menu = "", .name = "File1", .caption = "&File"},
        {.menu = "File1", .name = "New1", .caption = "&New"},
        {.menu = "File1", .name = "Save", .caption = "&Save", .enable = doc},
        {.kind = R::Separator, .menu = "File1"},
        {.kind = R::Submenu, .menu = "File1", .name = "Reopen", .caption = "Reopen", .enable = doc},
        {.menu = "Reopen", .name = "Reopen", .caption = "Again", .enable = doc},
        {.kind = R::Submenu, .menu = "", .name = "Edit1", .caption = "&Edit"},
        {.menu = "Edit1", .name = "Undo1", .caption = "&Undo", .enable = doc},
        {.menu = "Edit1", .name = "Options1", .caption = "&Options"},
    };
    return rows;
}

std::vector<TItemState> statesOf(const std::vector<const char*>& names, bool enabled)
{
    std::vector<TItemState> out;
    for (const char* n : names)
        out.push_back({n, false, enabled});
    return out;
}

} // namespace

class MenuEnablingTest : public QObject {
    Q_OBJECT

private slots:
    // Each state of the table: what a drop-down of each menu sets, and what
    // the first document opening or the last closing sets.
    void theRulesOverATableOfStates()
    {
        const TMenuEnabling rules(smallTable());
        for (const TMenuState state : {TMenuState{false, false}, TMenuState{true, false}, TMenuState{true, true},
                                       TMenuState{false, true}}) {
            const bool on = state.documentOpen;
            QCOMPARE(rules.documentRows("File1", state),
                     (std::vector<TItemState>{{"Save", false, on}, {"Reopen", true, on}}));
            QCOMPARE(rules.documentRows("Reopen", state), (std::vector<TItemState>{{"Reopen", false, on}}));
            QCOMPARE(rules.documentRows("Edit1", state), (std::vector<TItemState>{{"Undo1", false, on}}));
            QVERIFY(rules.documentRows("", state).empty());
            QVERIFY(rules.documentRows("Help1", state).empty());
            QCOMPARE(rules.documentRows(nullptr, state),
                     (std::vector<TItemState>{{"Save", false, on},
                                              {"Reopen", true, on},
                                              {"Reopen", false, on},
                                              {"Undo1", false, on}}));
            QCOMPARE(TMenuEnabling::insertionItems(TMenuEnabling::kFormItems, state),
                     statesOf(TMenuEnabling::kFormItems, on));

            // Save keeps its own state; everything else follows the documents.
            std::vector<TItemState> all = {{"Save", false, state.saveEnabled},
                                           {"Reopen", true, on},
                                           {"Reopen", false, on},
                                           {"Undo1", false, on}};
            for (const auto& s : statesOf(TMenuEnabling::kFormItems, on))
                all.push_back(s);
            for (const auto& s : statesOf(TMenuEnabling::kScriptItems, on))
                all.push_back(s);
            QCOMPARE(rules.everything(state), all);
        }
    }

    // Over the main menu: every document row is set by its own menu's
    // drop-down, and the insertion items are no rows' names, so each is
    // found by its name alone.
    void theMainMenusRowsAreCoveredOnce()
    {
        const std::vector<TMenuRow>& rows = TMainForm::menuRows();
        const TMenuEnabling rules(rows);
        std::set<std::string> menus, rowNames;
        for (const TMenuRow& row : rows) {
            if (row.kind == TMenuRow::Submenu && !*row.menu)
                menus.insert(row.name);
            if (row.name)
                rowNames.insert(row.name);
        }
        std::size_t byMenus = 0;
        for (const std::string& menu : menus)
            byMenus += rules.documentRows(menu.c_str(), {true, false}).size();
        std::size_t documentRows = 0;
        for (const TMenuRow& row : rows)
            if (row.enable == TEnableRule::document) {
                ++documentRows;
                QVERIFY2(menus.count(row.menu) || rowNames.count(row.menu), row.name);
            }
        QCOMPARE(rules.documentRows(nullptr, {true, false}).size(), documentRows);
        QVERIFY(byMenus <= documentRows);
        QVERIFY(byMenus > 0);
        for (const auto* names : {&TMenuEnabling::kFormItems, &TMenuEnabling::kScriptItems})
            for (const char* name : *names)
                QVERIFY2(!rowNames.count(name), name);
        QVERIFY(rowNames.count(TMenuEnabling::kSaveName));
    }
};

QTEST_MAIN(MenuEnablingTest)
#include "MenuEnablingTest.moc"
