#include "Quorvane/platform/program_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace {

using platform::joinPath;
using platform::programDir;
using platform::setProgramDir;

class ProgramDir : public testing::Test {
  protected:
    void TearDown() override { setProgramDir(""); }
};

TEST_F(ProgramDir, IsTheExecutablesDirectory) {
    std::string dir = programDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.front(), '/');
    EXPECT_EQ(dir.back(), '/');
    EXPECT_TRUE(std::filesystem::exists(dir + "server_platform_program_dir")) << dir;
}

TEST_F(ProgramDir, OverrideIsMadeAbsoluteAndEndsWithSlash) {
    std::string cwd = std::filesystem::current_path().string();
    setProgramDir("conf/sub");
    EXPECT_EQ(programDir(), cwd + "/conf/sub/");
    setProgramDir("/etc/quorvane/");
    EXPECT_EQ(programDir(), "/etc/quorvane/");
    setProgramDir("/etc/./quorvane");
    EXPECT_EQ(programDir(), "/etc/quorvane/");
}

TEST_F(ProgramDir, RelativeOverrideSurvivesAChangeOfDirectory) {
    std::string cwd = std::filesystem::current_path().string();
    setProgramDir("conf");
    ASSERT_EQ(::chdir("/"), 0);
    std::string dir = programDir();
    ASSERT_EQ(::chdir(cwd.c_str()), 0);
    EXPECT_EQ(dir, cwd + "/conf/");
}

TEST_F(ProgramDir, EmptyOverrideRestoresTheExecutablesDirectory) {
    std::string own = programDir();
    setProgramDir("/tmp");
    setProgramDir("");
    EXPECT_EQ(programDir(), own);
}

TEST(JoinPath, JoinsWithOneSlash) {
    EXPECT_EQ(joinPath("/a/b/", "Quorvane.INI"), "/a/b/Quorvane.INI");
    EXPECT_EQ(joinPath("/a/b", "Quorvane.INI"), "/a/b/Quorvane.INI");
    EXPECT_EQ(joinPath("/a/b/", "control/search.tblx"), "/a/b/control/search.tblx");
    EXPECT_EQ(joinPath("/a/b/", "/etc/Quorvane.INI"), "/etc/Quorvane.INI");
    EXPECT_EQ(joinPath("", "Quorvane.INI"), "Quorvane.INI");
}

}  // namespace
