#include "toolkit/util/text_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(TextLines, LineEdits) {
    using Edit = std::function<void(std::string&)>;
    const auto overlay = [](std::string& t) { StrOverlayAtColumn(t, "XY", 4); };
    const struct {
        const char* name;
        Edit edit;
        std::string text, expected;
    } cases[] = {
        {"TruncateLines", [](std::string& t) { StrTruncateLines(t, 3); }, "abcdef\nab\nabcd", "abc\nab\nabc"},
        {"TruncateLines", [](std::string& t) { StrTruncateLines(t, 0); }, "ab\ncd\n", "\n\n"},
        {"OverlayAtColumn", overlay, "ab        x", "ab  XY    x"},
        {"OverlayAtColumn", overlay, "1234567890", "1234567890"},  // covered octets 5, 6 are both non-blank
        {"OverlayAtColumn", overlay, "abcd5 7890", "abcdXY7890"},
        {"OverlayAtColumn", overlay, "short", "short"},  // too short
        {"OverlayAtColumn", overlay, "ab    \nx\n1234 6", "ab  XY\nx\n1234XY"},
        {"SqueezeAfterChar", [](std::string& t) { StrSqueezeAfterChar(t, ':'); }, "a:  b: c\nd:\te",
         "a:b: c\nd:e"},
        {"DropLinesStartingWith", [](std::string& t) { StrDropLinesStartingWith(t, "#"); },
         "keep\n  # drop\n#drop\nkeep #2", "keep\nkeep #2"},
        {"DropLinesStartingWith", [](std::string& t) { StrDropLinesStartingWith(t, "#"); }, "a\n\t#x", "a\n"},
        {"SetLastNonWhite", [](std::string& t) { StrSetLastNonWhite(t, '!'); }, "ab. \n", "ab! \n"},
        {"SetLastNonWhite", [](std::string& t) { StrSetLastNonWhite(t, '!'); }, " \n", " \n"},
        {"ClearIfPrompt", StrClearIfPrompt, "Ready\n >", ""},
        {"ClearIfPrompt", StrClearIfPrompt, "Ready\n>x", "Ready\n>x"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        c.edit(text);
        EXPECT_EQ(text, c.expected) << c.name << " on " << testing::PrintToString(c.text);
    }
}

TEST(TextLines, InsertAtLineStart) {
    const struct {
        int32_t position;
        std::string expected;
        int result;
    } cases[] = {
        {4, "ab\n>cd", 1}, {1, ">ab\ncd", 1}, {2, "ab\n>cd", 1},
        {5, "ab\n>cd", 1}, {6, "ab\ncd", 0},  {-1, "ab\ncd", 0},
    };
    for (const auto& c : cases) {
        std::string text = "ab\ncd";
        EXPECT_EQ(StrInsertAtLineStart(text, c.position, '>'), c.result) << c.position;
        EXPECT_EQ(text, c.expected) << c.position;
    }
}

TEST(TextLines, LastNonWhiteAndPrompts) {
    EXPECT_EQ(StrLastNonWhite("ab \n"), 'b');
    EXPECT_EQ(StrLastNonWhite(" \n"), '\0');

    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"text\n ?\t", 1}, {"x\n>", 1}, {"?", 1}, {"a>", 0}, {"", 0}, {"?\n", 0}, {"??", 0}, {"> >", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrEndsWithPrompt(c.text), c.expected) << testing::PrintToString(c.text);
}

}  // namespace
