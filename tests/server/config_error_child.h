#pragma once
// The configuration-error state is process-wide and, once set, stays set (config_error_state.h). A test
// that sets it runs in a child process, so that every other test of the program finds the state clear
// whatever the order the tests run in.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "Quorvane/config/config_error_state.h"

// Runs body in a child process. The test fails when the state was already set, or when an assertion of
// body fails (reported by the child).
template <typename Body>
void RunSettingConfigError(Body&& body) {
    EXPECT_EXIT(
        {
            if (configErrorIsSet()) {
                std::fputs("the configuration-error state was set before the test\n", stderr);
                std::exit(1);
            }
            body();
            std::exit(testing::Test::HasFailure() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}
