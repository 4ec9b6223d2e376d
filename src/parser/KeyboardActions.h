#pragma once

#include "parser/KeyStore.h"
#include "parser/StreamIO.h"

#include <string>
#include <utility>
#include <vector>

namespace tessaly::parser {

// Number of numbered editor commands (0..44).
inline constexpr int kEditorCommandCount = 45;

// The key-command map of an editor: the key store and the names of the
// commands as the user sees them.
class TKeyboardActionContoller {
public:
    // The default bindings and names of the 45 commands.
    static const TKeyboardActionContoller& defaults();

    // Replaces the name of a command (adds it when the command had none).
    void setName(std::int32_t command, const std::string& name);
    std::string nameOf(std::int32_t command) const;
    const std::vector<std::pair<std::int32_t, std::string>>& names() const { return names_; }

    // Binds keys to a command; throws EAmbigiousKeyPair on a clash.
    void bind(std::uint16_t first, std::uint16_t second, std::int32_t command);
    TKeyStore& store() { return store_; }
    const TKeyStore& store() const { return store_; }

    // Stream form: count of names; per name its code and the name; then the
    // count of bindings; per binding first key, second key (0 for none) and
    // command code.
    void write(TableWriter& w) const;
    static TKeyboardActionContoller read(TableReader& r);

    bool operator==(const TKeyboardActionContoller& o) const
    {
        return names_ == o.names_ && store_.bindings() == o.store_.bindings();
    }

private:
    std::vector<std::pair<std::int32_t, std::string>> names_;
    TKeyStore store_;
};

} // namespace tessaly::parser
