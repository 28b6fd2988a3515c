#pragma once
// The user's own folders as the XDG base directory rules name them, and the
// making of a folder that only its owner may enter.

#include <string>

namespace taleno {

// $HOME, or "/" when it is not set.
std::string HomeFolder();
// $XDG_CONFIG_HOME, or "$HOME/.config" when it is unset or empty.
std::string ConfigHome();
// $XDG_DATA_HOME, or "$HOME/.local/share" when it is unset or empty.
std::string DataHome();

// Makes the folder and any missing folders above it, each new one with mode
// 0700 (as the XDG rules ask for the base folders). True when the folder
// exists afterwards; folders that already existed keep their modes.
bool MakePrivateFolder(const std::string& folder);

}  // namespace taleno
