#pragma once

#include <string>
#include <string_view>

// Writes a whole file so that a failure or a crash never leaves half of it: the bytes go to a
// new, uniquely named file in the target's folder, which is then renamed over the target. The
// target keeps its permissions (and its owner, where that is allowed); a symbolic link is
// written through to the file it names and stays a link. Nothing else in the folder changes.
// False when the file could not be written, or the name is something other than a regular
// file (a folder, a device); the target is then as it was.
bool ScriviFileAtomico(const std::string& percorso, std::string_view byte);
