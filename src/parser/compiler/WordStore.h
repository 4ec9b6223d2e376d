#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace tessaly::parser {

// The macros of a compile: name to replacement text. Texts are shared, so
// an expansion in progress keeps its text even when the macro is defined
// again while it is being read. Starts with the predefined macros.
class TWordStore {
public:
    using Text = std::shared_ptr<const std::string>;

    TWordStore();
    void define(const std::string& name, std::string text);
    bool isDefined(std::string_view name) const { return words_.find(name) != words_.end(); }
    // The text of a macro, or nullptr.
    Text find(std::string_view name) const;

private:
    std::map<std::string, Text, std::less<>> words_;
};

} // namespace tessaly::parser
