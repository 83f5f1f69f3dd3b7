// Moving a damaged file of the player's out of the way without deleting it.
#pragma once

#include <optional>
#include <string>

namespace quintaro {

// Renames the file at path to the first name of path + ".defekt", ".defekt-2", … ".defekt-99" that is
// not taken, so that no earlier damaged file is overwritten. Returns the new path, or nullopt with the
// German reason in error ("… lässt sich nicht umbenennen (…)") when no name is free or the rename
// fails; path is then as it was.
std::optional<std::string> setFileAside(const std::string& path, std::string& error);

} // namespace quintaro
