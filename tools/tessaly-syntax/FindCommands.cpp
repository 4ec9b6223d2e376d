#include "FindCommands.h"

#include "memo/EdStream.h"
#include "memo/MemoHost.h"
#include "memo/SearchFlags.h"
#include "memo/SyntaxMemo.h"
#include "memo/TextFinder.h"

#include <chrono>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>

namespace tessaly::tools {

namespace {

using Clock = std::chrono::steady_clock;
using memo::TSearchFlags;

struct Options {
    TSearchFlags flags = TSearchFlags::AtOnce;
    std::int64_t from = -1; // -1: the start, or the end when searching upward
    bool count = false;
    bool stats = false;
    bool replaceAll = false;
    std::string replacement;
    std::string pattern;
    std::string file;
    std::string error;
};

Options parse(const std::vector<std::string>& args)
{
    Options o;
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--regex")
            o.flags |= TSearchFlags::RegExp;
        else if (a == "--case")
            o.flags |= TSearchFlags::MatchCase;
        else if (a == "--word")
            o.flags |= TSearchFlags::WholeWord;
        else if (a == "--up")
            o.flags |= TSearchFlags::Upward;
        else if (a == "--count")
            o.count = true;
        else if (a == "--stats")
            o.stats = true;
        else if (a == "--from" && i + 1 < args.size()) {
            char* end = nullptr;
            const std::string& n = args[++i];
            o.from = std::strtoll(n.c_str(), &end, 10);
            if (n.empty() || *end != '\0' || o.from < 0)
                o.error = "--from needs an offset, not '" + n + "'";
        } else if (a == "--replace-all" && i + 1 < args.size()) {
            o.replaceAll = true;
            o.replacement = args[++i];
        } else if (a == "--") {
            plain.insert(plain.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
            break;
        } else if (!a.empty() && a[0] == '-' && a.size() > 1)
            o.error = "unexpected argument '" + a + "'";
        else
            plain.push_back(a);
    }
    if (o.error.empty() && plain.size() != 2)
        o.error = "a pattern and a file are needed";
    if (o.error.empty()) {
        o.pattern = plain[0];
        o.file = plain[1];
    }
    if (o.error.empty() && o.pattern.empty())
        o.error = "the pattern is empty";
    if (o.error.empty() && o.count && o.replaceAll)
        o.error = "--count and --replace-all do not go together";
    return o;
}

// The editor's messages: a bad pattern's message is the only one kept.
class Messages : public memo::TMemoMessages {
public:
    void error(const std::string& text) override { last = text; }
    std::string last;
};

long ms(Clock::time_point a, Clock::time_point b)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count());
}

// Every match from the start to the end, each taken after the one before.
std::int64_t countMatches(memo::TSyntaxMemo& m, const Options& o)
{
    memo::TTextFinder finder;
    memo::TEdStream stream(m.store());
    const TSearchFlags flags = o.flags.without(TSearchFlags::Upward);
    std::int64_t n = 0;
    for (std::int64_t at = 0; at <= m.textLength();) {
        const auto match = finder.find(stream, o.pattern, flags, at);
        if (!match)
            break;
        ++n;
        at = match->end > match->start ? match->end : match->start + 1;
    }
    return n;
}

// The recorded positions of the last match: the table up to the match end.
std::string recordedPositions(memo::TSyntaxMemo& m)
{
    const memo::TREParser& re = m.searchRegex();
    const auto& table = re.positions();
    std::size_t last = 0;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i] != re.matchEnd())
            last = i;
    std::string out = "positions";
    for (std::size_t i = 0; i <= last + 1 && i < table.size(); ++i)
        out += ' ' + std::to_string(table[i]);
    return out;
}

int runFind(const std::vector<std::string>& args)
{
    const Options o = parse(args);
    if (!o.error.empty()) {
        std::cerr << "tessaly-syntax find: " << o.error << '\n';
        return 1;
    }
    memo::TSyntaxMemo m;
    Messages messages;
    m.setMessages(&messages);
    m.onSearchFail = [](memo::TSyntaxMemo&, const std::string&) {};
    const Clock::time_point t0 = Clock::now();
    try {
        m.loadFromFile(o.file);
    } catch (const std::exception& e) {
        std::cerr << "tessaly-syntax find: " << e.what() << '\n';
        return 1;
    }
    const Clock::time_point t1 = Clock::now();
    const bool upward = o.flags.has(TSearchFlags::Upward);
    const std::int64_t from = std::min(o.from >= 0 ? o.from : (upward ? m.textLength() : 0), m.textLength());
    m.setSelection(from, from);

    int status = 0;
    if (o.flags.has(TSearchFlags::RegExp) && !m.searchRegex().compile(o.pattern)) {
        // The engine's message, with the pattern and a caret under the error.
        m.findText(o.flags, o.pattern);
        std::cerr << messages.last << '\n';
        status = 1;
    } else if (o.count) {
        std::cout << countMatches(m, o) << '\n';
    } else if (o.replaceAll) {
        m.replaceAll(o.flags, o.pattern, o.replacement);
        m.saveToStream(std::cout);
    } else {
        const std::int64_t start = m.findText(o.flags, o.pattern);
        if (start < 0) {
            std::cout << "not found\n";
        } else {
            std::cout << start << ' ' << std::max(m.anchor(), m.caret()) << '\n';
            if (o.flags.has(TSearchFlags::RegExp))
                std::cout << recordedPositions(m) << '\n';
        }
    }
    if (o.stats)
        std::cerr << "load_ms=" << ms(t0, t1) << " search_ms=" << ms(t1, Clock::now()) << '\n';
    return status;
}

} // namespace

void addFindCommands(std::vector<Command>& commands)
{
    commands.push_back({"find",
                        "[--regex] [--case] [--word] [--up] [--from OFFSET] [--count | --replace-all TEXT] "
                        "[--stats] PATTERN FILE",
                        runFind});
}

} // namespace tessaly::tools
