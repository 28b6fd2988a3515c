#pragma once
// The running system's Windows release, as the player was once laid out to
// ask for it. A Linux system has no Windows version record: the query reports
// "unknown Windows version" with code 0, and the major version is 0 (the main
// window hands the engine controller at least 5, so slave commands work).
// The classification itself is kept whole for a record that is given.

#include <cstddef>
#include <optional>
#include <string>

namespace taleno {

// The fields of a Windows version record that decide the release.
struct WindowsVersionRecord {
    int platformId;  // 1 Windows 9x, 2 Windows NT, 3 Windows CE
    int major;
    int minor;
    int build;  // only the low 16 bits count
};

// Fills `name` (at most bufferSize - 1 characters, as a C buffer of that
// size would hold) and `code` for the record: 0 "unknown Windows version",
// 1..7 the 9x releases, 101..104 the NT releases, 201 Windows CE. False when
// there is no record (name and code then say unknown).
bool ClassifyWindowsVersion(const std::optional<WindowsVersionRecord>& record, std::size_t bufferSize,
                            std::string& name, int& code);

// The same for the running system, which on Linux has no record.
bool GetWindowsVersionName(std::size_t bufferSize, std::string& name, int& code);

}  // namespace taleno
