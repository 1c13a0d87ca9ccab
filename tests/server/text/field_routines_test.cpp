#include "Quorvane/text/field_routines.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* routine;
    std::optional<std::string> value;
    std::optional<std::string> expected;
};

const ImageLocationReader kNoImages = [] { return std::string("unused"); };

TEST(FieldRoutines, Table) {
    const std::optional<std::string> none;
    const FieldCase cases[] = {
        {"NULL", "AF", "AF"},
        {"NULL", "", ""},
        {"ROUTINE1", "AF", "F"},
        {"ROUTINE1", "AFX", "AFX"},
        {"ROUTINE2", "19", none},
        {"ROUTINE2", "20", "PBK"},
        {"ROUTINE2", " 125 pages", "PBK"},  // read as "%d" reads it
        {"ROUTINE2", "x20", none},
        {"ROUTINE2", "99999999999999", "PBK"},  // held at the 32-bit limit, no overflow
        {"ROUTINE2", "-99999999999999", none},
        {"ROUTINE3", "12", "12.0"},
        {"ROUTINE3", "12.5", "12.5"},
        {"ROUTINE3", "", ".0"},
        {"ROUTINE4", "JF", "CF"},
        {"ROUTINE4", "JNF", "CNF"},
        {"ROUTINE4", "JFX", "JFX"},
        {"ROUTINE5", "Available", "PRE-PUBLICATION"},
        {"ROUTINE5", "CX", "PRE-PUBLICATION"},
        {"ROUTINE5", "F", "AVAILABLE"},
        {"ROUTINE5", "E", "AVAILABLE"},
        {"ROUTINE5", "T1", "UNAVAILABLE"},
        {"ROUTINE5", "H", "UNAVAILABLE"},
        {"ROUTINE5", "Z", "TO-FOLLOW"},
        {"ROUTINE5", "D", none},
        {"ROUTINE5", "f", none},
        {"ROUTINE5", "", none},
        {"ROUTINE7", "example.org/a", "http://example.org/a"},
        {"ROUTINE8", "ab1-2c3", "123.0"},
        {"ROUTINE8", "none", ".0"},
        {"ROUTINE9", "$12.50", "12.50"},
        {"ROUTINE9", "$$1", "$1"},
        {"ROUTINE9", "12$", "12$"},
        {"ROUTINE10", "$aTitle$bSub",
         "\x1F"
         "aTitle\x1F"
         "bSub"},
        {"ROUTINE11", "10$aTitle$bSub",
         "\x1F"
         "aTitle\x1F"
         "bSub"},
        {"ROUTINE11", "Title$b", "Title$b"},
        {"ROUTINE11", "10", "10"},
        {"ROUTINE12", "10$aTitle", "10"},
        {"ROUTINE12", "Title", "  "},
        {"ROUTINE12", "", "  "},
        {"ROUTINE0", "X", none},
        {"ROUTINE13", "X", none},
        {"ROUTINE", "X", none},  // no number at the eighth character
        {"ROUTINEX", "X", none},
        {"", "X", none},
        {"ROUTINE1", none, none},
        {"NULL", none, none},
    };
    for (const FieldCase& c : cases) {
        std::optional<std::string_view> value;
        if (c.value) value = *c.value;
        EXPECT_EQ(ApplyFieldRoutine(value, c.routine, kNoImages), c.expected)
            << c.routine << " on " << c.value.value_or("(none)");
    }
}

TEST(FieldRoutines, ImageLocationIsReadEachTimeAndFilledAsAPattern) {
    struct Case {
        std::string location;
        std::string expected;
    };
    const Case cases[] = {
        {"http://img.example/%s.jpg", "http://img.example/0198526636.jpg"},
        {"%s", "0198526636"},
        {"/covers/", "/covers/"},    // no %s: the value is left out, as a format would
        {"%s-%s", "0198526636-%s"},  // one argument: a second %s reads nothing
        {"100%% %d %n %20s/%s", "100% %d %n %20s/0198526636"},
        {"ends with %", "ends with %"},
        {"Default INI String", "Default INI String"},  // the required reader's answer for a missing key
    };
    int reads = 0;
    for (const Case& c : cases) {
        ImageLocationReader reader = [&] {
            ++reads;
            return c.location;
        };
        EXPECT_EQ(ApplyFieldRoutine("0198526636", "ROUTINE6", reader), c.expected) << c.location;
    }
    EXPECT_EQ(reads, static_cast<int>(std::size(cases)));
}

TEST(FieldRoutines, ImageLocationIsNotReadByOtherRoutines) {
    int reads = 0;
    ImageLocationReader reader = [&] {
        ++reads;
        return std::string("%s");
    };
    EXPECT_EQ(ApplyFieldRoutine("X", "ROUTINE7", reader), "http://X");
    EXPECT_EQ(ApplyFieldRoutine(std::nullopt, "ROUTINE6", reader), std::nullopt);
    EXPECT_EQ(reads, 0);
}

TEST(LeaderRoutine, Table) {
    struct Case {
        const char* routine;
        std::optional<std::string> value;
        std::string expected;
    };
    const Case cases[] = {
        {"NULL", "cam", "cam"},
        {"LEADERRT1", "cam", "nam"},
        {"LEADERRT01", "cam", "nam"},
        {"LEADERRT2", "cam", "cam"},
        {"LEADERRT", "cam", "cam"},
        {"ROUTINE1", "cam", "cam"},  // its number would start at the ninth character
        {"NULL", std::nullopt, "nam"},
        {"LEADERRT2", std::nullopt, "nam"},
    };
    for (const Case& c : cases) {
        std::optional<std::string_view> value;
        if (c.value) value = *c.value;
        EXPECT_EQ(ApplyLeaderRoutine(value, c.routine), c.expected) << c.routine;
    }
}

}  // namespace
