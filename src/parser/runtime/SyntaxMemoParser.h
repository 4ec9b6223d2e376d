#pragma once

#include "memo/Highlighter.h"
#include "parser/runtime/KeywordIndex.h"
#include "parser/ParserTables.h"
#include "parser/RegistryRecord.h"
#include "parser/runtime/ScanContext.h"
#include "parser/runtime/StateFilter.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaly::parser {

class TSyntaxMemoParser;

// Shows or changes a parser's settings for an editor: (parser, editor) ->
// the settings changed.
using TEditPropertiesEvent = std::function<bool(TSyntaxMemoParser&, memo::TSyntaxMemo&)>;

// A handler the application supplies for handler numbers the engine does not
// know: (parser, handler number, stream, token value, count) -> matched.
using TCustomParseEvent =
    std::function<bool(TSyntaxMemoParser&, int, memo::TCharStream&, std::uint8_t&, std::int64_t&)>;

// Colours an editor's text with one compiled language definition: each call
// of nextToken consumes one token and returns its value. Matching is
// filtered by the current state set, which token effects change; embedded
// languages are nothing but other states.
class TSyntaxMemoParser : public memo::THighlighter {
public:
    TSyntaxMemoParser();
    ~TSyntaxMemoParser() override;
    // The scanner keeps pointers into its own tables: copy with assign().
    TSyntaxMemoParser(const TSyntaxMemoParser&) = delete;
    TSyntaxMemoParser& operator=(const TSyntaxMemoParser&) = delete;

    // The compiled tables (settings included).
    TSM_ParserTables& tables() { return tables_; }
    const TSM_ParserTables& tables() const { return tables_; }

    // The stored form (the Parser property): reading replaces every table.
    std::string parser() const;
    void setParser(std::string_view form);
    // Compiles a definition script; the first error is thrown.
    void compile(const std::string& script, const std::filesystem::path& folder = {});
    // Copies another parser's tables through the stored form.
    void assign(const TSyntaxMemoParser& other);
    // Replaces the settings (options, styles, keys, keyword tables...) and
    // refreshes every client editor.
    void setSettings(const TSM_Settings& settings);

    // memo::THighlighter
    void attach(memo::TSyntaxMemo& editor) override;
    void detach(memo::TSyntaxMemo& editor) override;
    void resumeAt(std::uint8_t tokenBefore) override;
    std::uint8_t nextToken(memo::TSyntaxMemo& editor, memo::TCharStream& stream, std::int64_t& length) override;
    std::uint8_t nextTokenUntil(memo::TSyntaxMemo& editor, memo::TCharStream& stream, std::int64_t until,
                                std::int64_t& length) override;
    std::int64_t scanTo(memo::TSyntaxMemo& editor, memo::TCharStream& stream, std::int64_t until,
                        std::string& values) override;
    bool lookaheadPending() const override { return pending_; }
    bool isAnchor(std::uint8_t token) const override { return tables_.anchor.contains(token); }
    std::uint32_t stateSignature() const override;
    bool exactResume() const override { return true; }
    bool saveState(std::string& out) const override;
    void restoreState(std::string_view state) override;
    memo::TTokenStyle tokenStyle(std::uint8_t value) const override;
    memo::TTokenStyle defaultStyle() const override;
    std::string fontName() const override { return tables_.settings.fontName; }
    int fontSize() const override { return tables_.settings.fontSize; }
    bool usable() const override { return !tables_.needsCustomHandler || static_cast<bool>(onCustomParse); }
    // Shows the options of this parser for editor: onModifyProperties when
    // set, else the options dialog. After a confirmed change every client
    // editor is refreshed and, when the registry is in use, the settings are
    // written to it.
    bool editProperties(memo::TSyntaxMemo& editor) override;

    // Scans without an editor (tests, the command-line tool).
    std::uint8_t nextToken(memo::TCharStream& stream, std::int64_t& length);

    const TStateSet& currentStates() const { return states_; }
    const std::vector<memo::TSyntaxMemo*>& clients() const { return clients_; }

    TCustomParseEvent onCustomParse;
    // Replaces the options dialog when set; returns whether the settings
    // were changed.
    TEditPropertiesEvent onModifyProperties;
    // The options dialog (the window system supplies it); returns whether
    // the user confirmed changed settings.
    TEditPropertiesEvent optionsDialog;
    // Where the settings are kept, and the registry that keeps them (none:
    // they are not written).
    TRegistryPlace registryPlace;
    platform::Registry* registry = nullptr;

private:
    // The scanning core, compiled for the editor's stream (whose calls the
    // compiler can inline) and for any other character stream.
    template <class S>
    std::uint8_t scan(S& s, std::int64_t& length);
    template <class S>
    std::uint8_t keyword(S& s) const;
    // cut is set when the token was left unfinished at limit (see cut_).
    template <class S>
    bool applyRule(const TSM_RulePart& body, const TSM_EndPart& end, bool checkEndFirst, S& s, std::uint8_t& token,
                   std::int64_t limit, bool& cut);
    // The inner loop of a token whose body is one group and whose end is a
    // sequence of groups, from a place inside the body.
    template <class S>
    bool bodyLoop(const TSM_RulePart& body, const TSM_EndPart& end, S& s, std::uint8_t& token, std::int64_t limit,
                  bool& cut);
    // Whether a token of this rule may be left unfinished and taken up
    // again later with the same outcome.
    bool mayCut(const TSM_RulePart& body, const TSM_EndPart& end, std::uint8_t token) const;
    // The groups of the rule mayCut judged last and whether they take every
    // character between them.
    mutable std::uint32_t coverKey_ = UINT32_MAX;
    mutable bool covers_ = false;
    // A token's effect on the current states (and stack).
    void applyEffect(std::uint8_t t);
    template <class S>
    bool testEnd(const TSM_EndPart& end, S& s, std::uint8_t& token);
    template <class S>
    bool runHandler(bool custom, int number, S& s, std::uint8_t& token);
    bool inGroup(std::uint16_t group, unsigned char c) const;
    // The characters a group accepts (none for an unknown group).
    const TStateSet& acceptsOf(std::uint16_t group) const;
    // The current states changed: picks their scan context.
    void statesChanged() { context_ = &contexts_.of(states_); }
    // Whether a keyword node's or entry's states meet the current states.
    template <class Item>
    bool meets(const Item& item) const
    {
        const TStateFilter& f = keywordIndex_.filter();
        return f.packed() ? (item.packed & context_->packedStates) != 0 : f.meets(item.states, states_);
    }
    // Rebuilds what the scanner derives from the tables.
    void tablesChanged();
    // Runs fill on the tables, then rebuilds what the scanner derives from
    // them and starts again from the top, also when fill throws: tables
    // read or compiled in part are still the ones the scanner must follow.
    void refillTables(const std::function<void(TSM_ParserTables&)>& fill);
    // The longest word of the settings' own keyword tables at the stream's
    // position, valid in the current states; 0 (the stream unmoved) when none.
    template <class S>
    std::uint8_t userKeyword(S& s) const;

    TSM_ParserTables tables_;
    std::vector<memo::TSyntaxMemo*> clients_;
    TStateSet states_;
    TStateSet saved_;
    std::vector<TStateSet> stack_;
    TScanContext* context_ = nullptr;
    bool pending_ = false;
    std::int64_t lookaheadEnd_ = 0;
    // A long token may be cut where a scan of records must stop (cutAt_,
    // set by scanTo): the scanner then stands inside the token and the next
    // call goes on with it. Only tokens that can neither be given up nor change
    // with what came before the cut are cut, so the values come out as
    // those of an uncut scan.
    std::int64_t cutAt_ = INT64_MAX;
    // startRule and continuation: a rule's body; handler and
    // handlerContinuation: a start rule's head or a keyword's continuation
    // that is a standard handler that may be cut.
    enum class Cut : std::uint8_t { none, startRule, continuation, handler, handlerContinuation };
    Cut cut_ = Cut::none;
    // The first character of a start rule's token, or a keyword's token
    // value whose continuation rule runs.
    std::uint8_t cutKey_ = 0;
    // The body and end of the cut token's rule and its value; false when
    // the current tables have no such rule.
    bool cutRule(const TSM_RulePart*& body, const TSM_EndPart*& end, std::uint8_t& token) const;
    // The handler and token value of a cut handler token; false when the
    // current tables have no such rule.
    bool cutHandler(int& number, std::uint8_t& token) const;
    // Whether a keyword's continuation is one standard handler that may be cut.
    bool mayCutContinuation(std::uint8_t keyword) const;
    // Whether a token of this value may be left unfinished: nothing that
    // depends on what comes after it (lookahead, a rejected value).
    bool mayCutToken(std::uint8_t token) const
    {
        return !pending_ && !tokenInfo_[token].lookahead && !context_->rejected.contains(token);
    }
    // Per character group, the 256 characters it accepts (the "any" group
    // and negation already applied), so a test is one bit.
    std::vector<TStateSet> accepts_;
    // The keyword trie in its scanning form.
    TKeywordIndex keywordIndex_;
    // What the scan needs of each token value's effect, in a few bytes.
    struct TokenInfo {
        bool changesStates = false; // the effect can change the current states
        bool lookahead = false;
    };
    std::array<TokenInfo, 256> tokenInfo_{};
    // The settings' own keyword tables in their scanning form; empty for
    // most languages, and then the scan never looks at them.
    struct UserTable {
        TStateSet states;
        TStateSet follow;     // characters that may come after a word
        bool anyFollow = true;
        bool caseSensitive = false;
        std::vector<std::pair<std::string, std::uint8_t>> words; // longest first
    };
    std::vector<UserTable> userTables_;
    TScanContexts contexts_;
};

} // namespace tessaly::parser
