#pragma once
// Where "Taleno .ini" and "PlaybackPosition.ini" live.
//
// The program's own folder, as a portable program keeps them, whenever it
// can serve: when it already holds "Taleno .ini", or when the user may make
// files in it (the portable use and every run from the build tree).
// Otherwise, as for a program installed in /usr/bin, both live in
// "$XDG_CONFIG_HOME/taleno" (by default "~/.config/taleno"), which the first
// save makes with mode 0700.

#include "settings/IniStore.h"

#include <string>

namespace taleno {

std::string SettingsFolder(const std::string& moduleFolder);

// A store on fileName in the settings folder; when that is the per-user
// folder, its first write makes it.
CIniStore SettingsFolderStore(const std::string& moduleFolder, const std::string& fileName, std::string section);

}  // namespace taleno
