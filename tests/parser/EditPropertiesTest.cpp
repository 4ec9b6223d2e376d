// Changing a parser's settings from an editor: the handler or dialog that
// shows them, the refresh of every editor using the parser, and the
// settings written to the registry.
#include "memo/SyntaxMemo.h"
#include "parser/RegistryRecord.h"
#include "parser/runtime/SyntaxMemoParser.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <sstream>

namespace tessaly::parser {
namespace {

const char* kWords = R"(
%%language
  name = 'Words'
  case = __insensitive

%%words
  'alpha' '[^a-z]' 1

%%tokens
  2 match '[a-z]' ? '[a-z]' endswith '[^a-z]'
)";

const char* kOtherWords = R"(
%%language
  name = 'Words'
  case = __insensitive

%%words
  'beta' '[^a-z]' 3

%%tokens
  4 match '[a-z]' ? '[a-z]' endswith '[^a-z]'
)";

struct TRecordingMessages : memo::TMemoMessages {
    std::vector<std::string> errors;
    void error(const std::string& text) override { errors.push_back(text); }
};

void show(memo::TSyntaxMemo& m, TSyntaxMemoParser& p, const std::string& text)
{
    m.setParser(1, &p);
    m.setActiveParser(1);
    std::istringstream in(text);
    m.loadFromStream(in);
}

std::string values(const memo::TSyntaxMemo& m)
{
    std::string out;
    for (memo::TRecordIndex r(0); r < m.store().recordCount(); ++r)
        for (char v : m.store().recordTokens(r))
            out += static_cast<char>('0' + v);
    return out;
}

TEST(EditProperties, WithoutAnActiveParserTheEditorSaysSo)
{
    memo::TSyntaxMemo m;
    TRecordingMessages messages;
    m.setMessages(&messages);
    EXPECT_FALSE(m.editProperties());
    EXPECT_EQ(messages.errors, std::vector<std::string>{"No active parser"});
    m.setMessages(nullptr);
}

TEST(EditProperties, TheHandlerComesBeforeTheDialogAndAChangeRefreshesEveryEditor)
{
    TSyntaxMemoParser p;
    p.compile(kWords);
    memo::TSyntaxMemo a, b;
    show(a, p, "alpha beta");
    show(b, p, "beta\ralpha");
    ASSERT_EQ(values(a), "1111102222");

    // No handler and no dialog: nothing happens.
    EXPECT_FALSE(a.editProperties());

    int dialogs = 0, handlers = 0;
    p.optionsDialog = [&](TSyntaxMemoParser&, memo::TSyntaxMemo&) { return ++dialogs, true; };
    p.onModifyProperties = [&](TSyntaxMemoParser& parser, memo::TSyntaxMemo& editor) {
        ++handlers;
        EXPECT_EQ(&editor, &b);
        if (handlers == 1)
            return false; // cancelled: nothing is refreshed
        parser.compile(kOtherWords);
        return true;
    };
    EXPECT_FALSE(b.editProperties());
    EXPECT_EQ(values(a), "1111102222");
    EXPECT_TRUE(b.editProperties());
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(handlers, 2);
    // Both editors show the text in the changed language.
    EXPECT_EQ(values(a), "4444403333");
    EXPECT_EQ(values(b), "3333044444");

    p.onModifyProperties = nullptr;
    EXPECT_TRUE(a.editProperties());
    EXPECT_EQ(dialogs, 1);
}

TEST(EditProperties, ConfirmedSettingsAreWrittenToTheRegistryWhenItIsUsed)
{
    const auto file = std::filesystem::temp_directory_path()
        / ("tessaly-editprops-" + std::to_string(::getpid()) + ".reg");
    std::filesystem::remove(file);
    platform::Registry registry(file);
    TSyntaxMemoParser p;
    p.compile(kWords);
    memo::TSyntaxMemo m;
    show(m, p, "alpha");
    p.registry = &registry;
    p.registryPlace = {"Tessaly\\Words", false, "Words"};
    p.optionsDialog = [](TSyntaxMemoParser& parser, memo::TSyntaxMemo&) {
        parser.tables().settings.tabDefault = 7;
        return true;
    };

    // The registry switched off: nothing is written.
    EXPECT_TRUE(m.editProperties());
    // The values are named after the language.
    TSM_Settings read;
    read.languageName = p.tables().settings.languageName;
    p.registryPlace.useRegistry = true;
    EXPECT_FALSE(loadFromRegistry(read, p.registryPlace, registry));

    EXPECT_TRUE(m.editProperties());
    ASSERT_TRUE(loadFromRegistry(read, p.registryPlace, registry));
    EXPECT_EQ(read.keys, p.tables().settings.keys);
    std::filesystem::remove(file);
}

} // namespace
} // namespace tessaly::parser
