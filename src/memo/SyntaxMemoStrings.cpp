#include "memo/SyntaxMemoStrings.h"

#include "memo/Normalise.h"
#include "memo/SyntaxMemo.h"

#include <sstream>

namespace tessaly::memo {

std::int64_t TSyntaxMemoStrings::count() const
{
    const TTextStore& s = memo_.store();
    if (s.recordCount().value() == 1 && s.length().value() == 0)
        return 0;
    return s.recordCount().value();
}

std::string TSyntaxMemoStrings::strings(std::int64_t i) const
{
    if (i < 0 || i >= memo_.store().recordCount().value())
        return {};
    std::string_view t = memo_.store().recordText(TRecordIndex(i));
    if (!t.empty() && t.back() == kCR)
        t.remove_suffix(1);
    return std::string(t.substr(0, 4096));
}

void TSyntaxMemoStrings::setStrings(std::int64_t i, std::string_view s)
{
    const TTextStore& st = memo_.store();
    if (i < 0 || i >= st.recordCount().value())
        return;
    const std::int64_t start = st.recordStart(TRecordIndex(i)).value();
    std::string_view t = st.recordText(TRecordIndex(i));
    std::int64_t end = start + static_cast<std::int64_t>(t.size());
    if (!t.empty() && t.back() == kCR)
        --end;
    memo_.setSelection(start, end, true);
    memo_.setSelText(s);
}

void TSyntaxMemoStrings::insert(std::int64_t i, std::string_view s)
{
    const std::int64_t n = count();
    if (i < 0 || i > n)
        return;
    const TTextStore& st = memo_.store();
    std::string text;
    if (i < n) {
        text.assign(s);
        text += "\r\n";
        memo_.setSelection(st.recordStart(TRecordIndex(i)).value(), st.recordStart(TRecordIndex(i)).value(), true);
    } else {
        const std::int64_t last = st.recordCount().value() - 1;
        if (!st.recordText(TRecordIndex(last)).empty())
            text += "\r\n";
        text.append(s);
        memo_.setSelection(st.length().value(), st.length().value(), true);
    }
    memo_.setSelText(text);
}

void TSyntaxMemoStrings::add(std::string_view s)
{
    insert(count(), s);
}

void TSyntaxMemoStrings::remove(std::int64_t i)
{
    const TTextStore& st = memo_.store();
    if (i < 0 || i >= st.recordCount().value())
        return;
    const std::int64_t start = st.recordStart(TRecordIndex(i)).value();
    const std::int64_t end
        = i + 1 < st.recordCount().value() ? st.recordStart(TRecordIndex(i + 1)).value() : st.length().value();
    memo_.setSelection(start, end, true);
    memo_.setSelText({});
}

void TSyntaxMemoStrings::clear()
{
    memo_.clear();
}

void TSyntaxMemoStrings::beginUpdate()
{
    if (updateDepth_++ == 0)
        memo_.setRedraw(false);
}

void TSyntaxMemoStrings::endUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        memo_.setRedraw(true);
}

std::string TSyntaxMemoStrings::text() const
{
    return memo_.text();
}

void TSyntaxMemoStrings::setText(std::string_view value)
{
    const std::string crlf = toCrLf(normalise(value));
    if (crlf == memo_.text())
        return;
    std::istringstream in(crlf);
    memo_.loadFromStream(in);
}

void TSyntaxMemoStrings::addStrings(const std::vector<std::string>& list)
{
    std::string all;
    for (const std::string& s : list) {
        all += s;
        all += "\r\n";
    }
    std::istringstream in(all);
    memo_.loadFromStream(in);
}

void TSyntaxMemoStrings::loadFromStream(std::istream& in)
{
    memo_.loadFromStream(in);
}

void TSyntaxMemoStrings::saveToStream(std::ostream& out)
{
    memo_.saveToStream(out);
}

void TSyntaxMemoStrings::loadFromFile(const std::filesystem::path& file)
{
    memo_.loadFromFile(file);
}

void TSyntaxMemoStrings::saveToFile(const std::filesystem::path& file)
{
    memo_.saveToFile(file);
}

} // namespace tessaly::memo
