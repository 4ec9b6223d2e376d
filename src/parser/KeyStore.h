#pragma once

#include "memo/KeyMap.h"

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace tessaly::parser {

// Key codes: the virtual-key code in the low byte plus these modifier bits.
inline constexpr std::uint16_t kShiftKey = 8192;
inline constexpr std::uint16_t kCtrlKey = 16384;
inline constexpr std::uint16_t kAltKey = 32768;

// Raised when a key or key pair is bound twice, or a single key is bound
// where it already starts a pair (or the reverse); the editor's key map
// raises the same.
using EAmbigiousKeyPair = memo::EAmbigiousKeyPair;

struct TKeyBinding {
    std::uint16_t first = 0;
    std::uint16_t second = 0; // 0: a single key
    std::int32_t command = -1;
    bool operator==(const TKeyBinding&) const = default;
};

// The tree of key nodes: top-level nodes are first keys, their children the
// second keys of two-key sequences. Nodes live in one vector and link by
// index; a command ends at a node when command >= 0.
class TKeyStore {
public:
    static constexpr std::int32_t kNone = -1;
    struct Node {
        std::uint16_t shortcut = 0;
        std::int32_t parent = kNone;
        std::int32_t sibling = kNone;
        std::int32_t child = kNone;
        bool hasCommand = false; // a command ends here or below
        std::int32_t command = -1;
    };

    // Adds a binding. 'nameOf' is used only for the message: it throws
    // EAmbigiousKeyPair with the two commands' names when the binding clashes.
    template <typename NameOf>
    void add(const TKeyBinding& b, NameOf nameOf)
    {
        const std::int32_t clash = findClash(b);
        if (clash >= 0)
            throw EAmbigiousKeyPair("Duplicate key sequence definition for\r\n\"" + nameOf(clash) +
                                    "\" and \"" + nameOf(b.command) + "\"");
        insert(b);
    }
    // What a key press does with the store: not taken (and any started
    // sequence is reset), taken as the first key of a sequence (waiting for
    // the second), or taken with a command to run.
    struct Press {
        bool taken = false;
        bool waiting = false;
        std::int32_t command = -1;
    };
    // Looks a key up: at the top level, or, inside a started sequence, among
    // the second keys with the modifiers removed.
    Press press(std::uint16_t key);
    void resetSequence() { started_ = kNone; }
    bool inSequence() const { return started_ != kNone; }

    // Removes every binding of a command.
    void removeCommand(std::int32_t command);
    void clear()
    {
        nodes_.clear();
        first_ = kNone;
        started_ = kNone;
    }

    // All bindings, first keys in the order they were added, second keys in
    // their order below each first key.
    std::vector<TKeyBinding> bindings() const;
    // The n-th binding of a command (0 first), or nothing.
    bool findKeys(std::int32_t command, std::size_t n, TKeyBinding& out) const;

    const std::vector<Node>& nodes() const { return nodes_; }
    std::int32_t firstTop() const { return first_; }

private:
    // The command of the binding that clashes with b, or -1.
    std::int32_t findClash(const TKeyBinding& b) const;
    void insert(const TKeyBinding& b);
    std::int32_t findIn(std::int32_t first, std::uint16_t key) const;
    std::int32_t append(std::int32_t parent, std::uint16_t key);
    // Any command at or below node i (for the clash message).
    std::int32_t anyCommand(std::int32_t i) const;

    std::vector<Node> nodes_;
    std::int32_t first_ = kNone;
    std::int32_t started_ = kNone; // the node of a started two-key sequence
};

} // namespace tessaly::parser
