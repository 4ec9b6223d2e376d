// The auto-replace list, the code templates and the print title kept in the
// registry beside the style string and the key assignments, readable by a
// later run, and records written before they were kept still read.
#include "ScriptTestSupport.h"

#include "parser/EditorExtras.h"
#include "parser/RegistryRecord.h"
#include "parser/StyleString.h"

#include <cstdlib>

namespace tessaly::parser::test {
namespace {

const char* const kScript = "%%language name = 'HTML'\n"
                            "%%autoreplace 'teh' = 'the'\n"
                            "%%templates 'fn' = 'function |() {\\n}' ('a function')\n";

// Settings as a user leaves them after changing every list.
TSM_Settings edited(TSM_Settings s)
{
    s.autoReplace.items.clear();
    s.autoReplace.add({"adn", "and", "typing slip"});
    s.autoReplace.add({"(c)", "\xC2\xA9", ""});
    s.autoReplace.setTriggerText(";\\{Space}\\{Return}");
    s.setAutoReplaceSwitches({true, false, true, false});
    s.templates.items.clear();
    s.templates.add({"tbl", "a table", "<TABLE>\r  <TR><TD>|</TD></TR>\r</TABLE>"});
    s.templates.hotKey = static_cast<std::uint16_t>(kCtrlKey | kShiftKey | 'T');
    s.setTemplateSwitches({false, true, false, true});
    s.printTitle = "Quarterly listing";
    s.rightMargin = 100;
    return s;
}

class EditorExtras : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = freshFolder("editor-lists");
        ::setenv("TESSALY_CONFIG_DIR", dir_.c_str(), 1);
        ASSERT_FALSE(compileError(kScript, builtin_));
    }
    void TearDown() override
    {
        ::unsetenv("TESSALY_CONFIG_DIR");
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
    TSM_ParserTables builtin_;
    const TRegistryPlace place_{"Orvane\\HTML", true, "HTML"};
};

TEST_F(EditorExtras, ListsSwitchesAndTitleSurviveARestart)
{
    const TSM_Settings saved = edited(builtin_.settings);
    ASSERT_NE(saved, builtin_.settings);
    {
        platform::Registry registry;
        saveToRegistry(saved, place_, registry);
    }
    // The next run starts from the compiled definition again.
    platform::Registry registry;
    EXPECT_TRUE(registry.readBinary(place_.key, "Editor Extras - HTML").has_value());
    TSM_Settings next = builtin_.settings;
    ASSERT_TRUE(loadFromRegistry(next, place_, registry));
    EXPECT_EQ(next.autoReplace, saved.autoReplace);
    EXPECT_EQ(next.templates, saved.templates);
    EXPECT_EQ(next.autoReplaceSwitches(), saved.autoReplaceSwitches());
    EXPECT_EQ(next.templateSwitches(), saved.templateSwitches());
    EXPECT_EQ(next.printTitle, "Quarterly listing");
    EXPECT_EQ(next.rightMargin, 100);
    EXPECT_EQ(next, saved);
}

// A record as the build before the lists wrote it: the style string and the
// key assignments only. It reads as it did: its values apply, the lists stay
// the language's own, and nothing is reported.
TEST_F(EditorExtras, ARecordWithoutTheListsReadsAsBefore)
{
    TSM_Settings old = edited(builtin_.settings);
    old.tabDefault = 7;
    old.keys.bind(kCtrlKey | 'K', 'X', 44);
    platform::Registry registry;
    registry.writeString(place_.key, "Highlighting - HTML", makeStyleString(old));
    registry.writeBinary(place_.key, "Key Assignments - HTML", makeKeyAssignments(old));

    TSM_Settings next = builtin_.settings;
    ASSERT_TRUE(loadFromRegistry(next, place_, registry));
    EXPECT_EQ(next.tabDefault, 7);
    EXPECT_EQ(next.keys, old.keys);
    EXPECT_EQ(next.autoReplace, builtin_.settings.autoReplace);
    ASSERT_EQ(next.autoReplace.items.size(), 1u);
    EXPECT_EQ(next.autoReplace.items[0].replacement, "the");
    EXPECT_EQ(next.templates, builtin_.settings.templates);
    EXPECT_EQ(next.templateSwitches(), builtin_.settings.templateSwitches());
    EXPECT_EQ(next.printTitle, "");
    EXPECT_EQ(next.rightMargin, builtin_.settings.rightMargin);
}

TEST_F(EditorExtras, DamagedListsGiveTheRegistryMessageAndChangeNothing)
{
    const std::string good = makeEditorExtras(edited(builtin_.settings));
    // The lists start after the prefix and the version with the trigger
    // text: one the editor cannot use, written in its place.
    auto withTrigger = [&](const std::string& trigger) {
        const TSM_Settings s = edited(builtin_.settings);
        TableWriter w;
        w.longString(trigger);
        std::string bytes = good;
        bytes.replace(13, 4 + s.autoReplace.triggerText().size(), w.data());
        return bytes;
    };
    auto patched = [&](std::size_t at, char c) {
        std::string s = good;
        s[at] = c;
        return s;
    };
    const std::vector<std::string> bad = {
        "",
        good.substr(0, good.size() - 1),
        good + "!",                 // version 1 has nothing after the margin
        good.substr(0, good.size() - 4) + std::string("\xFF\xFF\xFF\xFF", 4), // a negative margin
        patched(1, 'X'),            // not the "Kelvar6:" prefix
        patched(9, '\0'),           // version 0
        withTrigger("\\{Nowhere}"), // a key name the editor does not know
    };
    for (const std::string& bytes : bad) {
        TSM_Settings s = builtin_.settings;
        try {
            applyEditorExtras(bytes, s);
            ADD_FAILURE() << "accepted " << bytes.size() << " bytes";
        } catch (const EInvalidRegistryData& e) {
            EXPECT_STREQ(e.what(), "Invalid data in registry entry");
        }
        EXPECT_EQ(s, builtin_.settings);
    }

    // Through the registry, a damaged list value fails the whole read.
    platform::Registry registry;
    saveToRegistry(edited(builtin_.settings), place_, registry);
    registry.writeBinary(place_.key, "Editor Extras - HTML", good.substr(0, 20));
    TSM_Settings s = builtin_.settings;
    EXPECT_THROW(loadFromRegistry(s, place_, registry), EInvalidRegistryData);
    registry.writeString(place_.key, "Editor Extras - HTML", "text, not bytes");
    EXPECT_THROW(loadFromRegistry(s, place_, registry), EInvalidRegistryData);
}

// A later build may append fields; this one reads the ones it knows.
TEST_F(EditorExtras, ALaterVersionReadsItsKnownFields)
{
    const TSM_Settings saved = edited(builtin_.settings);
    std::string bytes = makeEditorExtras(saved);
    TableWriter later;
    later.integer(2);
    bytes.replace(9, 4, later.data());
    TableWriter extra;
    extra.longString("a field of the future");
    bytes += extra.data();

    TSM_Settings s = builtin_.settings;
    applyEditorExtras(bytes, s);
    EXPECT_EQ(s, saved);
}

} // namespace
} // namespace tessaly::parser::test
