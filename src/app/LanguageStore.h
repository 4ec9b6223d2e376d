#pragma once

#include "platform/Registry.h"

#include <set>
#include <string>

namespace tessaly::platform {
class TDialogs;
}
namespace tessaly::parser {
class TSyntaxMemoParser;
}

namespace tessaly::app {

// Keeps the user's settings of the four languages between runs: each
// document window's parsers get their registry key ("Orvane\HTML" ...) and
// read the stored settings back when they are created. A record that cannot
// be read is reported once per run and language and left alone: the
// built-in settings are used, and the record is only replaced when the
// user confirms new settings.
class TLanguageStore {
public:
    explicit TLanguageStore(platform::TDialogs& dialogs, std::filesystem::path file = platform::Registry::defaultFile());

    platform::Registry& registry() { return registry_; }
    // The registry key and component name of a language (1..4).
    static std::string keyOf(int language);
    static std::string componentOf(int language);

    // Gives a new parser of a language its place in the registry and the
    // stored settings, when there are sound ones.
    void prepare(parser::TSyntaxMemoParser& parser, int language);

private:
    platform::TDialogs& dialogs_;
    platform::Registry registry_;
    std::set<int> reported_;
};

} // namespace tessaly::app
