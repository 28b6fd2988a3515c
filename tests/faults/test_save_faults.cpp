// Saves cut short: the saving process killed at random moments, and saves
// on a full disk. Either way each file is the whole old one or the whole
// new one, it loads, and a failure is reported as one.

#include "SaveStates.h"
#include "common/TestSupport.h"
#include "settings/PlaybackPositions.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include <QElapsedTimer>
#include <QProcess>

namespace taleno {
namespace {

using namespace test;

// The names in a folder.
std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

TEST(SaveFaults, KilledAtRandomMomentsEachFileIsTheWholeOldOrNewOneAndLoads) {
    // What each file holds in either state, saved by this process.
    ScratchFolder reference;
    std::string settings[2];
    std::string playlist[2];
    std::vector<std::string> entries[2];
    for (int state : {0, 1}) {
        const std::string ini = reference.File("settings" + std::to_string(state) + ".ini");
        ASSERT_TRUE(SaveSettings(CIniStore(ini, kSettingsSection), SavedRecord(state)));
        settings[state] = ReadWholeFile(ini);
        CPlaylist list;
        FillPlaylist(list, state);
        ASSERT_TRUE(list.SavePlaylist(reference.File("list.m3u")));
        playlist[state] = ReadWholeFile(reference.File("list.m3u"));
        entries[state] = list.Entries();
    }

    ScratchFolder scratch;
    const std::string folder = scratch.Path();
    const std::string settingsPath = scratch.File("Taleno .ini");
    const std::string playlistPath = scratch.File("list.m3u");
    WriteWholeFile(settingsPath, settings[0]);
    WriteWholeFile(playlistPath, playlist[0]);
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    int kills = 0;
    int changes = 0;
    int leftovers = 0;
    int lastState = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (kills < 300 && std::chrono::steady_clock::now() < deadline) {
        // It says when it begins to save and when a pair of saves is done:
        // the kill comes at a random moment within the second pair, whatever
        // a save takes on this machine.
        QProcess loop;
        loop.start(TALENO_SAVE_LOOP, {QString::fromStdString(folder)});
        while (!loop.canReadLine() && loop.waitForReadyRead(10000)) {
        }
        ASSERT_EQ(loop.readLine(), "saving\n");
        QElapsedTimer pair;
        pair.start();
        while (!loop.canReadLine() && loop.waitForReadyRead(10000)) {
        }
        ASSERT_EQ(loop.readLine(), "saved\n");
        std::this_thread::sleep_for(
            std::chrono::nanoseconds(std::uniform_int_distribution<long>(0, pair.nsecsElapsed())(random)));
        loop.kill();
        loop.waitForFinished(10000);
        ASSERT_EQ(loop.exitStatus(), QProcess::CrashExit) << "the save loop stopped on its own: a save failed";
        ++kills;

        const std::string savedSettings = ReadWholeFile(settingsPath);
        const int state = savedSettings == settings[0] ? 0 : 1;
        ASSERT_EQ(savedSettings, settings[state]) << "settings cut by kill " << kills << " (seed " << seed << ")";
        SettingsRecord loaded;
        LoadSettings(CIniStore(settingsPath, kSettingsSection), loaded);
        ASSERT_EQ(loaded, SavedRecord(state));

        const std::string savedList = ReadWholeFile(playlistPath);
        ASSERT_TRUE(savedList == playlist[0] || savedList == playlist[1])
            << "playlist cut by kill " << kills << " (seed " << seed << ")";
        CPlaylist list;
        ASSERT_TRUE(list.LoadPlaylist(playlistPath));
        ASSERT_EQ(list.Entries(), entries[savedList == playlist[0] ? 0 : 1]);

        changes += state != lastState;
        lastState = state;
        // A kill between making and renaming a temporary file leaves it; it
        // is counted and cleared so the next kill starts alike.
        for (const std::string& name : Names(scratch.Path())) {
            if (name != "Taleno .ini" && name != "list.m3u") {
                ++leftovers;
                std::filesystem::remove(scratch.File(name));
            }
        }
    }
    EXPECT_GE(kills, 100);
    // The kills fell between saves that went through, not only before the first.
    EXPECT_GE(changes, 10);
    std::printf("%d kills, settings state changed %d times, %d temporary files left behind (seed %u)\n", kills, changes,
                leftovers, seed);
}

// A tmpfs of 64 KiB mounted on a scratch folder for one test (root only).
class SmallDisk {
public:
    SmallDisk() : path_(scratch_.File("disk")) {
        std::filesystem::create_directory(path_);
        mounted_ = ::geteuid() == 0 && ::mount("tmpfs", path_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                                               "size=64k,mode=0700") == 0;
        error_ = errno;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    std::string Why() const { return ::geteuid() != 0 ? "mounting needs root" : std::strerror(error_); }
    const std::string& Path() const { return path_; }

    // Writes a file until the disk is full; true when it ran out of space.
    bool Fill() const {
        const int fd = ::open((path_ + "/filler").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const std::string block(4096, 'x');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        const bool full = errno == ENOSPC;
        ::close(fd);
        return full;
    }

private:
    ScratchFolder scratch_;
    std::string path_;
    bool mounted_ = false;
    int error_ = 0;
};

TEST(SaveFaults, OnAFullDiskSavesFailLeavingTheOldFilesWholeAndNoTemporaryFile) {
    const SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "no small tmpfs: " << disk.Why();
    const std::string folder = disk.Path();
    const CIniStore store(folder + "/Taleno .ini", kSettingsSection);
    ASSERT_TRUE(SaveSettings(store, SavedRecord(0)));
    ASSERT_TRUE(StorePosition(folder, "/media/clip.mkv", 60));
    CPlaylist list;
    FillPlaylist(list, 0);
    ASSERT_TRUE(list.SavePlaylist(folder + "/list.m3u"));
    const std::set<std::string> names = Names(folder);
    std::vector<std::string> old;
    for (const std::string& name : names) old.push_back(ReadWholeFile(folder + "/" + name));

    ASSERT_TRUE(disk.Fill());
    EXPECT_FALSE(SaveSettings(store, SavedRecord(1)));
    EXPECT_FALSE(StorePosition(folder, "/media/clip.mkv", 120));
    EXPECT_FALSE(StorePosition(folder, "/media/other.mkv", 5));
    FillPlaylist(list, 1);
    EXPECT_FALSE(list.SavePlaylist(folder + "/list.m3u"));

    std::filesystem::remove(folder + "/filler");
    EXPECT_EQ(Names(folder), names);
    std::size_t i = 0;
    for (const std::string& name : names) EXPECT_EQ(ReadWholeFile(folder + "/" + name), old[i++]) << name;
    EXPECT_EQ(ReadPosition(folder, "/media/clip.mkv"), 60);
}

}  // namespace
}  // namespace taleno
