#include "platform/Registry.h"

#include "platform/ConfigFolder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace tessaly::platform {

namespace {

std::string escape(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '=': out += "\\="; break;
        case '[': out += "\\["; break;
        case ']': out += "\\]"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\0': out += "\\0"; break;
        default: out += c;
        }
    }
    return out;
}

// Unescapes s up to the first unescaped 'stop' (-1: none) or the end; 'end' receives
// the index of the stop character, npos when there is none.
std::string unescape(const std::string& s, int stop, std::size_t& end)
{
    std::string out;
    end = std::string::npos;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (static_cast<unsigned char>(c) == stop) {
            end = i;
            return out;
        }
        if (c == '\\' && i + 1 < s.size()) {
            const char e = s[++i];
            out += e == 'r' ? '\r' : e == 'n' ? '\n' : e == '0' ? '\0' : e;
        } else {
            out += c;
        }
    }
    return out;
}

std::string toHex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

bool fromHex(const std::string& text, std::string& out)
{
    if (text.size() % 2)
        return false;
    auto nibble = [](char c) {
        return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    out.clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int h = nibble(text[i]), l = nibble(text[i + 1]);
        if (h < 0 || l < 0)
            return false;
        out += static_cast<char>(h * 16 + l);
    }
    return true;
}

} // namespace

Registry::Registry(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path Registry::defaultFile()
{
    return configFolder() / "registry.ini";
}

std::vector<Registry::Key> Registry::load() const
{
    std::vector<Key> keys;
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::size_t end;
        if (!line.empty() && line[0] == '[') {
            std::string name = unescape(line.substr(1), ']', end);
            if (end != std::string::npos)
                keys.push_back({std::move(name), {}});
            continue;
        }
        if (keys.empty())
            continue;
        RegistryValue v;
        v.name = unescape(line, '=', end);
        if (end == std::string::npos || line.size() < end + 3 || line[end + 2] != ':')
            continue;
        const std::string data = line.substr(end + 3);
        if (line[end + 1] == 's') {
            v.type = RegistryValue::Type::string;
            std::size_t unused;
            v.data = unescape(data, -1, unused);
        } else if (line[end + 1] == 'b') {
            v.type = RegistryValue::Type::binary;
            if (!fromHex(data, v.data))
                continue;
        } else {
            continue;
        }
        keys.back().values.push_back(std::move(v));
    }
    return keys;
}

void Registry::save(const std::vector<Key>& keys) const
{
    std::ostringstream text;
    for (const Key& k : keys) {
        text << '[' << escape(k.name) << "]\n";
        for (const RegistryValue& v : k.values) {
            text << escape(v.name) << '=';
            if (v.type == RegistryValue::Type::string)
                text << "s:" << escape(v.data) << '\n';
            else
                text << "b:" << toHex(v.data) << '\n';
        }
    }
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    // A name of its own per write, so two programs never write one temporary file.
    std::random_device random;
    const std::filesystem::path temp = file_.string() + ".tmp" + std::to_string(random());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        const std::string s = text.str();
        out.write(s.data(), static_cast<std::streamsize>(s.size()));
        if (!out.flush()) {
            std::filesystem::remove(temp, ec);
            throw ERegistry("Cannot write the registry file " + file_.string());
        }
    }
    std::filesystem::rename(temp, file_, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw ERegistry("Cannot write the registry file " + file_.string());
    }
}

std::optional<RegistryValue> Registry::read(const std::string& key, const std::string& name) const
{
    for (const Key& k : load())
        if (k.name == key)
            for (const RegistryValue& v : k.values)
                if (v.name == name)
                    return v;
    return std::nullopt;
}

std::optional<std::string> Registry::readString(const std::string& key, const std::string& name) const
{
    auto v = read(key, name);
    if (!v || v->type != RegistryValue::Type::string)
        return std::nullopt;
    return v->data;
}

std::optional<std::string> Registry::readBinary(const std::string& key, const std::string& name) const
{
    auto v = read(key, name);
    if (!v || v->type != RegistryValue::Type::binary)
        return std::nullopt;
    return v->data;
}

void Registry::write(const std::string& key, const std::vector<RegistryValue>& values)
{
    std::vector<Key> keys = load();
    Key* target = nullptr;
    for (Key& k : keys)
        if (k.name == key)
            target = &k;
    if (!target) {
        keys.push_back({key, {}});
        target = &keys.back();
    }
    for (const RegistryValue& v : values) {
        bool replaced = false;
        for (RegistryValue& old : target->values)
            if (old.name == v.name) {
                old = v;
                replaced = true;
            }
        if (!replaced)
            target->values.push_back(v);
    }
    save(keys);
}

void Registry::writeString(const std::string& key, const std::string& name, const std::string& text)
{
    write(key, {{name, RegistryValue::Type::string, text}});
}

void Registry::writeBinary(const std::string& key, const std::string& name, const std::string& bytes)
{
    write(key, {{name, RegistryValue::Type::binary, bytes}});
}

} // namespace tessaly::platform
