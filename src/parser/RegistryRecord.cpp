#include "parser/RegistryRecord.h"

#include "parser/EditorExtras.h"
#include "parser/StyleString.h"

namespace tessaly::parser {

namespace {

void check(const TRegistryPlace& place)
{
    if (!place.useRegistry || place.key.empty())
        throw ERegistryDisabled(place.component);
}

} // namespace

void saveToRegistry(const TSM_Settings& settings, const TRegistryPlace& place, platform::Registry& registry)
{
    check(place);
    using Type = platform::RegistryValue::Type;
    registry.write(place.key, {
                                  {"Highlighting - " + settings.languageName, Type::string, makeStyleString(settings)},
                                  {"Key Assignments - " + settings.languageName, Type::binary,
                                   makeKeyAssignments(settings)},
                                  {"Editor Extras - " + settings.languageName, Type::binary, makeEditorExtras(settings)},
                              });
}

bool loadFromRegistry(TSM_Settings& settings, const TRegistryPlace& place, const platform::Registry& registry)
{
    check(place);
    const auto style = registry.read(place.key, "Highlighting - " + settings.languageName);
    const auto keys = registry.read(place.key, "Key Assignments - " + settings.languageName);
    // Absent in records written before the extras were kept.
    const auto extras = registry.read(place.key, "Editor Extras - " + settings.languageName);
    if (style) {
        if (style->type != platform::RegistryValue::Type::string)
            throw EInvalidRegistryData("Invalid data in style string");
        applyStyleString(style->data, settings);
    }
    if (keys) {
        if (keys->type != platform::RegistryValue::Type::binary)
            throw EInvalidRegistryData("Invalid data in registry entry");
        applyKeyAssignments(keys->data, settings);
    }
    if (extras) {
        if (extras->type != platform::RegistryValue::Type::binary)
            throw EInvalidRegistryData("Invalid data in registry entry");
        applyEditorExtras(extras->data, settings);
    }
    return style || keys || extras;
}

} // namespace tessaly::parser
