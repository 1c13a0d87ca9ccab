// Registers every carried content's converters before the first test of the program, as the server does at
// start-up.
#include <gtest/gtest.h>

#include "toolkit/external/kiv_carried_content_types.h"

namespace {

class CarriedContentsEnvironment : public testing::Environment {
  public:
    void SetUp() override { KivRegisterCarriedContents(); }
};

[[maybe_unused]] const testing::Environment* const carriedContentsEnvironment =
    testing::AddGlobalTestEnvironment(new CarriedContentsEnvironment);

}  // namespace
