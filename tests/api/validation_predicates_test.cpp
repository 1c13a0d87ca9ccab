#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/api/kiv_validation_predicates.h"

namespace {

TEST(ValidationPredicatesTest, RangeIsComparedUnsigned) {
    struct Case {
        int64_t value;
        uint32_t low;
        uint32_t high;
        int outside;
    };
    const std::vector<Case> cases = {
        {1, 1, 3, 0},  {3, 1, 3, 0},  {0, 1, 3, 1},
        {4, 1, 3, 1},  {-1, 1, 3, 1}, {-1, 0, 100, 1},
        {-5, 0, 4, 1}, {0, 0, 0, 0},  {0xFFFFFFFF, 0, 0xFFFFFFFF, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KivIsOutOfRange(static_cast<uint32_t>(c.value), c.low, c.high), c.outside)
            << c.value << " in [" << c.low << "," << c.high << "]";
    }
}

TEST(ValidationPredicatesTest, BooleansAreZeroOrOne) {
    EXPECT_EQ(KivIsInvalidBoolean(0), 0);
    EXPECT_EQ(KivIsInvalidBoolean(1), 0);
    EXPECT_EQ(KivIsInvalidBoolean(2), 1);
    EXPECT_EQ(KivIsInvalidBoolean(0xFFFFFFFF), 1);
}

TEST(ValidationPredicatesTest, BitStrings) {
    struct Case {
        std::string text;
        int invalid;
    };
    const std::vector<Case> cases = {
        {"", 0},
        {"0", 0},
        {"1", 0},
        {"0110", 0},
        {"11a", 1},
        {" 1", 1},
        {"1 ", 1},
        {"2", 1},
        {std::string("1\0"
                     "1",
                     3),
         1},
    };
    for (const Case& c : cases) EXPECT_EQ(KivIsInvalidBitString(c.text), c.invalid) << '"' << c.text << '"';
    EXPECT_EQ(KivIsInvalidBitString(std::nullopt), 1);
    EXPECT_EQ(KivIsInvalidBitString(std::optional<std::string>("01")), 0);
}

TEST(ValidationPredicatesTest, OptionsMask) {
    struct Case {
        std::string text;
        int disallowed;
    };
    const std::vector<Case> cases = {
        {"", 0},
        {"111111111011101", 0},   // the mask itself
        {"1111111111", 1},        // bit 9
        {"000000000000001", 0},   // bit 14
        {"000000000000010", 1},   // bit 13
        {"0000000000000001", 1},  // bit 15, past the mask
        {"1111111110111010", 0},  // a 16th position that is not '1'
        {"11a", 0},               // other characters are not looked at
        {"xxxxxxxxx1", 1},
        {"00000000000000000000001", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KivHasDisallowedOptions(c.text), c.disallowed) << '"' << c.text << '"';
    EXPECT_EQ(KivHasDisallowedOptions(std::nullopt), 0);
}

}  // namespace
