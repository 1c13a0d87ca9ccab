#include <gtest/gtest.h>

#include <string>

#include "Quorvane/config/white_space.h"

namespace {

TEST(WhiteSpace, EveryWhiteSpaceCharacterGoes) {
    std::string text = " TABLE . COLUMN\t,\r\n\v\fX ";
    RemoveWhiteSpace(text);
    EXPECT_EQ(text, "TABLE.COLUMN,X");
}

}  // namespace
