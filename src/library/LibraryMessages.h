#pragma once

// The texts the script library shows the user, word for word.
namespace tessaly::library::messages {

inline constexpr const char* needName = "You need to enter a name for your Script (eg. Scrolling Banner).";
inline constexpr const char* needFile
    = "You have to specify where your Script is located (eg. C:\\Scripts\\myscript.html).";
inline constexpr const char* confirmRemove
    = "Deleting this Script will remove it from the Script Panel permanently, continue?";

} // namespace tessaly::library::messages
