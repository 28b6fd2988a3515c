#pragma once
// Screenshots of the playing clip. The engine's screenshot filter writes
// each picture into the player's spool folder (its prefix); the saver then
// moves it into the user's pictures folder (XDG PICTURES, a
// "Taleno" folder in it, made when needed), named after the clip and the
// time: "<clip> 00-12-34.png", with " (2)", " (3)", ... when that name is
// taken.

#include "session/SpoolFolder.h"

#include <string>
#include <vector>

namespace taleno {

class CScreenshotSaver {
public:
    explicit CScreenshotSaver(CSpoolFolder& spool) : spool(spool) {}

    // What the engine's filter is given ("<spool folder>/shot"); "" when no
    // spool folder could be made, or when its path holds a character the
    // engine's filter options would split at (",", ":", "=").
    std::string EnginePrefix();

    struct Result {
        std::vector<std::string> saved;  // the pictures' new paths
        std::string failure;             // why one could not be moved, "" when none failed
    };
    // Moves every picture the engine has written since into the pictures
    // folder; the clip's title and the time in seconds name them.
    Result SaveTaken(const std::string& clipTitle, int seconds);

    // "<XDG PICTURES>/Taleno".
    static std::string Folder();

private:
    CSpoolFolder& spool;
};

}  // namespace taleno
