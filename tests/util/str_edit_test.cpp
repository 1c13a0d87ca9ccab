#include "toolkit/util/str_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(StrEdit, InsertAt) {
    const struct {
        std::string text, insert;
        int32_t position;
        std::string expected;
        int result;
    } cases[] = {
        {"abc", "X", 0, "Xabc", 1}, {"abc", "X", 3, "abcX", 1}, {"abc", "XY", 1, "aXYbc", 1},
        {"", "X", 0, "X", 1},       {"abc", "X", 4, "abc", 0},  {"abc", "X", -1, "abc", 0},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(StrInsertAt(text, c.insert, c.position), c.result) << c.position;
        EXPECT_EQ(text, c.expected) << c.position;
    }
}

TEST(StrEdit, CutFromAndCutFirst) {
    const struct {
        std::string text, pattern;
        int32_t position;
        std::string expected;
        int32_t expectedPosition;
        int result;
    } cases[] = {
        {"aab", "ab", 0, "a", 1, 1},    {"abcabc", "abc", 1, "abc", 3, 1}, {"abc", "", 0, "abc", 0, 0},
        {"ab", "abc", 0, "ab", 0, 0},   {"abc", "x", 0, "abc", 0, 0},      {"abc", "c", 4, "abc", 4, 0},
        {"abc", "c", -2, "abc", -2, 0},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        int32_t position = c.position;
        EXPECT_EQ(StrCutFrom(text, c.pattern, position), c.result) << c.text << " / " << c.pattern;
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.pattern;
        EXPECT_EQ(position, c.expectedPosition) << c.text << " / " << c.pattern;
    }

    std::string text = "xaxa";
    int32_t position = 7;
    EXPECT_EQ(StrCutFirst(text, "a", position), 1);
    EXPECT_EQ(text, "xxa");
    EXPECT_EQ(position, 1);
    EXPECT_EQ(StrCutFirst(text, "q", position), 0);
    EXPECT_EQ(position, 1);  // kept when nothing was cut
}

TEST(StrEdit, ReplaceAll) {
    const struct {
        std::string text, pattern, replacement, expected;
    } cases[] = {
        {"x?y?z?", "?", "!", "x!y!z!"},
        {"aa", "a", "ab", "abab"},  // a replacement holding the pattern is not replaced again
        {"aab", "ab", "X", "aX"},
        {"abc", "b", "b", "abc"},
        {"a-b-c", "-", "", "abc"},
        {"abc", "", "X", "abc"},
        {"", "a", "X", ""},
        {"WHERE a = %1 AND b = %1", "%1", "'%1'", "WHERE a = '%1' AND b = '%1'"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(StrReplaceAll(text, c.pattern, c.replacement), 0);
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.pattern << " / " << c.replacement;
    }
}

TEST(StrEdit, LengtheningRoutinesGrowWithoutLimit) {
    // A statement with many markers, each filled with a long value: the text grows far past any fixed slack.
    std::string statement;
    for (int i = 0; i < 200; ++i) statement += "v=%s;";
    const std::string value(5000, 'q');
    StrReplaceAll(statement, "%s", value);
    ASSERT_EQ(statement.size(), 200 * (value.size() + 3));
    EXPECT_EQ(statement.substr(0, 2), "v=");
    EXPECT_EQ(statement.substr(statement.size() - 1), ";");

    std::string text = "x";
    StrReplaceCharOrAppend(text, std::string(20000, 'y'), '?');
    EXPECT_EQ(text.size(), 20002u);

    std::string quotes(5000, '\'');
    StrDoubleEach(quotes, "'");
    EXPECT_EQ(quotes, std::string(10000, '\''));

    std::string tilde = "~";
    StrReplaceTilde(tilde, std::string(300, 't'));
    EXPECT_EQ(tilde, std::string(300, 't'));
}

TEST(StrEdit, ReplacingAndWrappingRoutines) {
    using Edit = std::function<void(std::string&)>;
    const struct {
        const char* name;
        Edit edit;
        std::string text, expected;
    } cases[] = {
        {"ReplaceFirst", [](std::string& t) { StrReplaceFirst(t, "-", "+"); }, "a-b-c", "a+b-c"},
        {"ReplaceFirst", [](std::string& t) { StrReplaceFirst(t, "x", "y"); }, "abc", "abc"},
        {"MaskFirst", [](std::string& t) { StrMaskFirst(t, "secret", '*'); }, "pw=secret;secret",
         "pw=******;secret"},
        {"MaskFirst", [](std::string& t) { StrMaskFirst(t, "x", '*'); }, "abc", "abc"},
        {"ReplaceTilde", [](std::string& t) { StrReplaceTilde(t, "Ann"); }, "Hello ~, ~", "Hello Ann, ~"},
        {"ReplaceTilde", [](std::string& t) { StrReplaceTilde(t, "Ann"); }, "none", "none"},
        {"ReplaceCharOrAppend", [](std::string& t) { StrReplaceCharOrAppend(t, "1", '?'); }, "a=?", "a=1"},
        {"ReplaceCharOrAppend", [](std::string& t) { StrReplaceCharOrAppend(t, "1", '?'); }, "a", "a 1"},
        {"DoubleEach", [](std::string& t) { StrDoubleEach(t, "'"); }, "it's", "it''s"},
        {"DoubleEach", [](std::string& t) { StrDoubleEach(t, "ab"); }, "xabab", "xabababab"},
        {"DoubleEach", [](std::string& t) { StrDoubleEach(t, ""); }, "abc", "abc"},
        {"KeepAfter", [](std::string& t) { StrKeepAfter(t, "="); }, "key=a=b", "a=b"},
        {"KeepAfter", [](std::string& t) { StrKeepAfter(t, "="); }, "key=", "key="},
        {"KeepAfter", [](std::string& t) { StrKeepAfter(t, "="); }, "key", "key"},
        {"SurroundWord", [](std::string& t) { StrSurroundWord(t, "and", '"'); }, "a and b and",
         "a \"and\" b and"},
        {"SurroundWord", [](std::string& t) { StrSurroundWord(t, " or ", '*'); }, "x or y or z",
         "x *or* y *or* z"},
        {"SurroundWord", [](std::string& t) { StrSurroundWord(t, " ", '*'); }, "a b", "a b"},
        {"PadWithBlanks", StrPadWithBlanks, "ab", " ab "},
        {"Enclose", [](std::string& t) { StrEnclose(t, "**"); }, "ab", "**ab**"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        c.edit(text);
        EXPECT_EQ(text, c.expected) << c.name << " on \"" << c.text << '"';
    }
}

}  // namespace
