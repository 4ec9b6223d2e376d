#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tessaly::memo {

// A key as the key map sees it: the virtual-key code in the low byte plus
// modifier bits.
inline constexpr std::uint16_t kKeyShift = 8192;
inline constexpr std::uint16_t kKeyCtrl = 16384;
inline constexpr std::uint16_t kKeyAlt = 32768;
inline constexpr std::uint16_t kKeyModifiers = kKeyShift | kKeyCtrl | kKeyAlt;

// Virtual-key codes of the keys that have no character. Letters and digits
// use their upper-case ASCII code.
enum TVirtualKey : std::uint16_t {
    vkBack = 8,
    vkTab = 9,
    vkReturn = 13,
    vkEscape = 27,
    vkSpace = 32,
    vkPageUp = 33,
    vkPageDown = 34,
    vkEnd = 35,
    vkHome = 36,
    vkLeft = 37,
    vkUp = 38,
    vkRight = 39,
    vkDown = 40,
    vkInsert = 45,
    vkDelete = 46,
    vkF1 = 112, // .. vkF1 + 11 for F12
};

// Raised for a binding that clashes with one made before.
class EAmbigiousKeyPair : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Binds keys and two-key sequences to the numbered editor commands, and
// follows a started sequence. The second key of a sequence is matched without
// its modifiers (Ctrl+K Ctrl+I is Ctrl+K I). For the caret keys and Backspace
// Shift is not part of the binding: it is handed to the command as "extend".
class TKeyMap {
public:
    struct Binding {
        std::uint16_t first = 0;
        std::uint16_t second = 0; // 0: a single key
        int command = -1;
    };
    // What a key press came to.
    struct Result {
        bool taken = false; // the key is swallowed (a command ran or a sequence waits)
        int command = -1;   // the command to run, -1 when none
        bool extend = false;
    };

    // The default bindings of the 45 commands.
    static TKeyMap defaults();

    // Adds a binding. A key or key pair that is bound already, or a single
    // key that starts a bound pair (or the reverse), throws
    // EAmbigiousKeyPair naming both commands (by nameOf when given) and
    // leaves the map as it was.
    void add(std::uint16_t first, std::uint16_t second, int command,
             const std::function<std::string(int)>& nameOf = {});
    const std::vector<Binding>& bindings() const { return bindings_; }

    Result press(std::uint16_t key);
    // Whether press(key) would take the key, without starting or ending a sequence.
    bool wouldTake(std::uint16_t key) const;
    bool inSequence() const { return pending_ != 0; }
    void reset() { pending_ = 0; }

    // Keys through which Shift passes to the command.
    static bool shiftPasses(std::uint16_t virtualKey);

private:
    std::vector<Binding> bindings_;
    std::uint16_t pending_ = 0; // first key of a started sequence
};

} // namespace tessaly::memo
