#pragma once
// Screenshots of the playing clip. The engine's screenshot filter writes
// each picture into a private spool folder of this player (its prefix); the
// saver then moves it into the user's pictures folder (XDG PICTURES, a
// "Taleno" folder in it, made when needed), named after the clip and the
// time: "<clip> 00-12-34.png", with " (2)", " (3)", ... when that name is
// taken. The spool folder goes with the saver.

#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace taleno {

class CScreenshotSaver {
public:
    // What the engine's filter is given ("<spool folder>/shot"); "" when no
    // private folder could be made, or when its path holds a character the
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
    std::unique_ptr<QTemporaryDir> spool;
};

}  // namespace taleno
