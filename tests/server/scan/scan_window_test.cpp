#include "Quorvane/scan/scan_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StartCase {
    std::string term, low, high;
};

TEST(ScanWindowTest, StartsAtTheTermsFirstTwoCharactersAndOneStepAbove) {
    for (const StartCase& c :
         {StartCase{"HISTORY", "HI", "HJ"}, StartCase{"H", "HA", "HB"}, StartCase{"HZ", "HZ", "IA"},
          StartCase{"H5", "H5", "H6"}, StartCase{"9Z", "9Z", "AA"}, StartCase{"'X", "'X", "0A"}}) {
        SCOPED_TRACE(c.term);
        ScanWindow window(c.term);
        EXPECT_EQ(window.low(), c.low);
        EXPECT_EQ(window.high(), c.high);
        EXPECT_FALSE(window.openBelow());
        EXPECT_FALSE(window.openAbove());
    }
}

struct StepCase {
    std::string term;
    std::string lowAfterOneStep;  // empty: the low side is open
    std::string highAfterOneStep;
};

TEST(ScanWindowTest, StepsCarryOverTheAlphabetAndOpenAtItsEnds) {
    for (const StepCase& c :
         {StepCase{"HI", "HH", "HK"}, StepCase{"HA", "GZ", "HC"}, StepCase{"H0", "GZ", "H2"},
          StepCase{"AA", "9Z", "AC"}, StepCase{"0A", "", "0C"}, StepCase{"!X", "", "0B"},
          StepCase{"ZY", "ZX", "\xF4\x8F\xBF\xBF"}}) {
        SCOPED_TRACE(c.term);
        ScanWindow window(c.term);
        window.widenDown();
        window.widenUp();
        EXPECT_EQ(window.low(), c.lowAfterOneStep);
        EXPECT_EQ(window.openBelow(), c.lowAfterOneStep.empty());
        EXPECT_EQ(window.high(), c.highAfterOneStep);
    }
}

TEST(ScanWindowTest, TermsOutsideTheAlphabetOpenOrJumpBackIntoIt) {
    ScanWindow beyond("\xC3\x98STER");  // Ø: above every capital letter
    EXPECT_TRUE(beyond.openAbove());
    beyond.widenDown();
    EXPECT_EQ(beyond.low(), "ZZ");

    ScanWindow empty("");
    EXPECT_TRUE(empty.openBelow());
    EXPECT_EQ(empty.low(), "");
    EXPECT_EQ(empty.high(), "AB");
}

// From any start, every step widens the window, no bound ever holds a zero octet, and both sides are open
// after a bounded number of steps.
TEST(ScanWindowTest, EveryStepWidensAndBothSidesOpenInBoundedSteps) {
    for (const std::string term : {"HISTORY", "0", "9", "A", "ZZZZ", "M5", "\x01\x01", "\xFF\xFF", "~"}) {
        SCOPED_TRACE(term);
        ScanWindow window(term);
        int steps = 0;
        while (!(window.openBelow() && window.openAbove()) && steps < 2000) {
            const std::string low = window.low();
            const std::string high = window.high();
            window.widenDown();
            window.widenUp();
            ++steps;
            if (!window.openBelow()) {
                EXPECT_LT(window.low(), low);
            }
            if (!window.openAbove()) {
                EXPECT_GT(window.high(), high);
            }
            EXPECT_EQ(window.low().find('\0'), std::string::npos);
            EXPECT_EQ(window.high().find('\0'), std::string::npos);
        }
        EXPECT_LT(steps, 1000) << "both sides open within the alphabet's 36 x 26 steps";
        EXPECT_EQ(window.low(), "");
        EXPECT_GT(window.high(), "\xF4\x8F\xBF\xBE");
    }
}

}  // namespace
