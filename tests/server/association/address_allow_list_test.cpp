#include "Quorvane/association/address_allow_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/config/ini_readers.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/config_error_child.h"
#include "tests/server/traced_scratch_dir.h"

namespace {

class AllowList : public TracedScratchDirTest {
  protected:
    void SetUp() override {
        TracedScratchDirTest::SetUp();
        std::filesystem::create_directory(path("control"));
        writeFile(kIniFileName, "[ControlFiles]\npcControlFilesDir=control\n");
    }
};

TEST_F(AllowList, ListedAddressesOnly) {
    struct Case {
        const char* what;
        std::optional<std::string> file;  // nothing: no address.tblx
        const char* peer;
        int answer;
    };
    const Case cases[] = {
        {"no file allows everyone", std::nullopt, "10.0.0.1", 0},
        {"an empty file allows no one", "", "10.0.0.1", 1},
        {"one address per record", "\"10.0.0.2\";\n\"10.0.0.1\";\n", "10.0.0.1", 0},
        {"several in one record", "\"10.0.0.2\", \"10.0.0.1\", \"10.0.0.3\";\n", "10.0.0.1", 0},
        {"unlisted", "\"10.0.0.2\";\n\"10.0.0.3\";\n", "10.0.0.1", 1},
        {"exact text: no prefix", "\"10.0.0.1\";\n", "10.0.0.10", 1},
        {"exact text: no leading zeros", "\"10.0.0.01\";\n", "10.0.0.1", 1},
        {"comments are skipped", "/* office */ \"192.168.1.7\";\n", "192.168.1.7", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path("control/address.tblx"));
        if (c.file) writeFile("control/address.tblx", *c.file);
        EXPECT_EQ(AllowListCheck(c.peer), c.answer);
    }
    EXPECT_EQ(out_.str(), "");
    EXPECT_FALSE(configErrorIsSet());
}

TEST_F(AllowList, UnquotedValueIsAControlFileErrorAndMatchesNothing) {
    RunSettingConfigError([&] {
        writeFile("control/address.tblx", "10, \"10.0.0.2\";\n");
        EXPECT_EQ(AllowListCheck("10"), 1);
        EXPECT_EQ(out_.str(), " \n");
        EXPECT_TRUE(configErrorIsSet());
        EXPECT_EQ(AllowListCheck("10.0.0.2"), 0) << "the quoted values still count";
    });
}

}  // namespace
