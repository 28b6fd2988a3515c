#pragma once
// A private folder of the player for files it hands the engine by path (a
// subtitle file's copy) and files the engine writes for it (screenshots).
// Made on first use in the temporary folder ($TMPDIR), readable by the user
// alone, and removed with everything in it when the object goes. The engine
// takes commands of at most 38 characters: when $TMPDIR's path is too long
// for "sub_load <folder>/s99.srt" to fit, the folder is made in /tmp.

#include <QTemporaryDir>

#include <memory>
#include <string>

namespace taleno {

class CSpoolFolder {
public:
    // The folder's path; "" when none could be made.
    std::string Path();

private:
    std::unique_ptr<QTemporaryDir> folder;
};

}  // namespace taleno
