#include "toolkit/util/str_extract.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "toolkit/util/err_report.h"

namespace {

TEST(StrExtract, DupGivesCountedCopy) {
    const char* source = "catalogue";
    const int64_t before = ErrMemoryUsed;
    char* copy = StrDup(source);
    EXPECT_STREQ(copy, source);
    EXPECT_NE(copy, source);
    EXPECT_EQ(ErrMemoryUsed - before, 10);
    ErrFree(copy);

    char* empty = StrDup("");
    EXPECT_STREQ(empty, "");
    ErrFree(empty);
}

TEST(StrExtract, CopyN) {
    std::string out = "old";
    EXPECT_EQ(StrCopyN(out, "abcdef", 3), 3);
    EXPECT_EQ(out, "abc");
    EXPECT_EQ(StrCopyN(out, "ab", 5), 2);
    EXPECT_EQ(out, "ab");
    EXPECT_EQ(StrCopyN(out, "ab", -1), 0);
    EXPECT_EQ(out, "");
}

TEST(StrExtract, CopyRange) {
    const struct {
        const char* text;
        int32_t from, to;
        std::string expected;
        int result;
    } cases[] = {
        {"abcdef", 1, 3, "bcd", 1}, {"abcdef", 2, -1, "cdef", 1}, {"a--", -5, 1, "a-", 1},
        {"a--", 1, 2, "--", 0},     {"abc", 3, -1, "", 0},        {"abc", 7, 9, "", 0},
        {"abc", 2, 1, "", 0},       {"abc", 1, 50, "bc", 1},
    };
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(StrCopyRange(out, c.text, c.from, c.to), c.result) << c.from << ".." << c.to;
        EXPECT_EQ(out, c.expected) << c.from << ".." << c.to;
    }
}

TEST(StrExtract, CopyUntilCharAndFirstToken) {
    const struct {
        const char* text;
        int32_t position;
        std::string expected;
    } untilCases[] = {{"key=value", 0, "key"}, {"key=value", 4, "value"}, {"=x", 0, ""}, {"abc", 9, ""}};
    for (const auto& c : untilCases) {
        std::string out = "old";
        EXPECT_EQ(StrCopyUntilChar(c.text, c.position, '=', out), static_cast<int32_t>(c.expected.size()));
        EXPECT_EQ(out, c.expected);
    }

    const struct {
        const char* text;
        char separator;
        std::string expected;
        int result;
    } tokenCases[] = {{"  a b", ' ', "a", 1}, {",,x,y", ',', "x", 1}, {",,,", ',', "", 0}, {"", ',', "", 0}};
    for (const auto& c : tokenCases) {
        std::string out = "old";
        EXPECT_EQ(StrFirstToken(c.text, c.separator, out), c.result) << c.text;
        EXPECT_EQ(out, c.expected) << c.text;
    }
}

TEST(StrExtract, NthWordAndNthField) {
    const char* words = "  one two\tthree ";
    EXPECT_EQ(StrNthWord(words, 1), "one");
    EXPECT_EQ(StrNthWord(words, 3), "three");
    EXPECT_EQ(StrNthWord(words, 4), "");
    EXPECT_EQ(StrNthWord(words, 0), "");
    EXPECT_EQ(StrNthWord("a\x80z", 2), "z");  // octets above 0x7E are not graphic

    const struct {
        const char* text;
        int32_t n;
        std::string expected;
        int result;
    } cases[] = {
        {"a!b\nc", 1, "a", 1}, {"a!b\nc", 2, "b", 1}, {"a!b\nc", 3, "c", 1}, {"a!b\nc", 4, "", 0},
        {"", 1, "", 1},        {"a!", 2, "", 1},      {"x", 0, "", 0},
    };
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(StrNthField(c.text, c.n, out), c.result) << c.text << " #" << c.n;
        EXPECT_EQ(out, c.expected) << c.text << " #" << c.n;
    }
}

TEST(StrExtract, Lengths) {
    const std::array<std::string_view, 3> texts{"a", "abc", "ab"};
    EXPECT_EQ(StrMaxLength(texts), 3);
    EXPECT_EQ(StrMaxLength({}), 0);
    EXPECT_EQ(StrLongestWord("ab  abcd\ta"), 4);
    EXPECT_EQ(StrLongestWord("   "), 0);
    EXPECT_EQ(StrLongestWord(""), 0);
}

}  // namespace
