#pragma once
// A private folder of the player for files it hands the engine by path (a
// subtitle file's copy) and files the engine writes for it (screenshots).
// Made on first use in the temporary folder ($TMPDIR) with mkdtemp, so the
// user alone may enter it, and removed with everything in it when the object
// goes. The engine takes commands of at most 38 characters: when $TMPDIR's
// path is too long for "sub_load <folder>/s99.srt" to fit, the folder is made
// in /tmp.

#include <string>

namespace taleno {

class CSpoolFolder {
public:
    CSpoolFolder() = default;
    ~CSpoolFolder();
    CSpoolFolder(const CSpoolFolder&) = delete;
    CSpoolFolder& operator=(const CSpoolFolder&) = delete;

    // The folder's path; "" when none could be made.
    std::string Path();

private:
    std::string folder;
    bool tried = false;
};

}  // namespace taleno
