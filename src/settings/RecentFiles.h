#pragma once
// The files and addresses opened last (File > Recent): at most ten, the
// most recent first, none twice. They live in the settings file ("Taleno
// .ini") in a section of their own, "Recent Files", that nothing else
// writes: "File1" is the most recent, up to "File10". Every call reads the
// file afresh, so two players see what either opened, and a write changes
// that section alone.
//
// Paths are bytes and kept whole: stored as the INI format can hold them
// (IniText) and read without the profile's 254-byte cut. A path is matched
// byte for byte.

#include <string>
#include <vector>

namespace taleno {

inline constexpr const char* kRecentSection = "Recent Files";
inline constexpr int kMaxRecentFiles = 10;

std::vector<std::string> ReadRecentFiles(const std::string& moduleFolder);
// Puts the paths first, in their order, taking each out of an older place,
// and keeps ten; with one replacement of the file.
bool AddRecentFiles(const std::string& moduleFolder, const std::vector<std::string>& paths);
bool RemoveRecentFile(const std::string& moduleFolder, const std::string& path);
bool ClearRecentFiles(const std::string& moduleFolder);

}  // namespace taleno
