#pragma once
// Where "Taleno .ini" and "PlaybackPosition.ini" live.
//
// The program's own folder, as a portable program keeps them, whenever it
// can serve: when it already holds "Taleno .ini", or when the user may make
// files in it (the portable use and every run from the build tree).
// Otherwise, as for a program installed in /usr/bin, both live in
// "$XDG_CONFIG_HOME/taleno" (by default "~/.config/taleno"), which the first
// save makes with mode 0700.

#include <string>

namespace taleno {

std::string SettingsFolder(const std::string& moduleFolder);

// True when the folder is the per-user one rather than the program's own,
// that is when a save has to make it first.
bool IsUserSettingsFolder(const std::string& moduleFolder);

}  // namespace taleno
