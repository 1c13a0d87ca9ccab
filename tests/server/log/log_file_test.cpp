#include "Quorvane/log/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/server/scratch_dir.h"

namespace {

class LogFileTest : public ScratchDirTest {
  protected:
    static std::string line(int number) {
        return "line " + std::to_string(number) + " " + std::string(90, 'x') + "\n";
    }

    std::uintmax_t size(const std::string& name) const { return std::filesystem::file_size(path(name)); }
};

TEST_F(LogFileTest, RotatesAtTheCapAndKeepsTheConfiguredNumberOfFiles) {
    struct Case {
        int filesKept;
    };
    for (const Case& c : {Case{2}, Case{0}}) {
        SCOPED_TRACE("files kept " + std::to_string(c.filesKept));
        const std::string name = "capped" + std::to_string(c.filesKept) + ".log";
        {
            LogFile file(name);
            file.setLimits({LogFileLimits::kMinimumBytes, c.filesKept});
            // Ten files' worth, flushed in batches of mixed sizes.
            for (int i = 0; i < 400; ++i) {
                EXPECT_FALSE(file.append(line(i)));
                if (i % 7 == 0) {
                    EXPECT_FALSE(file.flush());
                }
            }
        }
        EXPECT_LE(size(name), LogFileLimits::kMinimumBytes);
        EXPECT_NE(readFile(name).find(line(399)), std::string::npos) << "the newest line is current";
        EXPECT_EQ(readFile(name).back(), '\n') << "files hold whole lines";
        for (int number = 1; number <= c.filesKept; ++number) {
            const std::string rotated = name + "." + std::to_string(number);
            EXPECT_LE(size(rotated), LogFileLimits::kMinimumBytes);
            EXPECT_GT(size(rotated), LogFileLimits::kMinimumBytes / 2);
        }
        EXPECT_FALSE(std::filesystem::exists(path(name + "." + std::to_string(c.filesKept + 1))));
    }
}

TEST_F(LogFileTest, ALineLongerThanTheCapIsWrittenWholeInAFileOfItsOwn) {
    const std::string longLine = std::string(LogFileLimits::kMinimumBytes * 2, 'y') + "\n";
    {
        LogFile file("long.log");
        file.setLimits({LogFileLimits::kMinimumBytes, 1});
        file.append("before\n");
        file.append(longLine);
        file.append("after\n");
    }
    EXPECT_EQ(readFile("long.log.1"), longLine);
    EXPECT_EQ(readFile("long.log"), "after\n");
}

TEST_F(LogFileTest, LinesWaitForAFlushAndFollowTheNameWhenTheFileIsRemoved) {
    LogFile file("kept.log");
    file.append("first\n");
    EXPECT_FALSE(std::filesystem::exists(path("kept.log"))) << "one line is no batch";
    file.flush();
    EXPECT_EQ(readFile("kept.log"), "first\n");

    std::filesystem::rename(path("kept.log"), path("kept.old"));  // an operator's own rotation
    file.append("second\n");
    file.flush();
    EXPECT_EQ(readFile("kept.log"), "second\n");
    EXPECT_EQ(readFile("kept.old"), "first\n");
}

TEST_F(LogFileTest, AFullDiskDropsLinesAndIsReportedOnceUntilWritingWorksAgain) {
    std::filesystem::create_symlink("/dev/full", path("full.log"));
    LogFile file("full.log");
    file.append("lost\n");
    std::optional<std::string> report = file.flush();
    ASSERT_TRUE(report);
    EXPECT_EQ(*report,
              "Log file full.log cannot be written (No space left on device); its lines are dropped until "
              "it can be written again");
    file.append("lost too\n");
    EXPECT_FALSE(file.flush()) << "said once";

    std::filesystem::remove(path("full.log"));
    file.append("written\n");
    EXPECT_FALSE(file.flush());
    EXPECT_EQ(readFile("full.log"), "written\n");
    std::filesystem::remove(path("full.log"));
    std::filesystem::create_symlink("/dev/full", path("full.log"));
    file.append("lost again\n");
    EXPECT_TRUE(file.flush()) << "a new failure is said again";
}

}  // namespace
