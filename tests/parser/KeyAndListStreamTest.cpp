#include "parser/KeyboardActions.h"
#include "parser/MacroStreams.h"
#include "parser/StreamIO.h"

#include <gtest/gtest.h>

namespace tessaly::parser {
namespace {

std::string le32(std::uint32_t v)
{
    return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }
std::string str(const std::string& s) { return le32(static_cast<std::uint32_t>(s.size())) + s; }

TKeyBinding keysOf(const TKeyboardActionContoller& c, int command, std::size_t n = 0)
{
    TKeyBinding b;
    if (!c.store().findKeys(command, n, b))
        b.command = -2;
    return b;
}

TEST(KeyCommands, DefaultNamesAndKeys)
{
    const auto& d = TKeyboardActionContoller::defaults();
    EXPECT_EQ(d.names().size(), 44u);
    EXPECT_EQ(d.nameOf(0), "Cursor left");
    EXPECT_EQ(d.nameOf(16), "Delete character before caret");
    EXPECT_EQ(d.nameOf(29), "Set Bookmark 9");
    EXPECT_EQ(d.nameOf(30), "Goto Bookmark 0");
    EXPECT_EQ(d.nameOf(43), "Delete previous word");
    EXPECT_EQ(d.nameOf(44), "");
    EXPECT_EQ(d.store().bindings().size(), 44u);
    EXPECT_EQ(keysOf(d, 0), (TKeyBinding{37, 0, 0}));
    EXPECT_EQ(keysOf(d, 7), (TKeyBinding{34, 0, 7}));
    EXPECT_EQ(keysOf(d, 17), (TKeyBinding{kCtrlKey | 'K', 'I', 17}));
    EXPECT_EQ(keysOf(d, 18), (TKeyBinding{kCtrlKey | 'K', 'U', 18}));
    EXPECT_EQ(keysOf(d, 25), (TKeyBinding{kCtrlKey | 'K', '5', 25}));
    EXPECT_EQ(keysOf(d, 39), (TKeyBinding{kCtrlKey | 'Q', '9', 39}));
    EXPECT_EQ(keysOf(d, 41), (TKeyBinding{kCtrlKey | 'Z', 0, 41}));
    EXPECT_EQ(keysOf(d, 42), (TKeyBinding{kCtrlKey | kShiftKey | 'Z', 0, 42}));
    EXPECT_EQ(keysOf(d, 43), (TKeyBinding{kCtrlKey | 8, 0, 43}));
    EXPECT_EQ(keysOf(d, 44).command, -2);
    EXPECT_EQ(keysOf(d, 17, 1).command, -2);
}

TEST(KeyCommands, ClashingBindingsAreRefusedAndKeepTheStore)
{
    auto c = TKeyboardActionContoller::defaults();
    const auto before = c.store().bindings();
    // A single key that already starts a pair.
    try {
        c.bind(kCtrlKey | 'K', 0, 5);
        FAIL();
    } catch (const EAmbigiousKeyPair& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Duplicate key sequence definition for\r\n\"Indent selected block\" and \"Down one line\"");
    }
    EXPECT_THROW(c.bind(37, 'X', 5), EAmbigiousKeyPair);            // a pair after a single key
    EXPECT_THROW(c.bind(kCtrlKey | 'K', 'I', 5), EAmbigiousKeyPair); // the same pair
    EXPECT_THROW(c.bind(46, 0, 5), EAmbigiousKeyPair);               // the same key
    EXPECT_EQ(c.store().bindings(), before);
    c.bind(kCtrlKey | 'K', 'X', 44); // a new second key is fine
    EXPECT_EQ(keysOf(c, 44), (TKeyBinding{kCtrlKey | 'K', 'X', 44}));
}

TEST(KeyCommands, PressingKeysFollowsSequences)
{
    auto c = TKeyboardActionContoller::defaults();
    auto& s = c.store();
    auto p = s.press(kCtrlKey | 'K');
    EXPECT_TRUE(p.taken && p.waiting);
    p = s.press(kCtrlKey | 'I'); // modifiers of the second key do not count
    EXPECT_TRUE(p.taken);
    EXPECT_EQ(p.command, 17);
    EXPECT_FALSE(s.inSequence());
    s.press(kCtrlKey | 'K');
    p = s.press('X'); // not a second key: not taken, sequence reset
    EXPECT_FALSE(p.taken);
    EXPECT_FALSE(s.inSequence());
    EXPECT_EQ(s.press(kCtrlKey | kShiftKey | 'Z').command, 42);
    EXPECT_EQ(s.press(kCtrlKey | 'Z').command, 41);
    EXPECT_FALSE(s.press('Z').taken);
}

TEST(KeyCommands, StreamForm)
{
    TKeyboardActionContoller c;
    c.setName(41, "Undo");
    c.setName(17, "Indent");
    c.setName(41, "Undo it"); // renaming keeps the place
    c.bind(kCtrlKey | 'Z', 0, 41);
    c.bind(kCtrlKey | 'K', 'I', 17);
    TableWriter w;
    c.write(w);
    const std::string expected = le32(2) + le32(41) + str("Undo it") + le32(17) + str("Indent") + le32(2) +
                                 le16(kCtrlKey | 'Z') + le16(0) + le32(41) + le16(kCtrlKey | 'K') + le16('I') +
                                 le32(17);
    EXPECT_EQ(w.data(), expected);
    TableReader r(w.data());
    EXPECT_EQ(TKeyboardActionContoller::read(r), c);
    EXPECT_EQ(r.remaining(), 0u);

    TableWriter all;
    TKeyboardActionContoller::defaults().write(all);
    TableReader back(all.data());
    EXPECT_EQ(TKeyboardActionContoller::read(back), TKeyboardActionContoller::defaults());
}

TEST(KeyCommands, DamagedStreamsAreErrors)
{
    TableWriter w;
    TKeyboardActionContoller::defaults().write(w);
    const std::string data = w.data();
    for (std::size_t n = 0; n < data.size(); ++n) {
        TableReader r(std::string_view(data).substr(0, n));
        EXPECT_THROW(TKeyboardActionContoller::read(r), ETableStream) << n;
    }
    // Two bindings of one key.
    const std::string dup = le32(0) + le32(2) + le16(37) + le16(0) + le32(0) + le16(37) + le16(0) + le32(1);
    TableReader r(dup);
    EXPECT_THROW(TKeyboardActionContoller::read(r), ETableStream);
}

TEST(AutoReplaceList, StreamFormAndDefaults)
{
    memo::TAutoReplace a;
    EXPECT_EQ(a.triggerText(), ";,:.=()[]\\{Return}\\{Tab}\\{Space}");
    a.setTriggerText(" ");
    a.add({"teh", "the", ""});
    a.add({"adn", "and", "typo"});
    a.add({"teh", "the!", "again"}); // replaces the first pair
    TableWriter w;
    writeAutoReplace(w, a);
    EXPECT_EQ(w.data(), str(" ") + le32(2) + str("teh") + str("the!") + str("again") + str("adn") + str("and") +
                            str("typo"));
    TableReader r(w.data());
    EXPECT_EQ(readAutoReplace(r), a);

    // A trigger text naming a key the editor does not know is bad data.
    const std::string badData = str("\\{Nowhere}") + le32(0); // the reader keeps a view of it
    TableReader bad(badData);
    EXPECT_THROW(readAutoReplace(bad), ETableStream);
}

TEST(CodeTemplateList, StreamFormAndDefaults)
{
    memo::TCodeTemplates t;
    EXPECT_EQ(t.hotKey, kCtrlKey | 'J');
    t.add({"fn", "function", "function |()\r{\r}"});
    TableWriter w;
    writeCodeTemplates(w, t);
    EXPECT_EQ(w.data(), le32(kCtrlKey | 'J') + le32(1) + str("fn") + str("function") + str("function |()\r{\r}"));
    TableReader r(w.data());
    EXPECT_EQ(readCodeTemplates(r), t);
    const std::string huge = le32(0) + le32(0x40000000);
    TableReader h(huge);
    EXPECT_THROW(readCodeTemplates(h), ETableStream);
}

} // namespace
} // namespace tessaly::parser
