#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "Quorvane/association/session_tracing.h"
#include "tests/server/scratch_dir.h"

namespace {

struct NameCase {
    const char* pattern;
    int counter;
    std::optional<std::string> expected;
};

const NameCase kNameCases[] = {
    {"/var/trace/assoc%d.trc", 7, "/var/trace/assoc7.trc"},
    {"%d", 12345, "12345"},
    {"t%04d.trc", 42, "t0042.trc"},
    {"t%4d", 42, "t  42"},
    {"t%02d", 12345, "t12345"},
    {"100%%-%d", 3, "100%-3"},
    {"t%d", -2, "t-2"},
    {"t%03d", -2, "t-02"},
    {"no directive", 1, std::nullopt},
    {"two %d and %d", 1, std::nullopt},
    {"text %s", 1, std::nullopt},
    {"text %n%d", 1, std::nullopt},
    {"%ld", 1, std::nullopt},
    {"%123d", 1, std::nullopt},
    {"trailing %", 1, std::nullopt},
    {"%%d", 1, std::nullopt},
};

TEST(TraceFileName, OneDirectiveIsSubstitutedTextually) {
    for (const NameCase& c : kNameCases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(FormatTraceFileName(c.pattern, c.counter), c.expected);
    }
}

class TraceCounter : public ScratchDirTest {};

TEST_F(TraceCounter, CountsOnFromTheFile) {
    struct CounterCase {
        const char* what;
        std::optional<std::string> before;  // nothing: no Count.txt
        int expected;
    };
    const CounterCase cases[] = {
        {"no file", std::nullopt, 1},
        {"a number", "41", 42},
        {"leading blanks and a line end", "  9\n", 10},
        {"text after the number", "5 traces", 6},
        {"no number", "abc", 1},
        {"empty", "", 1},
        {"the largest int", "2147483647", 1},
        {"beyond int", "99999999999", 1},
    };
    for (const CounterCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path(kTraceCounterName));
        if (c.before) writeFile(kTraceCounterName, *c.before);
        EXPECT_EQ(NextTraceCounter(), c.expected);
        EXPECT_EQ(readFile(kTraceCounterName), std::to_string(c.expected));
    }
    EXPECT_EQ(NextTraceCounter(), 2);
    EXPECT_EQ(NextTraceCounter(), 3);
}

}  // namespace
