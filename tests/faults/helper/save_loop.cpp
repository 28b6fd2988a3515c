// Saves the settings record and a 500-entry playlist into FOLDER without end,
// the two states of SaveStates.h in turn, until it is killed. It prints
// "saving" when its first save begins and "saved" after each pair of saves,
// so the fault tests can time a save and kill it at random moments within
// one, then read what it left.
//
//   taleno_save_loop FOLDER

#include "../SaveStates.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using namespace taleno;
    const std::string folder = argv[1];
    const CIniStore store(folder + "/Taleno .ini", kSettingsSection);
    CPlaylist playlists[2];
    test::FillPlaylist(playlists[0], 0);
    test::FillPlaylist(playlists[1], 1);
    std::fputs("saving\n", stdout);
    std::fflush(stdout);
    for (int state = 0;; state = 1 - state) {
        if (!SaveSettings(store, test::SavedRecord(state)) || !playlists[state].SavePlaylist(folder + "/list.m3u")) {
            return 1;
        }
        std::fputs("saved\n", stdout);
        std::fflush(stdout);
    }
}
