#pragma once
// Scripts for the stand-in engine that record what it receives in
// "<script>.rec", and what it received.

#include <sstream>
#include <string>
#include <vector>

#include "common/ScratchFolder.h"

namespace taleno::test {

// Writes folder/name: the recording line, answers to the time requests, then body.
inline std::string RecordingScript(const ScratchFolder& folder, const std::string& name, const std::string& body) {
    const std::string path = folder.File(name);
    WriteWholeFile(path, "record " + path + ".rec\nanswer-time\n" + body);
    return path;
}

// The commands the stand-in running `script` received, without the time requests.
inline std::vector<std::string> ReceivedBy(const std::string& script) {
    std::vector<std::string> lines;
    std::istringstream all(ReadWholeFile(script + ".rec"));
    for (std::string line; std::getline(all, line);)
        if (line != "get_time_pos") lines.push_back(line);
    return lines;
}

}  // namespace taleno::test
