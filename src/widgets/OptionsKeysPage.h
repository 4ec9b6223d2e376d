#pragma once

#include "widgets/OptionsPage.h"

#include <cstdint>

class QLineEdit;
class QTreeWidget;

namespace tessaly::widgets {

// "Key assignments": the editor's commands with their keys. A binding is a
// key or a two-key sequence; adding one that clashes with another is
// refused with the engine's ambiguity message.
class TOptionsKeysPage : public TOptionsPage {
    Q_OBJECT
public:
    TOptionsKeysPage(parser::TSM_Settings& settings, platform::TDialogs& dialogs, QWidget* parent = nullptr);
    void reload() override;

    QTreeWidget& list() { return *list_; }
    // Binds the keys in the two key fields to the selected command; false
    // (with the error shown) when the keys are unknown or clash.
    bool addBinding();
    // Replaces the selected binding by the keys in the fields.
    bool changeBinding();
    // Removes the selected binding.
    void removeBinding();

private:
    // The command of the selected row (-1 when none), and the binding the
    // row shows (first key 0 when the row shows a command without keys).
    int selectedCommand() const;
    bool selectedBinding(std::uint16_t& first, std::uint16_t& second) const;
    bool keysFromFields(std::uint16_t& first, std::uint16_t& second);
    void select(int command, std::uint16_t first, std::uint16_t second);

    QTreeWidget* list_ = nullptr;
    QLineEdit* firstKey_ = nullptr;
    QLineEdit* secondKey_ = nullptr;
};

} // namespace tessaly::widgets
