// One player per user: the lock, the hand-off of a later instance's argument
// over a socket only its own user reaches, a burst of later instances, and
// the private folder the socket lives in.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "common/TestSupport.h"

#include <atomic>

#include "platform/SingleInstance.h"

namespace taleno {
namespace {

using namespace std::chrono_literals;

class SingleInstanceTest : public testing::Test {
protected:
    test::ScratchFolder scratch;
    const std::string folder = scratch.Path();
};

TEST_F(SingleInstanceTest, HandOffWaitsUntilTheArgumentIsHandledAndFailsWithoutAServer) {
    EXPECT_FALSE(CSingleInstance(folder).AlreadyRunning());
    EXPECT_FALSE(CSingleInstance(folder).HandOff("a.avi"));
    // A crashed instance leaves its socket file behind: nobody answers, and
    // the next server takes its place.
    const std::string path = folder + "/TALENOUniqueClassName";
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, path.size());
    const int left = socket(AF_UNIX, SOCK_STREAM, 0);
    (void)bind(left, reinterpret_cast<sockaddr*>(&address), sizeof address);
    close(left);
    EXPECT_FALSE(CSingleInstance(folder).HandOff("a.avi"));

    CSingleInstance running(folder);
    EXPECT_TRUE(CSingleInstance(folder).AlreadyRunning());
    std::string received;
    std::atomic<bool> handled{false};
    ASSERT_TRUE(running.Listen([&](const std::string& argument) {
        received = argument;
        std::this_thread::sleep_for(200ms);
        handled = true;
    }));
    const std::string argument = "/media/My \"Clip\" -x \xc3\xbc.avi";
    std::atomic<bool> delivered{false}, handledFirst{false};
    std::thread later([&] {
        delivered = CSingleInstance(folder).HandOff(argument);
        handledFirst = handled.load();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return delivered.load(); }, 10000));
    later.join();
    EXPECT_TRUE(delivered && handledFirst);
    EXPECT_EQ(received, argument);
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 077, 0u);  // reachable by its own user only

    CSingleInstance other(folder);
    EXPECT_FALSE(other.Listen([](const std::string&) {}));  // a live server is kept
    EXPECT_FALSE(other.HandOff(std::string(CSingleInstance::kMaxMessageSize, 'x')));
}

TEST_F(SingleInstanceTest, ABurstOfLaterInstancesHandsEveryArgumentOverOnceWhileTheFirstIsSlow) {
    // A file manager starts one player per selected file: a hundred later
    // instances at once, while the first is still starting (it does not
    // listen yet) and then takes its time over each argument.
    CSingleInstance running(folder);
    constexpr int kLater = 100;
    std::vector<std::thread> later;
    std::atomic<int> delivered{0};
    for (int i = 0; i < kLater; ++i) {
        later.emplace_back(
            [&, i] { delivered += CSingleInstance(folder).HandOff("clip" + std::to_string(i) + ".avi"); });
    }
    QTest::qWait(1500);
    std::vector<std::string> received;
    ASSERT_TRUE(running.Listen([&](const std::string& argument) {
        received.push_back(argument);
        std::this_thread::sleep_for(20ms);
    }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return delivered.load() == kLater; }, 60000));
    for (std::thread& thread : later) thread.join();
    std::sort(received.begin(), received.end());
    EXPECT_EQ(std::unique(received.begin(), received.end()), received.end());  // none twice
    EXPECT_EQ(received.size(), static_cast<std::size_t>(kLater));
    // Once the first stops serving, a later instance no longer waits for it.
    running.StopServing();
    EXPECT_FALSE(CSingleInstance(folder).HandOff("late.avi"));
}

TEST_F(SingleInstanceTest, ThePrivateFolderIsTheUsersOwnOrNone) {
    const std::string runtime = folder + "/run";
    ASSERT_EQ(mkdir(runtime.c_str(), 0700), 0);
    EXPECT_EQ(CSingleInstance::PrivateFolder(runtime, folder), runtime);
    chmod(runtime.c_str(), 0755);  // open to others: not used
    const std::string own = folder + "/taleno-" + std::to_string(geteuid());
    EXPECT_EQ(CSingleInstance::PrivateFolder(runtime, folder), own);
    EXPECT_EQ(std::filesystem::status(own).permissions(), std::filesystem::perms::owner_all);
    chmod(own.c_str(), 0777);
    EXPECT_EQ(CSingleInstance::PrivateFolder("", folder), "");
    std::filesystem::remove(own);
    std::filesystem::create_directory_symlink(runtime, own);
    EXPECT_EQ(CSingleInstance::PrivateFolder("", folder), "");
    EXPECT_FALSE(CSingleInstance("").HandOff("a.avi"));
}

}  // namespace
}  // namespace taleno
