#pragma once
// Where the engine program is found, and whether a path names one that can
// be started.

#include <string>
#include <string_view>

namespace taleno {

// True when `path` names an existing regular file that may be executed.
bool IsEngineExecutable(const std::string& path);

// "<moduleFolder>/mplayer/mplayer" when that file is executable; otherwise
// the first executable "mplayer" in the folders of `searchPath` (a PATH-style
// list separated by ":"; empty and relative entries are skipped, so the
// engine never depends on the current folder); otherwise
// "<moduleFolder>/mplayer/mplayer", which a start then refuses.
std::string DefaultEnginePath(const std::string& moduleFolder, std::string_view searchPath);

// The same with the PATH of this process.
std::string DefaultEnginePath(const std::string& moduleFolder);

// The engine path to start: `defaultEnginePath` unless the user chose a path
// of their own; that one is taken as it is when it begins with "/", else
// relative to the program's folder.
std::string ResolveEnginePath(bool useCustomPath, const std::string& customPath, const std::string& moduleFolder,
                              const std::string& defaultEnginePath);

}  // namespace taleno
