// A playlist file of any bytes under each playlist extension: it loads with
// at most 500 entries; saved into another folder and loaded again it gives
// the same entries. The format cannot hold an entry that is not a path yet
// reads as a comment (a "URL" such as "#://x"): those are left out of the
// comparison.

#include "Fuzz.h"

#include "playlist/Playlist.h"

#include <sys/stat.h>

using namespace taleno;
using namespace taleno::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kExtensions[] = {"txt", "pls", "m3u", "m3u8", "ram"};
    FuzzInput in(data, size);
    const std::string extension = kExtensions[in.Int(0, 4)];
    const std::string folder = ScratchFolder();
    const std::string source = folder + "/list." + extension;
    WriteWholeFile(source, in.Rest());

    CPlaylist playlist;
    FUZZ_CHECK(playlist.LoadPlaylist(source));
    FUZZ_CHECK(playlist.Count() <= MAX_PLAYLIST_ENTRIES);
    std::vector<std::string> entries;
    for (const std::string& entry : playlist.Entries()) {
        FUZZ_CHECK(!entry.empty() && entry.find('\n') == std::string::npos);
        if (std::string_view("#;[").find(entry.front()) == std::string_view::npos) {
            entries.push_back(entry);
        }
    }

    // Saved one folder down, so entries beside the source become "../x".
    ::mkdir((folder + "/saved").c_str(), 0700);
    const std::string copy = folder + "/saved/list." + extension;
    FUZZ_CHECK(playlist.SavePlaylist(copy));
    CPlaylist reloaded;
    FUZZ_CHECK(reloaded.LoadPlaylist(copy));
    FUZZ_CHECK(reloaded.Entries() == entries);
    return 0;
}
