#pragma once

#include <chrono>

namespace tessaly::memo {

// The time one slice of the background highlight may take when the editor
// calls it from its event loop: under the 8 ms a slice may hold the loop,
// leaving room for the slice's last stretch and for the events queued
// meanwhile (keys, paints, scrolling).
inline constexpr std::chrono::milliseconds kHighlightSliceBudget{6};

} // namespace tessaly::memo
