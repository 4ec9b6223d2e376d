#include "ScriptTestSupport.h"

#include "parser/RegistryRecord.h"
#include "parser/StyleString.h"

#include <cstdlib>

namespace tessaly::parser::test {
namespace {

TSM_Settings oneStyle()
{
    TSM_Settings s;
    TSM_Style st;
    st.fontStyle = kBold;
    st.foreground = memo::TColor::fromRgb(0xFF, 0, 0);
    st.background = memo::TColor::fromRgb(0xFF, 0xFF, 0xFF);
    st.ownColours = true;
    s.styles[1] = st;
    return s;
}

TEST(StyleString, ExactText)
{
    // Written out by hand from the item list: tag, "#", length, "#", value.
    const std::string expected = "Kelvar6:"
                                 "OPT#8#67099632"
                                 "GWD#2#34"
                                 "GCL#11#-2147483633"
                                 "WRC#2#80"
                                 "IDS#1#1"
                                 "WRO#3#>|:"
                                 "FON#11#Courier New"
                                 "FOS#2#10"
                                 "STC#8#16777215"
                                 "STB#7#8388608"
                                 "TBC#0#"
                                 "TBD#1#4"
                                 "EFF#20#1,1,255,16777215,XB;"
                                 "#END#";
    EXPECT_EQ(makeStyleString(oneStyle()), expected);
}

TEST(StyleString, AppliedBackGivesTheSameSettings)
{
    TSM_ParserTables t;
    ASSERT_FALSE(compileError("%%language tabcolumns = '3 9' gutter = 40 fontname = 'Mono'\n"
                              "%%effects 0 = ([], 0, clWhite)\n 7 = ([fsItalic fsUnderline], clRed, clAqua, [], [*], "
                              "'hotspot')",
                              t));
    const TSM_Settings& original = t.settings;
    TSM_Settings target; // defaults, no styles
    target.styles[7] = TSM_Style{};
    target.styles[7]->hotspot = true; // not part of the text: kept
    applyStyleString(makeStyleString(original), target);
    EXPECT_EQ(makeStyleString(target), makeStyleString(original));
    EXPECT_EQ(target.tabColumnsText(), "3 9");
    EXPECT_EQ(target.gutterWidth, 40);
    EXPECT_EQ(target.fontName, "Mono");
    EXPECT_EQ(target.styles[7]->fontStyle, kItalic | kUnderline);
    EXPECT_TRUE(target.styles[7]->flagY);
    EXPECT_FALSE(target.styles[7]->ownColours);
    EXPECT_TRUE(target.styles[7]->hotspot);
}

TEST(StyleString, AFullStyleTableCountsAs255)
{
    TSM_Settings s;
    for (auto& st : s.styles)
        st = TSM_Style{};
    const std::string text = makeStyleString(s);
    EXPECT_NE(text.find("EFF#"), std::string::npos);
    EXPECT_NE(text.find("#255,0,0,16777215,;"), std::string::npos);
    TSM_Settings back;
    applyStyleString(text, back);
    EXPECT_TRUE(back.styles[255].has_value());
}

TEST(StyleString, BadTextChangesNothing)
{
    const std::string good = makeStyleString(oneStyle());
    const std::vector<std::string> bad = {
        "",
        "Kelvar5:" + good.substr(8),
        good.substr(0, good.size() - 1),
        good + "x",
        [&] { auto s = good; s.replace(s.find("GWD#2#34"), 8, "GWD#2#3x"); return s; }(),
        [&] { auto s = good; s.replace(s.find("GWD#2#34"), 8, "GWD#9#34"); return s; }(),
        [&] { auto s = good; s.replace(s.find("XB;"), 3, "XQ;"); return s; }(),
        [&] { auto s = good; s.replace(s.find("EFF#20#1,"), 9, "EFF#20#2,"); return s; }(),
        [&] { auto s = good; s.replace(s.find("OPT"), 3, "OPX"); return s; }(),
    };
    for (const auto& text : bad) {
        TSM_Settings s;
        const TSM_Settings before = s;
        try {
            applyStyleString(text, s);
            ADD_FAILURE() << text;
        } catch (const EInvalidRegistryData& e) {
            EXPECT_STREQ(e.what(), "Invalid data in style string");
        }
        EXPECT_EQ(s, before);
    }
}

TEST(KeyAssignmentsValue, PrefixAndStreamAndBadData)
{
    TSM_Settings s;
    s.keys.bind(kCtrlKey | 'K', 'X', 44);
    const std::string value = makeKeyAssignments(s);
    EXPECT_EQ(value.substr(0, 9), std::string("\x08Kelvar6:"));
    TSM_Settings back;
    applyKeyAssignments(value, back);
    EXPECT_EQ(back.keys, s.keys);
    for (const std::string& bad : {value.substr(0, value.size() - 1), value + "!", std::string("\x08Kelvar5:") +
                                                                                       value.substr(9)}) {
        TSM_Settings t;
        try {
            applyKeyAssignments(bad, t);
            ADD_FAILURE();
        } catch (const EInvalidRegistryData& e) {
            EXPECT_STREQ(e.what(), "Invalid data in registry entry");
        }
        EXPECT_EQ(t.keys, TKeyboardActionContoller::defaults());
    }
}

class RegistryRecord : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = freshFolder("registry-record");
        ::setenv("TESSALY_CONFIG_DIR", dir_.c_str(), 1);
    }
    void TearDown() override
    {
        ::unsetenv("TESSALY_CONFIG_DIR");
        std::filesystem::remove_all(dir_);
    }
    std::filesystem::path dir_;
};

// The user changes a style and a key, the settings are saved; a new run
// compiles the same definition and reads them back.
TEST_F(RegistryRecord, SettingsSurviveARestart)
{
    const std::string script = "%%language name = 'HTML'\n%%effects 1 = ([fsBold], clNavy, clWhite, [*])";
    TSM_ParserTables t;
    ASSERT_FALSE(compileError(script, t));
    t.settings.styles[1]->foreground = memo::TColor::fromRgb(0, 0xFF, 0);
    t.settings.gutterWidth = 50;
    t.settings.keys.bind(kCtrlKey | 'K', 'X', 44);
    const TRegistryPlace place{"Orvane\\HTML", true, "HTML"};
    {
        platform::Registry registry;
        saveToRegistry(t.settings, place, registry);
    }
    EXPECT_TRUE(std::filesystem::exists(dir_ / "registry.ini"));

    TSM_ParserTables next;
    ASSERT_FALSE(compileError(script, next));
    platform::Registry registry;
    EXPECT_TRUE(registry.readString("Orvane\\HTML", "Highlighting - HTML").has_value());
    EXPECT_TRUE(registry.readBinary("Orvane\\HTML", "Key Assignments - HTML").has_value());
    ASSERT_TRUE(loadFromRegistry(next.settings, place, registry));
    EXPECT_EQ(next.settings, t.settings);

    // Nothing stored under another key.
    TSM_ParserTables other;
    ASSERT_FALSE(compileError(script, other));
    EXPECT_FALSE(loadFromRegistry(other.settings, {"Orvane\\Text", true, "Plain_Text"}, registry));
}

TEST_F(RegistryRecord, DisabledRegistryNamesTheComponent)
{
    platform::Registry registry;
    TSM_Settings s;
    try {
        saveToRegistry(s, {"Orvane\\HTML", false, "HTML"}, registry);
        FAIL();
    } catch (const ERegistryDisabled& e) {
        EXPECT_STREQ(e.what(), "Registry interface disabled in: HTML");
    }
    EXPECT_THROW(saveToRegistry(s, {"", true, "VBScript"}, registry), ERegistryDisabled);
    EXPECT_THROW(loadFromRegistry(s, {"Orvane\\HTML", false, "HTML"}, registry), ERegistryDisabled);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "registry.ini"));
}

TEST_F(RegistryRecord, BadStoredValuesGiveTheirMessages)
{
    platform::Registry registry;
    TSM_Settings s;
    s.languageName = "HTML";
    const TRegistryPlace place{"Orvane\\HTML", true, "HTML"};
    registry.writeString(place.key, "Highlighting - HTML", "Kelvar6:junk");
    try {
        loadFromRegistry(s, place, registry);
        FAIL();
    } catch (const EInvalidRegistryData& e) {
        EXPECT_STREQ(e.what(), "Invalid data in style string");
    }
    registry.writeString(place.key, "Highlighting - HTML", makeStyleString(s));
    registry.writeBinary(place.key, "Key Assignments - HTML", "\x08Kelvar6:\xff");
    try {
        loadFromRegistry(s, place, registry);
        FAIL();
    } catch (const EInvalidRegistryData& e) {
        EXPECT_STREQ(e.what(), "Invalid data in registry entry");
    }
}

} // namespace
} // namespace tessaly::parser::test
