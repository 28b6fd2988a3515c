#pragma once
// The tests' way into CPlaylist: fixed draws for Shuffle.

#include "playlist/Playlist.h"

namespace taleno {

class PlaylistTestAccess {
public:
    explicit PlaylistTestAccess(CPlaylist& playlist) : playlist(playlist) {}

    // Each call of `random` is one draw of Shuffle; empty restores the
    // default generator.
    void SetRandomSource(std::function<std::uint32_t()> random) { playlist.random = std::move(random); }

private:
    CPlaylist& playlist;
};

}  // namespace taleno
