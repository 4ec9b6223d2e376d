#pragma once

#include "parser/Settings.h"
#include "platform/Registry.h"

#include <stdexcept>
#include <string>

namespace tessaly::parser {

// Raised when the registry is used while it is switched off for a parser.
class ERegistryDisabled : public std::runtime_error {
public:
    explicit ERegistryDisabled(const std::string& component)
        : std::runtime_error("Registry interface disabled in: " + component)
    {
    }
};

// Where a parser keeps its user settings: the registry key ("Orvane\HTML"),
// whether the registry is used at all, and the component name for messages.
struct TRegistryPlace {
    std::string key;
    bool useRegistry = false;
    std::string component;
};

// Writes "Highlighting - <language>" (the style string),
// "Key Assignments - <language>" (the key-command map) and
// "Editor Extras - <language>" (auto-replace, templates, print title, right
// margin) under the key. Throws ERegistryDisabled without useRegistry or key.
void saveToRegistry(const TSM_Settings& settings, const TRegistryPlace& place, platform::Registry& registry);

// Reads the values back into the settings. Returns false when none is
// stored; a record without the extras (written by an earlier build) leaves
// them as they were. Throws EInvalidRegistryData for bad data (each value is
// applied only when it is sound) and ERegistryDisabled like saveToRegistry.
bool loadFromRegistry(TSM_Settings& settings, const TRegistryPlace& place, const platform::Registry& registry);

} // namespace tessaly::parser
