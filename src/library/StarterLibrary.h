#pragma once

namespace tessaly::library {

class TScriptFiles;

// Fills an empty library with the scripts that come with the program, so a
// new user does not meet an empty panel. It acts only when there is neither
// a list file nor a "Scripts" folder: an existing library, even an emptied
// one, is never touched. Returns whether it installed; raises the files'
// "Unable to write to <file>" when the folder cannot be written.
bool installStarterLibrary(const TScriptFiles& files);

} // namespace tessaly::library
