#pragma once

#include "memo/AutoReplace.h"
#include "memo/CodeTemplates.h"
#include "memo/Color.h"
#include "parser/KeyboardActions.h"
#include "parser/StateSet.h"
#include "parser/StreamIO.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tessaly::parser {

// Font style bits of a style.
enum : std::uint8_t {
    kBold = 1,
    kItalic = 2,
    kUnderline = 4,
};

// How the text of a style is painted. ownColours ("X" in the style string)
// says the style's colours replace the page colours; flagY is the second
// stored flag; hotspot marks text the user can click (links).
struct TSM_Style {
    std::uint8_t fontStyle = 0;
    memo::TColor foreground = memo::TColor::fromRgb(0, 0, 0);
    memo::TColor background = memo::TColor::fromRgb(0xFF, 0xFF, 0xFF);
    bool ownColours = false;
    bool flagY = false;
    bool hotspot = false;
    std::int32_t extra = 0; // stored with the style, no meaning of its own yet
    bool operator==(const TSM_Style&) const = default;
};

// A style offered to the user under a name in the options dialog.
struct TSM_EditableStyle {
    std::string name;
    std::uint8_t style = 0;
    bool operator==(const TSM_EditableStyle&) const = default;
};

// A further keyword table that the editor searches in the given states: its
// words grouped by token value.
struct TSM_KeywordTable {
    TStateSet states;
    std::string endsWith;
    std::int32_t caseFlag = 0;
    std::vector<std::pair<std::string, std::int32_t>> words; // word, token value
    bool operator==(const TSM_KeywordTable&) const = default;
};

inline constexpr std::size_t kMaxEditableStyles = 25;
inline constexpr std::size_t kMaxKeywordTables = 21;
inline constexpr std::int32_t kDefaultOptions = 67099632;

// The settings of a language: editor options, colours, styles and the map
// from token value to style, the user's keyword tables, auto-replace list,
// code templates and key assignments.
struct TSM_Settings {
    std::string exampleText;
    std::string languageName = "<Custom language>";
    std::string wrapOverride = ">|:";
    std::int32_t options = kDefaultOptions;
    std::int32_t marginWidth = 2;
    std::int32_t rightMargin = 80;
    std::int32_t wordWrapColumn = 80;
    std::int32_t gutterWidth = 34;
    std::int32_t indentStep = 1;
    memo::TColor marginColour = memo::TColor::fromRgb(0xFF, 0xFF, 0xFF);
    memo::TColor gutterColour = memo::TColor::fromStored(0x8000000F); // the system button face colour
    memo::TColor selTextColour = memo::TColor::fromRgb(0xFF, 0xFF, 0xFF);
    memo::TColor selTextBack = memo::TColor::fromRgb(0, 0, 0x80); // navy
    std::int32_t tabDefault = 4;
    std::array<std::optional<TSM_Style>, 256> styles;
    std::array<std::int16_t, 256> styleOf; // token value -> style number, -1 none
    std::vector<TSM_EditableStyle> editableStyles;
    std::array<std::uint8_t, 128> tabColumns{}; // ascending columns, 0 ends the list
    std::string fontName = "Courier New";
    std::int32_t fontSize = 10;
    // Five stored flag bytes. In the stored form the low four bits of bytes 0
    // and 1 carry the switches of the code templates and of auto-replace;
    // here those switches live in templates and autoReplace, and these bits
    // stay clear.
    std::array<std::uint8_t, 5> flags{};
    std::vector<TSM_KeywordTable> keywordTables;
    memo::TAutoReplace autoReplace;
    memo::TCodeTemplates templates;
    TKeyboardActionContoller keys = TKeyboardActionContoller::defaults();
    // The title printed in the page header of a document of this language
    // that has no title of its own (empty: none). Kept with the user's
    // settings, not in the compiled tables.
    std::string printTitle;

    TSM_Settings() { styleOf.fill(-1); }

    // The four switches of the code templates and of auto-replace, as one
    // value. In the stored form byte 0 of the flags holds the template
    // switches that are off (all are on unless changed), byte 1 the
    // auto-replace switches that are on (all are off unless changed).
    struct MacroSwitches {
        bool swallow = false;
        bool indent = false;
        bool caretMarker = false;
        bool showList = false;
        bool operator==(const MacroSwitches&) const = default;
    };
    MacroSwitches templateSwitches() const;
    void setTemplateSwitches(const MacroSwitches& m);
    MacroSwitches autoReplaceSwitches() const;
    void setAutoReplaceSwitches(const MacroSwitches& m);

    // Tab stop columns as text ("8 16 24"), and back; false for bad text.
    std::string tabColumnsText() const;
    bool setTabColumns(const std::string& text);

    void write(TableWriter& w) const;
    static TSM_Settings read(TableReader& r);
    bool operator==(const TSM_Settings&) const = default;
};

} // namespace tessaly::parser
