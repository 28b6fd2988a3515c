#pragma once
// The two states the save loop alternates between: a settings record and a
// 500-entry playlist each, different in every saved key and entry, so a
// file mixing them would be seen.

#include "playlist/Playlist.h"
#include "settings/Settings.h"

#include <string>

namespace taleno::test {

inline SettingsRecord SavedRecord(int state) {
    SettingsRecord record;
    const std::string tag = state == 0 ? "first" : "second";
    record.bShowToolbar = state == 0;
    record.nPresetZoom = state == 0 ? 150 : 75;
    record.strMPlayerUserConfig = "-vf scale -af volnorm # " + tag;
    for (std::string* command : {&record.strF1CMD, &record.strF2CMD, &record.strF3CMD, &record.strF4CMD,
                                 &record.strF5CMD, &record.strF6CMD, &record.strF7CMD, &record.strF8CMD}) {
        *command = "osd_show_text \"" + tag + " state, a command long enough to matter\"";
    }
    return record;
}

inline void FillPlaylist(CPlaylist& playlist, int state) {
    playlist.RemoveAll();
    for (int i = 0; i < MAX_PLAYLIST_ENTRIES; ++i) {
        playlist.AddFile("/media/Music/" + std::string(state == 0 ? "First" : "Second") + "/track " +
                         std::to_string(i) + ".flac");
    }
}

}  // namespace taleno::test
