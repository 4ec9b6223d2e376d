#include "parser/compiler/WordStore.h"

#include "parser/compiler/ScriptWords.h"

namespace tessaly::parser {

TWordStore::TWordStore()
{
    for (const auto& [name, text] : predefinedMacros())
        words_[name] = std::make_shared<const std::string>(text);
}

void TWordStore::define(const std::string& name, std::string text)
{
    words_[name] = std::make_shared<const std::string>(std::move(text));
}

TWordStore::Text TWordStore::find(std::string_view name) const
{
    const auto it = words_.find(name);
    return it == words_.end() ? nullptr : it->second;
}

} // namespace tessaly::parser
