// Clears the configuration-error state before every case of the test program: a case that meets a
// configuration error leaves it set for the process, and the next case starts as a fresh server would.
#include <gtest/gtest.h>

#include "Quorvane/config/config_error_state_reset.h"

namespace {

class ConfigErrorReset : public testing::EmptyTestEventListener {
  public:
    void OnTestStart(const testing::TestInfo&) override { clearConfigError(); }
};

[[maybe_unused]] const bool configErrorResetListening = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new ConfigErrorReset);
    return true;
}();

}  // namespace
