#include "platform/IniFile.h"

#include "platform/AtomicWrite.h"

#include <fstream>
#include <sstream>

namespace tessaly::platform {

namespace {

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string oneLine(std::string_view value)
{
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

TIniFile::TIniFile(std::filesystem::path file) : file_(std::move(file))
{
    load();
}

void TIniFile::load()
{
    lines_.clear();
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return;
    std::string text;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        // A byte-order mark written by some editors is not part of the first line.
        if (lines_.empty() && text.rfind("\xEF\xBB\xBF", 0) == 0)
            text.erase(0, 3);
        lines_.push_back(parse(std::move(text)));
    }
}

TIniFile::Line TIniFile::parse(std::string text)
{
    Line line;
    const std::string_view t = trim(text);
    if (t.empty() || t.front() == ';' || t.front() == '#') {
        // blank line or comment
    } else if (t.front() == '[') {
        const auto close = t.find(']');
        if (close != std::string_view::npos) {
            line.kind = Line::Kind::section;
            line.name = std::string(trim(t.substr(1, close - 1)));
        }
    } else if (const auto eq = t.find('='); eq != std::string_view::npos && eq > 0) {
        line.kind = Line::Kind::key;
        line.name = std::string(trim(t.substr(0, eq)));
    }
    line.text = std::move(text);
    return line;
}

std::optional<TIniFile::Range> TIniFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Line::Kind::section || !sameName(lines_[i].name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Line::Kind::section)
            ++end;
        return Range{i, i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> TIniFile::findKey(const Range& r, std::string_view key) const
{
    for (std::size_t i = r.first; i < r.last; ++i)
        if (lines_[i].kind == Line::Kind::key && sameName(lines_[i].name, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> TIniFile::value(std::string_view section, std::string_view key) const
{
    const auto r = findSection(section);
    if (!r)
        return std::nullopt;
    const auto k = findKey(*r, key);
    if (!k)
        return std::nullopt;
    const std::string& text = lines_[*k].text;
    return std::string(trim(std::string_view(text).substr(text.find('=') + 1)));
}

std::string TIniFile::readString(std::string_view section, std::string_view key, std::string_view def) const
{
    auto v = value(section, key);
    return v ? *v : std::string(def);
}

int TIniFile::readInteger(std::string_view section, std::string_view key, int def) const
{
    const auto v = value(section, key);
    if (!v)
        return def;
    std::size_t i = 0;
    const bool negative = i < v->size() && (*v)[i] == '-';
    if (i < v->size() && ((*v)[i] == '-' || (*v)[i] == '+'))
        ++i;
    if (i >= v->size() || (*v)[i] < '0' || (*v)[i] > '9')
        return def;
    long long n = 0;
    for (; i < v->size() && (*v)[i] >= '0' && (*v)[i] <= '9'; ++i) {
        n = n * 10 + ((*v)[i] - '0');
        if (n > 2147483648LL)
            return def; // out of range
    }
    if (negative)
        n = -n;
    if (n > 2147483647LL)
        return def;
    return static_cast<int>(n);
}

bool TIniFile::sectionExists(std::string_view section) const
{
    return findSection(section).has_value();
}

bool TIniFile::valueExists(std::string_view section, std::string_view key) const
{
    return value(section, key).has_value();
}

std::vector<std::string> TIniFile::readSections() const
{
    std::vector<std::string> out;
    for (const Line& l : lines_)
        if (l.kind == Line::Kind::section)
            out.push_back(l.name);
    return out;
}

std::vector<std::string> TIniFile::readSection(std::string_view section) const
{
    std::vector<std::string> out;
    if (const auto r = findSection(section))
        for (std::size_t i = r->first; i < r->last; ++i)
            if (lines_[i].kind == Line::Kind::key)
                out.push_back(lines_[i].name);
    return out;
}

void TIniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string name(trim(oneLine(key)));
    const std::string text = oneLine(value);
    auto r = findSection(section);
    if (!r) {
        if (!lines_.empty() && !trim(lines_.back().text).empty())
            lines_.push_back(Line{});
        lines_.push_back(parse("[" + std::string(trim(section)) + "]"));
        r = Range{lines_.size() - 1, lines_.size(), lines_.size()};
    }
    if (const auto k = findKey(*r, name)) {
        // Keep the key's spelling as it stands in the file.
        lines_[*k].text = lines_[*k].name + "=" + text;
    } else {
        // New keys go after the last non-blank line of the section.
        std::size_t at = r->last;
        while (at > r->first && trim(lines_[at - 1].text).empty())
            --at;
        Line line;
        line.kind = Line::Kind::key;
        line.name = name;
        line.text = name + "=" + text;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
    }
    changed();
}

void TIniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void TIniFile::eraseSection(std::string_view section)
{
    const auto r = findSection(section);
    if (!r)
        return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(r->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(r->last));
    changed();
}

void TIniFile::deleteKey(std::string_view section, std::string_view key)
{
    const auto r = findSection(section);
    if (!r)
        return;
    if (const auto k = findKey(*r, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*k));
        changed();
    }
}

void TIniFile::changed()
{
    dirty_ = true;
    if (updateDepth_ == 0)
        updateFile();
}

void TIniFile::endUpdate()
{
    if (updateDepth_ > 0 && --updateDepth_ == 0 && dirty_)
        updateFile();
}

void TIniFile::updateFile()
{
    std::string data;
    for (const Line& l : lines_) {
        data += l.text;
        data += "\n";
    }
    if (!writeFileAtomically(file_, data))
        throw EIniFileException("Unable to write to " + file_.string());
    dirty_ = false;
}

} // namespace tessaly::platform
