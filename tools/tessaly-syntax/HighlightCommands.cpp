#include "HighlightCommands.h"

#include "ParserSource.h"

#include "memo/EdStream.h"
#include "memo/StyledExport.h"
#include "memo/SyntaxMemo.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>

namespace tessaly::tools {

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    std::string parser;
    std::string format = "html";
    std::string input;
    std::string output;
    bool stats = false;
    bool names = false;
    std::string error;
};

Options parse(const std::vector<std::string>& args, bool exporting)
{
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--parser" && i + 1 < args.size())
            o.parser = args[++i];
        else if (exporting && a == "--format" && i + 1 < args.size())
            o.format = args[++i];
        else if (exporting && a == "-o" && i + 1 < args.size())
            o.output = args[++i];
        else if (a == "--stats")
            o.stats = true;
        else if (!exporting && a == "--names")
            o.names = true;
        else if (o.input.empty() && (a.empty() || a[0] != '-'))
            o.input = a;
        else
            o.error = "unexpected argument '" + a + "'";
    }
    if (o.error.empty() && (o.parser.empty() || o.input.empty()))
        o.error = "a parser (--parser) and an input file are needed";
    if (o.error.empty() && o.format != "html" && o.format != "rtf")
        o.error = "unknown format '" + o.format + "' (html or rtf)";
    return o;
}

// The name a reader knows a token value's colour by: the editable style that
// uses the value's style, else "style N", else "-" for a value without one.
std::string styleName(const parser::TSM_Settings& settings, std::uint8_t value)
{
    const int style = settings.styleOf[value];
    if (style < 0)
        return "-";
    for (const auto& e : settings.editableStyles)
        if (e.style == style)
            return e.name;
    return "style " + std::to_string(style);
}

// The token's text on one line: printable ASCII as it is, anything else as
// \r, \n, \t or \xHH, cut after 40 bytes.
std::string visibleText(const memo::TSyntaxMemo& m, std::int64_t start, std::int64_t length)
{
    static const char hex[] = "0123456789ABCDEF";
    const std::string text = m.textRange(start, start + std::min<std::int64_t>(length, 40));
    std::string out;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\\')
            out += "\\\\";
        else if (c < 32 || c >= 127)
            out += std::string("\\x") + hex[c >> 4] + hex[c & 15];
        else
            out += ch;
    }
    return length > 40 ? out + "..." : out;
}

long ms(Clock::time_point a, Clock::time_point b)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count());
}

// Loads the input into an editor that the parser will highlight; the
// highlighting pass itself runs when the document is written.
bool prepare(const Options& o, parser::TSyntaxMemoParser& p, memo::TSyntaxMemo& m, long& loadMs)
{
    if (const std::string why = loadParser(o.parser, p); !why.empty()) {
        std::cerr << "tessaly-syntax: " << why << '\n';
        return false;
    }
    const auto t0 = Clock::now();
    try {
        m.loadFromFile(o.input);
    } catch (const std::exception& e) {
        std::cerr << "tessaly-syntax: " << e.what() << '\n';
        return false;
    }
    const auto t1 = Clock::now();
    // Without redraw the editor does not highlight on its own.
    m.setRedraw(false);
    m.setParser(1, &p);
    m.setActiveParser(1);
    loadMs = ms(t0, t1);
    return true;
}

int tokens(const std::vector<std::string>& args)
{
    const Options o = parse(args, false);
    if (!o.error.empty()) {
        std::cerr << "tessaly-syntax tokens: " << o.error << '\n';
        return 1;
    }
    parser::TSyntaxMemoParser p;
    memo::TSyntaxMemo m;
    if (const std::string why = loadParser(o.parser, p); !why.empty()) {
        std::cerr << "tessaly-syntax: " << why << '\n';
        return 1;
    }
    const auto t0 = Clock::now();
    try {
        m.loadFromFile(o.input);
    } catch (const std::exception& e) {
        std::cerr << "tessaly-syntax: " << e.what() << '\n';
        return 1;
    }
    const auto t1 = Clock::now();
    // A full scan from the document start, as the editor scans.
    memo::TEdStream s(m);
    p.resumeAt(0);
    std::string out;
    while (!s.atEnd()) {
        const std::int64_t start = s.position();
        const bool wasPending = p.lookaheadPending();
        std::int64_t length = 0;
        const std::uint8_t value = p.nextToken(s, length);
        if (!wasPending && p.lookaheadPending()) {
            s.setPosition(start);
            continue;
        }
        out += std::to_string(start) + ' ' + std::to_string(length) + ' ' + std::to_string(value);
        if (o.names)
            out += " [" + styleName(p.tables().settings, value) + "] " + visibleText(m, start, length);
        out += '\n';
        if (out.size() > (1u << 16)) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out << std::flush;
    const auto t2 = Clock::now();
    if (o.stats)
        std::cerr << "load_ms=" << ms(t0, t1) << " highlight_ms=" << ms(t1, t2) << " write_ms=0\n";
    return 0;
}

int exportDocument(const std::vector<std::string>& args)
{
    const Options o = parse(args, true);
    if (!o.error.empty()) {
        std::cerr << "tessaly-syntax export: " << o.error << '\n';
        return 1;
    }
    parser::TSyntaxMemoParser p;
    memo::TSyntaxMemo m;
    long loadMs = 0;
    if (!prepare(o, p, m, loadMs))
        return 1;
    std::ofstream file;
    if (!o.output.empty()) {
        file.open(o.output, std::ios::binary);
        if (!file) {
            std::cerr << "tessaly-syntax: " << o.output << ": cannot be written\n";
            return 1;
        }
    }
    std::ostream& out = o.output.empty() ? std::cout : file;
    // The HTML writer writes records while the highlighting pass goes on:
    // highlight_ms ends with the pass, write_ms is what writing takes after.
    const auto t0 = Clock::now();
    auto highlighted = t0;
    m.onHighlightProgress = [&highlighted](std::int64_t) { highlighted = Clock::now(); };
    if (o.format == "rtf") {
        m.highlightAll();
        highlighted = Clock::now();
        const std::string rtf = memo::writeRtf(m, 0, m.textLength());
        out.write(rtf.data(), static_cast<std::streamsize>(rtf.size()));
    } else {
        memo::writeHtml(m, out, "");
    }
    out.flush();
    if (!out) {
        std::cerr << "tessaly-syntax: " << (o.output.empty() ? "standard output" : o.output) << ": write failed\n";
        return 1;
    }
    const auto t1 = Clock::now();
    if (o.stats)
        std::cerr << "load_ms=" << loadMs << " highlight_ms=" << ms(t0, highlighted) << " write_ms=" << ms(highlighted, t1)
                  << '\n';
    return 0;
}

} // namespace

void addHighlightCommands(std::vector<Command>& commands)
{
    commands.push_back({"tokens", "--parser html|javascript|vbscript|text|FILE [--names] [--stats] INPUT", &tokens});
    commands.push_back(
        {"export", "--parser html|javascript|vbscript|text|FILE --format html|rtf [--stats] INPUT [-o OUT]", &exportDocument});
}

} // namespace tessaly::tools
