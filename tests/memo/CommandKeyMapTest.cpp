#include "memo/KeyCommands.h"
#include "memo/KeyMap.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaly::memo::test {
namespace {

constexpr std::uint16_t ctrl(char c)
{
    return static_cast<std::uint16_t>(kKeyCtrl | c);
}

TEST(CommandKeyMap, SequencesIgnoreTheSecondKeysModifiers)
{
    TKeyMap map = TKeyMap::defaults();
    auto r = map.press(ctrl('K'));
    EXPECT_TRUE(r.taken);
    EXPECT_EQ(r.command, -1);
    EXPECT_TRUE(map.inSequence());
    r = map.press(ctrl('I'));
    EXPECT_TRUE(r.taken);
    EXPECT_EQ(r.command, kcIndentBlock);
    EXPECT_FALSE(map.inSequence());

    map.press(ctrl('K'));
    r = map.press('X');
    EXPECT_FALSE(r.taken) << "an unbound second key goes on to be typed";
    EXPECT_FALSE(map.inSequence());
    r = map.press('X');
    EXPECT_FALSE(r.taken);

    map.press(ctrl('Q'));
    EXPECT_EQ(map.press('7').command, kcGotoBookmark0 + 7);
    map.press(ctrl('K'));
    EXPECT_EQ(map.press(static_cast<std::uint16_t>(kKeyShift | '0')).command, kcSetBookmark0);
}

TEST(CommandKeyMap, ShiftPassesOnlyThroughTheListedKeys)
{
    TKeyMap map = TKeyMap::defaults();
    auto r = map.press(static_cast<std::uint16_t>(kKeyShift | vkEnd));
    EXPECT_EQ(r.command, kcLineEnd);
    EXPECT_TRUE(r.extend);
    r = map.press(static_cast<std::uint16_t>(kKeyShift | kKeyCtrl | vkEnd));
    EXPECT_EQ(r.command, kcDocumentEnd);
    EXPECT_TRUE(r.extend);
    r = map.press(static_cast<std::uint16_t>(kKeyShift | kKeyCtrl | 'Z'));
    EXPECT_EQ(r.command, kcRedo);
    EXPECT_EQ(map.press(ctrl('Z')).command, kcUndo);
    EXPECT_EQ(map.press(static_cast<std::uint16_t>(kKeyShift | vkDelete)).command, -1)
        << "Shift does not pass through Delete";
    EXPECT_EQ(map.press(static_cast<std::uint16_t>(kKeyShift | vkBack)).command, kcDeleteCharBefore);
}

TEST(CommandKeyMap, EveryNamedCommandHasADefaultKey)
{
    const TKeyMap map = TKeyMap::defaults();
    for (int code = 0; code < kcNone; ++code) {
        const bool bound = std::any_of(map.bindings().begin(), map.bindings().end(),
                                       [&](const TKeyMap::Binding& b) { return b.command == code; });
        EXPECT_TRUE(bound) << "command " << code;
    }
}

TEST(CommandKeyMap, AClashingBindingIsRefusedAndTheMapKept)
{
    const TKeyMap map = TKeyMap::defaults();
    auto name = [](int c) { return c == kcRedo ? std::string("Redo") : "#" + std::to_string(c); };
    auto clash = [&](std::uint16_t first, std::uint16_t second) {
        TKeyMap copy = map;
        try {
            copy.add(first, second, kcRedo, name);
        } catch (const EAmbigiousKeyPair& e) {
            EXPECT_EQ(copy.bindings().size(), map.bindings().size());
            return std::string(e.what());
        }
        return std::string();
    };
    // The same key; a single key that starts a pair; a pair whose first key
    // is bound alone; the same pair with a modifier on the second key.
    EXPECT_EQ(clash(ctrl('Y'), 0), "Duplicate key sequence definition for\r\n\"#40\" and \"Redo\"");
    EXPECT_NE(clash(ctrl('K'), 0), "");
    EXPECT_NE(clash(ctrl('Y'), 'A'), "");
    EXPECT_NE(clash(ctrl('K'), ctrl('I')), "");
    // A free pair under a bound first key, and a free key, are fine.
    EXPECT_EQ(clash(ctrl('K'), 'Z'), "");
    EXPECT_EQ(clash(ctrl('E'), 0), "");
}

} // namespace
} // namespace tessaly::memo::test
