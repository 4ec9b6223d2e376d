// Long random sequences of editing operations, checked after every step
// against a plain string holding the text in the store's form.
#include "MemoTestUtil.h"

#include "memo/Normalise.h"

#include <random>
#include <sstream>

namespace tessaly::memo::test {
namespace {

struct Snap {
    std::string text;
    std::int64_t anchor = 0;
    std::int64_t caret = 0;
};

// The model: the text, the selection and the undo history as snapshots.
struct Model {
    Snap cur;
    std::vector<std::pair<Snap, Snap>> undo;
    std::vector<std::pair<Snap, Snap>> redo;
    bool autoIndent = false, useTab = false, smartFill = false, tabToColumn = false, insertMode = true;

    std::int64_t selStart() const { return std::min(cur.anchor, cur.caret); }
    std::int64_t selEnd() const { return std::max(cur.anchor, cur.caret); }

    void replace(std::string_view raw)
    {
        std::string norm;
        if (raw.size() == 1)
            norm.assign(1, raw[0] == '\n' ? '\r' : raw[0]);
        else
            norm = normalise(raw);
        const std::int64_t s = selStart();
        cur.text.replace(static_cast<std::size_t>(s), static_cast<std::size_t>(selEnd() - s), norm);
        cur.anchor = cur.caret = s + static_cast<std::int64_t>(norm.size());
    }

    bool hasLongLine() const
    {
        std::size_t run = 0;
        for (char c : cur.text) {
            run = c == '\r' ? 0 : run + 1;
            if (run > 2000)
                return true;
        }
        return false;
    }
    std::int64_t lineStart(std::int64_t off) const
    {
        while (off > 0 && cur.text[static_cast<std::size_t>(off - 1)] != '\r')
            --off;
        return off;
    }
    std::int64_t lineEnd(std::int64_t off) const // before the CR
    {
        while (off < static_cast<std::int64_t>(cur.text.size()) && cur.text[static_cast<std::size_t>(off)] != '\r')
            ++off;
        return off;
    }
    static int nextStop(int c) { return 8 + c - c % 8; }
    int dcol(std::int64_t ls, std::int64_t off) const
    {
        int d = 0;
        for (std::int64_t i = ls; i < off; ++i)
            d = cur.text[static_cast<std::size_t>(i)] == '\t' ? nextStop(d) : d + 1;
        return d;
    }
    void fill(int from, int to)
    {
        if (to <= from)
            return;
        std::string f;
        if (useTab && smartFill) {
            int c = from;
            while (nextStop(c) <= to) {
                f += '\t';
                c = nextStop(c);
            }
            f.append(static_cast<std::size_t>(to - c), ' ');
        } else {
            f.assign(static_cast<std::size_t>(to - from), ' ');
        }
        replace(f);
    }

    void typeEnter()
    {
        const std::int64_t ls = lineStart(selStart());
        std::int64_t i = ls;
        while (i < selStart() && (cur.text[static_cast<std::size_t>(i)] == ' ' || cur.text[static_cast<std::size_t>(i)] == '\t'))
            ++i;
        const char first = ls < static_cast<std::int64_t>(cur.text.size()) ? cur.text[static_cast<std::size_t>(ls)] : '\r';
        const bool textAtZero = first != '\r' && first != ' ' && first != '\t';
        int indent = i == ls ? 0 : dcol(ls, i);
        const bool walk = indent == 0 && !textAtZero;
        replace("\r");
        if (walk) {
            std::int64_t end = cur.caret - 1; // the CR just typed
            while (true) {
                const std::int64_t s = lineStart(end);
                std::int64_t j = s;
                while (j < end && (cur.text[static_cast<std::size_t>(j)] == ' ' || cur.text[static_cast<std::size_t>(j)] == '\t'))
                    ++j;
                if (j < end) {
                    indent = dcol(s, j);
                    break;
                }
                if (s == 0)
                    break;
                end = s - 1;
            }
        }
        fill(0, indent);
    }

    void smartTab()
    {
        const std::int64_t ls = lineStart(cur.caret);
        const int col = dcol(ls, cur.caret);
        int target = nextStop(col);
        if (tabToColumn && ls > 0) {
            std::int64_t end = ls - 1;
            while (true) {
                const std::int64_t s = lineStart(end);
                if (dcol(s, end) > col) {
                    std::int64_t j = s;
                    while (j < end && dcol(s, j + 1) <= col)
                        ++j;
                    auto blank = [&](std::int64_t k) { return cur.text[static_cast<std::size_t>(k)] == ' ' || cur.text[static_cast<std::size_t>(k)] == '\t'; };
                    while (j < end && !blank(j))
                        ++j;
                    while (j < end && blank(j))
                        ++j;
                    target = dcol(s, j);
                    break;
                }
                if (s == 0)
                    break;
                end = s - 1;
            }
        }
        cur.anchor = cur.caret;
        fill(col, target);
    }

    void type(char c)
    {
        if (c == '\t' && (tabToColumn || !useTab)) {
            smartTab();
            return;
        }
        if (!insertMode && cur.anchor == cur.caret && cur.caret < static_cast<std::int64_t>(cur.text.size())
            && cur.text[static_cast<std::size_t>(cur.caret)] != '\r')
            cur.caret++;
        if (c == '\r' && autoIndent)
            typeEnter();
        else
            replace(std::string_view(&c, 1));
    }
};

// Typing and Lines work on records; the model knows lines. They agree while no
// line is cut into pieces.
bool recordsAreLines(const TSyntaxMemo& m, const Model& model)
{
    return !model.hasLongLine()
        && m.store().recordCount().value() == 1 + std::count(model.cur.text.begin(), model.cur.text.end(), '\r');
}

std::string randomText(std::mt19937& rng, int maxLen)
{
    static const char pieces[] = {'a', 'b', 'c', ' ', ' ', '\t', '\r', '\n', '\x07', '\xe9', '-', '(', 'x', '\0'};
    std::uniform_int_distribution<int> len(0, maxLen);
    std::uniform_int_distribution<int> pick(0, sizeof pieces - 1);
    std::string s;
    const int n = len(rng);
    for (int i = 0; i < n; ++i) {
        const int k = pick(rng);
        if (k == static_cast<int>(sizeof pieces) - 1 && rng() % 8 == 0)
            s.append(1500 + rng() % 3500, 'L'); // a long line, cut into records
        else if (k == static_cast<int>(sizeof pieces) - 1)
            s += "\r\n";
        else
            s += pieces[k];
    }
    return s;
}

std::string lastOp;

void expectSame(const TSyntaxMemo& m, const Model& model, int step)
{
    ASSERT_TRUE(storeConsistent(m)) << "step " << step;
    const std::string got = storeText(m);
    if (got != model.cur.text) {
        std::size_t i = 0;
        while (i < got.size() && i < model.cur.text.size() && got[i] == model.cur.text[i])
            ++i;
        FAIL() << "step " << step << " after " << lastOp << ": texts differ at " << i << " (lengths " << got.size() << ", "
               << model.cur.text.size() << "): got '" << ::testing::PrintToString(got.substr(i > 20 ? i - 20 : 0, 40))
               << "' want '" << ::testing::PrintToString(model.cur.text.substr(i > 20 ? i - 20 : 0, 40)) << "'";
    }
    ASSERT_EQ(m.anchor(), model.cur.anchor) << "step " << step;
    ASSERT_EQ(m.caret(), model.cur.caret) << "step " << step;
    ASSERT_EQ(m.selText(), toCrLf(model.cur.text.substr(static_cast<std::size_t>(model.selStart()),
                                                          static_cast<std::size_t>(model.selEnd() - model.selStart()))));
    ASSERT_EQ(m.modified(), !model.undo.empty()) << "step " << step;
    ASSERT_EQ(m.canRedo(), !model.redo.empty()) << "step " << step;
}

void runSequence(unsigned seed, int steps)
{
    std::mt19937 rng(seed);
    TSyntaxMemo m;
    Model model;
    const std::string initial = randomText(rng, 200);
    {
        std::istringstream in(initial);
        m.loadFromStream(in);
        model.cur = {normalise(initial), 0, 0};
    }

    for (int step = 0; step < steps; ++step) {
        const int op = static_cast<int>(rng() % 100);
        const std::int64_t len = static_cast<std::int64_t>(model.cur.text.size());
        auto pos = [&] { return static_cast<std::int64_t>(rng() % static_cast<unsigned>(len + 1)); };
        if (op < 40) { // replace a random range
            const std::int64_t a = pos(), c = pos();
            m.setSelection(a, c);
            model.cur.anchor = a;
            model.cur.caret = c;
            const Snap before = model.cur;
            const std::string raw = randomText(rng, rng() % 4 == 0 ? 1 : 30);
            lastOp = "replace " + std::to_string(a) + ".." + std::to_string(c) + " with " + std::to_string(raw.size());
            m.setSelText(raw);
            model.replace(raw);
            // Nothing replaced by nothing is no edit: no step, the redo stays.
            if (a != c || model.cur.text != before.text) {
                model.undo.push_back({before, model.cur});
                model.redo.clear();
            }
        } else if (op < 65 && recordsAreLines(m, model)) { // typing
            model.autoIndent = rng() % 2;
            model.useTab = rng() % 2;
            model.smartFill = rng() % 2;
            model.tabToColumn = rng() % 2;
            model.insertMode = rng() % 5 != 0;
            TSyntaxMemoOptions o;
            o.set(TSyntaxMemoOption::smoAutoIndent, model.autoIndent);
            o.set(TSyntaxMemoOption::smoUseTAB, model.useTab);
            o.set(TSyntaxMemoOption::smoSmartFill, model.smartFill);
            o.set(TSyntaxMemoOption::smoTabToColumn, model.tabToColumn);
            m.setOptions(o);
            m.setInsertMode(model.insertMode);
            const std::int64_t a = pos();
            m.setSelection(a, a);
            model.cur.anchor = model.cur.caret = a;
            static const char keys[] = {'a', 'b', ' ', '\t', '\r', '\r', 'z', '(', '\xe9'};
            const char c = keys[rng() % sizeof keys];
            const Snap before = model.cur;
            lastOp = std::string("type ") + std::to_string(int(c)) + " at " + std::to_string(a);
            m.typeChar(static_cast<unsigned char>(c));
            model.type(c);
            model.undo.push_back({before, model.cur});
            model.redo.clear();
        } else if (op < 80) {
            lastOp = "undo";
            if (!model.undo.empty()) {
                m.undo();
                model.redo.push_back(model.undo.back());
                model.cur = model.undo.back().first;
                model.undo.pop_back();
            }
        } else if (op < 90) {
            lastOp = "redo";
            if (!model.redo.empty()) {
                m.redo();
                model.undo.push_back(model.redo.back());
                model.cur = model.redo.back().second;
                model.redo.pop_back();
            }
        } else if (op < 97 && recordsAreLines(m, model)) { // Lines edits
            const std::int64_t count = m.lines().count();
            const Snap beforeSel = model.cur;
            const int kind = static_cast<int>(rng() % 3);
            const std::int64_t i = static_cast<std::int64_t>(rng() % static_cast<unsigned>(count + 1));
            lastOp = "lines op " + std::to_string(kind) + " at " + std::to_string(i) + " of " + std::to_string(count);
            const std::string s = "ln" + std::to_string(rng() % 100);
            Snap before = model.cur;
            if (kind == 0) {
                m.lines().add(s);
                const bool lastEmpty = model.cur.text.empty() || model.cur.text.back() == '\r';
                model.cur.text += (lastEmpty ? "" : "\r") + s;
                before.anchor = before.caret = len;
                model.cur.anchor = model.cur.caret = static_cast<std::int64_t>(model.cur.text.size());
            } else if (kind == 1 && i < count) {
                m.lines().remove(i);
                std::int64_t st = 0;
                for (std::int64_t k = 0; k < i; ++k)
                    st = model.lineEnd(st) + 1;
                std::int64_t en = model.lineEnd(st);
                if (en < len)
                    ++en;
                model.cur.text.erase(static_cast<std::size_t>(st), static_cast<std::size_t>(en - st));
                before.anchor = st;
                before.caret = en;
                model.cur.anchor = model.cur.caret = st;
            } else if (kind == 2 && i < count) {
                m.lines().setStrings(i, s);
                std::int64_t st = 0;
                for (std::int64_t k = 0; k < i; ++k)
                    st = model.lineEnd(st) + 1;
                const std::int64_t en = model.lineEnd(st);
                model.cur.text.replace(static_cast<std::size_t>(st), static_cast<std::size_t>(en - st), s);
                before.anchor = st;
                before.caret = en;
                model.cur.anchor = model.cur.caret = st + static_cast<std::int64_t>(s.size());
            } else {
                continue;
            }
            (void)beforeSel;
            if (before.anchor != before.caret || model.cur.text != before.text) {
                model.undo.push_back({before, model.cur});
                model.redo.clear();
            }
        } else if (op >= 97) { // load
            const std::string raw = randomText(rng, 100);
            lastOp = "load";
            std::istringstream in(raw);
            m.loadFromStream(in);
            model.cur = {normalise(raw), 0, 0};
            model.undo.clear();
            model.redo.clear();
        }
        expectSame(m, model, step);
        if (::testing::Test::HasFatalFailure())
            return;
    }

    // Undo everything, then redo everything.
    const Snap last = model.redo.empty() ? model.cur : model.redo.front().second;
    const Snap first = model.undo.empty() ? model.cur : model.undo.front().first;
    while (m.canUndo())
        m.undo();
    EXPECT_EQ(storeText(m), first.text);
    EXPECT_FALSE(m.modified());
    while (m.canRedo())
        m.redo();
    EXPECT_EQ(storeText(m), last.text);
    EXPECT_TRUE(storeConsistent(m));
}

TEST(Differential, RandomEditsMatchAPlainStringModel)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        runSequence(seed, 400);
        if (HasFatalFailure())
            return;
    }
}

} // namespace
} // namespace tessaly::memo::test
