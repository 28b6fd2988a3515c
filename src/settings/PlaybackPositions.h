#pragma once
// The per-clip playback positions: "PlaybackPosition.ini" beside the
// executable, section "PlaybackPosition", one line "clip=seconds" per clip.
// Every call builds its own store on the file and keeps nothing.
//
// Keys are the clip's path or URL, matched exactly (case included: two
// paths that differ only in case are two clips), as the INI format can hold
// them (IniText: a plain path as it is, any other escaped).

#include <string>

namespace taleno {

inline constexpr const char* kPositionSection = "PlaybackPosition";

// "PlaybackPosition.ini" in the settings folder of the program in
// moduleFolder (settings/SettingsFolder.h).
std::string PositionFilePath(const std::string& moduleFolder);

// The key under which the clip's position is stored (see above).
std::string PositionKey(const std::string& clip);

// The stored position in seconds; -1 when there is none (no entry, no file,
// an unreadable file, an empty clip name).
int ReadPosition(const std::string& moduleFolder, const std::string& clip);
bool StorePosition(const std::string& moduleFolder, const std::string& clip, int seconds);
bool ForgetPosition(const std::string& moduleFolder, const std::string& clip);

}  // namespace taleno
