// RTF and HTML writers. Both walk the records of a range, group characters
// into runs of equal token values and write each run in its style. Valid
// UTF-8 sequences are written as one character (\uN? and &#N;), other high
// bytes as single bytes.
#include "memo/StyledExport.h"

#include "memo/SyntaxMemo.h"
#include "memo/Utf8.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cstdio>
#include <cstring>
#include <functional>
#include <future>
#include <ostream>
#include <vector>

namespace tessaly::memo {

namespace {

// The styles of all token values, asked once per export.
struct StyleTable {
    explicit StyleTable(const THighlighter* h)
    {
        for (int v = 0; v < 256; ++v)
            styles[static_cast<std::size_t>(v)] = h ? h->tokenStyle(static_cast<std::uint8_t>(v)) : TTokenStyle{};
    }
    const TTokenStyle& operator[](std::uint8_t v) const { return styles[v]; }
    std::array<TTokenStyle, 256> styles;
};

TTokenStyle documentStyle(const THighlighter* h)
{
    return h ? h->defaultStyle() : TTokenStyle{};
}

// The end of the run of values equal to vals[i] in [i, end). Compares eight
// values at a time: runs are mostly short, and a byte-by-byte loop pays a
// mispredicted branch at every run's end.
std::size_t runEnd(std::string_view vals, std::size_t i, std::size_t end)
{
    const std::uint64_t pattern = 0x0101010101010101ull * static_cast<unsigned char>(vals[i]);
    std::size_t j = i + 1;
    while (j + 8 <= end) {
        std::uint64_t word;
        std::memcpy(&word, vals.data() + j, 8);
        if (const std::uint64_t diff = word ^ pattern; diff != 0) {
            // The lowest differing byte comes first in memory on a
            // little-endian machine; on a big-endian one, the highest.
            if constexpr (std::endian::native == std::endian::little)
                return j + static_cast<std::size_t>(std::countr_zero(diff) / 8);
            else
                return j + static_cast<std::size_t>(std::countl_zero(diff) / 8);
        }
        j += 8;
    }
    while (j < end && vals[j] == vals[i])
        ++j;
    return j;
}

// Calls run(text, value, true) for each run of equal values of the record
// piece text[a, b) whose values are vals; run(piece, 0, false) when the
// record has no values.
template <class Run>
void runsOf(std::string_view text, std::string_view vals, std::size_t a, std::size_t b, Run& run)
{
    if (vals.empty()) {
        run(text.substr(a, b - a), std::uint8_t{0}, false);
        return;
    }
    std::size_t i = a;
    while (i < b) {
        const std::size_t j = runEnd(vals, i, b);
        run(text.substr(i, j - i), static_cast<std::uint8_t>(vals[i]), true);
        i = j;
    }
}

// Calls run(text, value, hasValues) for each run of equal token values of
// [start, end), record by record, and endRecord() after each record.
template <class Run, class End>
void forEachRun(const TTextStore& store, std::int64_t start, std::int64_t end, Run run, End endRecord)
{
    if (start >= end)
        return;
    const std::int64_t first = store.recordOf(TTextOffset(start)).value();
    const std::int64_t last = store.recordOf(TTextOffset(end > 0 ? end - 1 : 0)).value();
    for (std::int64_t r = first; r <= last; ++r) {
        const std::int64_t rs = store.recordStart(TRecordIndex(r)).value();
        const std::string_view text = store.recordText(TRecordIndex(r));
        const std::string_view vals = store.recordTokens(TRecordIndex(r));
        const std::size_t a = static_cast<std::size_t>(std::max<std::int64_t>(start - rs, 0));
        const std::size_t b = static_cast<std::size_t>(std::min<std::int64_t>(end - rs, static_cast<std::int64_t>(text.size())));
        runsOf(text, vals, a, b, run);
        endRecord();
    }
}

void rtfChars(std::string_view text, std::string& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    char buf[32];
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = p[i];
        if (c >= 0x80) {
            if (const int len = utf8Length(text, i); len > 1) {
                std::uint32_t cp = static_cast<std::uint32_t>(utf8Decode(text, i));
                auto unit = [&](std::uint32_t u) {
                    std::snprintf(buf, sizeof buf, "\\u%d?", static_cast<int>(static_cast<std::int16_t>(u)));
                    out += buf;
                };
                if (cp > 0xFFFF) {
                    cp -= 0x10000;
                    unit(0xD800 + (cp >> 10));
                    unit(0xDC00 + (cp & 0x3FF));
                } else {
                    unit(cp);
                }
                i += static_cast<std::size_t>(len) - 1;
                continue;
            }
        }
        switch (c) {
        case 0:
            break;
        case '\t':
            out += "\\tab ";
            break;
        case 12:
            out += "\\page ";
            break;
        case '\r':
            out += "\\line ";
            break;
        case '\'':
            out += "\\'27";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '{':
            out += "\\{";
            break;
        case '}':
            out += "\\}";
            break;
        default:
            if (c < 32 || c > 127) {
                std::snprintf(buf, sizeof buf, "\\'%02x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
}

// The characters an HTML page takes as they are.
constexpr std::array<bool, 256> kHtmlPlain = [] {
    std::array<bool, 256> t{};
    for (int c = 32; c < 128; ++c)
        t[static_cast<std::size_t>(c)] = c != '"' && c != '<' && c != '>';
    return t;
}();

template <class Out>
[[gnu::always_inline]] inline void htmlChars(std::string_view text, Out& out)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    auto plain = [](unsigned char c) { return kHtmlPlain[c]; };
    for (std::size_t i = 0; i < n; ++i) {
        if (plain(p[i])) {
            // A run that needs no escaping goes out in one piece.
            std::size_t j = i + 1;
            while (j < n && plain(p[j]))
                ++j;
            out.append(text.data() + i, j - i);
            i = j - 1;
            continue;
        }
        const unsigned char c = p[i];
        if (c >= 0x80) {
            if (const int len = utf8Length(text, i); len > 1) {
                out += "&#" + std::to_string(static_cast<std::uint32_t>(utf8Decode(text, i))) + ";";
                i += static_cast<std::size_t>(len) - 1;
            } else if (c == 160) {
                out += "&nbsp;";
            } else {
                out += "&#" + std::to_string(c) + ";";
            }
            continue;
        }
        switch (c) {
        case '\t':
            out += "&nbsp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            if (c >= 32)
                out += static_cast<char>(c);
        }
    }
}

// Collects output in a large buffer and writes it to a stream in pieces of
// that size; the short appends of an export are then a few stores each.
// A full piece is written by a second thread while the next one fills, so
// the copying into the file overlaps making the text.
class TChunkedOutput {
public:
    explicit TChunkedOutput(std::ostream& os) : os_(os)
    {
        filling_.resize(kSize);
        writing_.resize(kSize);
    }
    ~TChunkedOutput()
    {
        if (pending_.valid())
            pending_.wait();
    }

    void append(const char* p, std::size_t n)
    {
        if (n > kSize - used_) {
            flush();
            if (n > kSize) {
                pending_.get();
                os_.write(p, static_cast<std::streamsize>(n));
                return;
            }
        }
        char* to = filling_.data() + used_;
        if (n <= 16) {
            for (std::size_t i = 0; i < n; ++i)
                to[i] = p[i];
        } else {
            std::memcpy(to, p, n);
        }
        used_ += n;
    }
    TChunkedOutput& operator+=(std::string_view text)
    {
        append(text.data(), text.size());
        return *this;
    }
    TChunkedOutput& operator+=(char c)
    {
        append(&c, 1);
        return *this;
    }
    // Hands what is collected to the writing thread; returns at once.
    void flush()
    {
        if (pending_.valid())
            pending_.get();
        std::swap(filling_, writing_);
        const std::size_t n = used_;
        used_ = 0;
        pending_ = std::async(std::launch::async, [this, n] { os_.write(writing_.data(), static_cast<std::streamsize>(n)); });
    }
    // Writes everything and waits until it is written.
    void finish()
    {
        flush();
        pending_.get();
    }

private:
    static constexpr std::size_t kSize = 1u << 20;
    std::ostream& os_;
    std::vector<char> filling_;
    std::vector<char> writing_;
    std::size_t used_ = 0;
    std::future<void> pending_;
};

std::string hexColour(TColor colour)
{
    const TColor c = colour.resolved();
    static const char digits[] = "0123456789abcdef";
    std::string out(6, '0');
    const int parts[3] = {c.red(), c.green(), c.blue()};
    for (int i = 0; i < 3; ++i) {
        out[static_cast<std::size_t>(2 * i)] = digits[parts[i] >> 4];
        out[static_cast<std::size_t>(2 * i + 1)] = digits[parts[i] & 15];
    }
    return out;
}

} // namespace

std::string writeRtf(const TSyntaxMemo& memo, std::int64_t start, std::int64_t end)
{
    const THighlighter* h = memo.highlighter();
    const TTokenStyle def = documentStyle(h);
    std::string out = "{\\rtf1 \\deff1{\\fonttbl {\\f1 \\fnil " + (h ? h->fontName() : std::string("Courier New")) + ";}}\r\n";

    std::vector<TColor> table{def.foreground.resolved(), def.background.resolved()};
    auto add = [&table](TColor c) {
        c = c.resolved();
        if (table.size() < 256 && std::find(table.begin(), table.end(), c) == table.end())
            table.push_back(c);
    };
    for (int t = 0; t < 256 && h; ++t) {
        const TTokenStyle s = h->tokenStyle(static_cast<std::uint8_t>(t));
        if (s.ownColours) {
            add(s.foreground);
            add(s.background);
        }
    }
    out += "{\\colortbl";
    char buf[64];
    for (const TColor c : table) {
        std::snprintf(buf, sizeof buf, "\\red%d\\green%d\\blue%d;", c.red(), c.green(), c.blue());
        out += buf;
    }
    out += "}\r\n";
    std::snprintf(buf, sizeof buf, "{\\f1\\fs%d\\cf0\\cb1 ", (h ? h->fontSize() : 10) * 2);
    out += buf;

    auto indexOf = [&table](TColor c, int fallback) {
        const auto it = std::find(table.begin(), table.end(), c.resolved());
        return it == table.end() ? fallback : static_cast<int>(it - table.begin());
    };
    const StyleTable styleOf(h);
    bool bold = false, italic = false, underline = false;
    int cf = 0, cb = 1;
    forEachRun(
        memo.store(), start, end,
        [&](std::string_view text, std::uint8_t value, bool styled) {
            if (styled) {
                const TTokenStyle& s = styleOf[value];
                if (s.bold != bold)
                    out += (bold = s.bold) ? "\\b1 " : "\\b0 ";
                if (s.italic != italic)
                    out += (italic = s.italic) ? "\\i1 " : "\\i0 ";
                if (s.underline != underline)
                    out += (underline = s.underline) ? "\\ul1 " : "\\ul0 ";
                const int f = indexOf(s.ownColours ? s.foreground : def.foreground, 0);
                if (f != cf) {
                    cf = f;
                    out += "\\cf" + std::to_string(f) + " ";
                }
                const int b = indexOf(s.ownColours ? s.background : def.background, 1);
                if (b != cb) {
                    cb = b;
                    out += "\\cb" + std::to_string(b) + " ";
                }
            }
            rtfChars(text, out);
        },
        [&] { out += "\r\n"; });
    out += "}}";
    return out;
}

void writeHtml(TSyntaxMemo& memo, std::ostream& os, const std::string& dateText)
{
    const THighlighter* h = memo.highlighter();
    const TTokenStyle def = documentStyle(h);
    std::string head = "<HTML><HEAD>\r\n<META NAME=\"Generator\" CONTENT=\"Tessaly TSyntaxMemo ";
    head += TSyntaxMemo::kVersion;
    head += "\">\r\n<TITLE>";
    htmlChars(memo.printTitle(), head);
    head += "</TITLE>\r\n<META NAME=\"Date\" CONTENT=\"";
    htmlChars(dateText, head);
    head += "\">\r\n</HEAD>\r\n";
    head += "<BODY TEXT=\"#" + hexColour(def.foreground) + "\" BGCOLOR=\"#" + hexColour(def.background) + "\">\r\n";
    head += "<PRE><FONT FACE=\"" + (h ? h->fontName() : std::string("Courier New")) + "\">\r\n";

    const StyleTable styleOf(h);
    // Each value's text colour and the tags that switch to it, made once.
    std::array<TColor, 256> colourOf{};
    std::array<std::string, 256> fontTag;
    for (int v = 0; v < 256; ++v) {
        const TTokenStyle& s = styleOf[static_cast<std::uint8_t>(v)];
        colourOf[static_cast<std::size_t>(v)] = (s.ownColours ? s.foreground : def.foreground).resolved();
        fontTag[static_cast<std::size_t>(v)] = "</FONT><FONT COLOR=\"#" + hexColour(colourOf[static_cast<std::size_t>(v)]) + "\">";
    }

    // The document is highlighted from its first record on; a second thread
    // writes each record as soon as the pass has stored it. ready counts
    // the records whose values are final (kAbandoned: stop).
    constexpr std::int64_t kAbandoned = -1;
    std::atomic<std::int64_t> ready{0};
    auto format = [&] {
        TChunkedOutput sink(os);
        sink += head;
        bool bold = false, italic = false, underline = false;
        TColor colour = def.foreground.resolved();
        auto run = [&](std::string_view text, std::uint8_t value, bool styled) {
            if (styled) {
                const TTokenStyle& s = styleOf[value];
                if (colourOf[value] != colour) {
                    colour = colourOf[value];
                    sink += fontTag[value];
                }
                if (s.bold != bold)
                    sink += (bold = s.bold) ? "<B>" : "</B>";
                if (s.italic != italic)
                    sink += (italic = s.italic) ? "<I>" : "</I>";
                if (s.underline != underline)
                    sink += (underline = s.underline) ? "<U>" : "</U>";
            }
            htmlChars(text, sink);
        };
        TTextStore::RecordReader record(memo.store());
        std::int64_t available = ready.load(std::memory_order_acquire);
        for (;;) {
            while (available <= record.record().value()) {
                if (available == kAbandoned)
                    return;
                ready.wait(available, std::memory_order_acquire);
                available = ready.load(std::memory_order_acquire);
            }
            const std::string_view text = record.text();
            runsOf(text, record.tokens(), 0, text.size(), run);
            sink += "\r\n";
            if (!record.next())
                break;
        }
        sink += "</PRE></FONT></BODY></HTML>\r\n";
        sink.finish();
    };
    auto publish = [&ready](std::int64_t records) {
        ready.store(records, std::memory_order_release);
        ready.notify_one();
    };
    std::future<void> formatted = std::async(std::launch::async, format);
    std::function<void(std::int64_t)> previous = memo.onHighlightProgress;
    memo.onHighlightProgress = [&](std::int64_t records) {
        publish(records);
        if (previous)
            previous(records);
    };
    try {
        memo.highlightAll();
    } catch (...) {
        memo.onHighlightProgress = previous;
        publish(kAbandoned);
        formatted.wait();
        throw;
    }
    memo.onHighlightProgress = previous;
    // Every record holds its final values now, also those the pass did
    // not need to scan again.
    publish(memo.store().recordCount().value());
    formatted.get();
}

} // namespace tessaly::memo
