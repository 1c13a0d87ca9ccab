#include "Quorvane/config/config_error_state.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <thread>

#include "Quorvane/config/config_problems.h"
#include "Quorvane/log/operations_log.h"
#include "tests/server/config_error_child.h"
#include "tests/server/scratch_dir.h"

namespace {

TEST(ConfigProblemWatch, SeesProblemsOfItsOwnThreadSinceItWasMade) {
    noteConfigProblem();
    ConfigProblemWatch outer;
    EXPECT_FALSE(outer.found());
    {
        ConfigProblemWatch inner;
        noteConfigProblem();
        EXPECT_TRUE(inner.found());
    }
    EXPECT_TRUE(outer.found());

    ConfigProblemWatch untouched;
    std::thread([] { noteConfigProblem(); }).join();
    EXPECT_FALSE(untouched.found());
    EXPECT_FALSE(configErrorIsSet());
}

class ConfigErrorState : public ScratchDirTest {
  protected:
    void TearDown() override {
        setOperationsTraceView(nullptr);
        ScratchDirTest::TearDown();
    }
};

// The state only ever goes from clear to set, so its whole life is one test, in a process of its own.
TEST_F(ConfigErrorState, ClearUntilSetThenRefusesWithItsMessagesForGood) {
    RunSettingConfigError([&] {
        std::ostringstream out;
        platform::TraceView view(out);
        setOperationsTraceView(&view);

        ASSERT_FALSE(configErrorIsSet());
        EXPECT_FALSE(refuseConnectionOnConfigError());
        EXPECT_FALSE(dropPduOnConfigError());
        EXPECT_EQ(view.text(), "");

        setConfigError();
        EXPECT_TRUE(configErrorIsSet());
        EXPECT_TRUE(refuseConnectionOnConfigError());
        EXPECT_TRUE(dropPduOnConfigError());
        EXPECT_EQ(view.text(),
                  "No further connections accepted due to configuration file error!!\n"
                  "No further PDUs accepted due to configuration file error!!\n");

        std::thread([] { setConfigError(); }).join();
        EXPECT_TRUE(configErrorIsSet());

        // Before the server runs (no trace view) the refusals go to the error log.
        setOperationsTraceView(nullptr);
        EXPECT_TRUE(refuseConnectionOnConfigError());
        EXPECT_TRUE(std::regex_match(
            readFile(kErrorLogName),
            std::regex(
                "[A-Z][a-z]+ [0-9]{2}, [0-9]{4} [0-9:]{8} --> \tNo further connections accepted due to "
                "configuration file error!!\n")));
    });
}

}  // namespace
