#include "engine/EngineLocation.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace taleno {
namespace {

TEST(EngineLocation, ExecutableFilesAndDefaultPath) {
    char pattern[] = "/tmp/taleno-location-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const auto make = [&folder](const std::string& relative, mode_t mode) {
        const std::string path = folder + "/" + relative;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        chmod(path.c_str(), mode);
        return path;
    };
    const std::string first = make("one/mplayer", 0755);
    make("two/mplayer", 0755);
    make("noexec/mplayer", 0644);
    EXPECT_TRUE(IsEngineExecutable(first));
    EXPECT_FALSE(IsEngineExecutable(folder + "/noexec/mplayer"));
    EXPECT_FALSE(IsEngineExecutable(folder + "/one"));  // a folder carries the x bit too
    EXPECT_FALSE(IsEngineExecutable(folder + "/missing"));
    EXPECT_FALSE(IsEngineExecutable(""));

    const std::string module = folder + "/app";
    const std::string bundled = module + "/mplayer/mplayer";
    const std::string searchPath =
        "relative::" + folder + "/noexec:" + folder + "/one/:" + folder + "/two";
    EXPECT_EQ(DefaultEnginePath(module, ""), bundled);  // nothing found: refused at start
    EXPECT_EQ(DefaultEnginePath(module, searchPath), first);
    make("app/mplayer/mplayer", 0644);
    EXPECT_EQ(DefaultEnginePath(module, searchPath), first);  // bundled but not executable
    make("app/mplayer/mplayer", 0755);
    EXPECT_EQ(DefaultEnginePath(module, searchPath), bundled);
    std::filesystem::remove_all(folder);
}

TEST(EngineLocation, CustomPathAgainstModuleFolder) {
    const std::string module = "/opt/taleno";
    const std::string fallback = "/opt/taleno/mplayer/mplayer";
    EXPECT_EQ(ResolveEnginePath(false, "/usr/bin/other", module, fallback), fallback);
    EXPECT_EQ(ResolveEnginePath(true, "/usr/bin/other", module, fallback), "/usr/bin/other");
    EXPECT_EQ(ResolveEnginePath(true, "engine/mplayer", module, fallback),
              "/opt/taleno/engine/mplayer");
    EXPECT_EQ(ResolveEnginePath(true, "../bin/mplayer", module, fallback), "/opt/bin/mplayer");
    EXPECT_EQ(ResolveEnginePath(true, "", module, fallback), "");  // refused at start
}

}  // namespace
}  // namespace taleno
