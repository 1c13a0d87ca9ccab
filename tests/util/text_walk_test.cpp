#include "toolkit/util/text_walk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct WalkCase {
    std::string text;
    int32_t position;
    std::string out;
    int32_t endPosition;
    int hadWhite, got, result;
};

TEST(TextWalk, NextWord) {
    const WalkCase cases[] = {
        {"ab cd", 0, "ab", 2, 0, 1, 1},
        {"ab cd", 2, "cd", 2, 1, 0, 0},          // the text ends inside the word
        {"ab\ncd ef", 0, "ab\ncd", 5, 0, 1, 1},  // a line feed belongs to the word
        {"ab   ", 0, "ab", 2, 0, 1, 0},          // only white space follows
        {" \t\nab x", 0, "\nab", 5, 1, 1, 1},    // skipping stops at the line feed
        {"ab", 9, "", 9, 0, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t position = c.position;
        std::string out = "old";
        int hadWhite = -1;
        int gotWord = -1;
        EXPECT_EQ(StrNextWord(c.text, position, out, hadWhite, gotWord), c.result)
            << c.text << " @" << c.position;
        EXPECT_EQ(out, c.out) << c.text << " @" << c.position;
        EXPECT_EQ(position, c.endPosition) << c.text << " @" << c.position;
        EXPECT_EQ(hadWhite, c.hadWhite) << c.text << " @" << c.position;
        EXPECT_EQ(gotWord, c.got) << c.text << " @" << c.position;
    }
}

TEST(TextWalk, NextLine) {
    const WalkCase cases[] = {
        {"  first line\nsecond", 0, "first line", 12, 1, 1, 1},
        {"  first line\nsecond", 13, "second", 13, 0, 0, 0},
        {"a\n  \n", 0, "a", 1, 0, 1, 0},
        {"\nx", 0, "", 0, 0, 1, 1},
        {"ab", 3, "", 3, 0, 0, 0},
    };
    for (const auto& c : cases) {
        int32_t position = c.position;
        std::string out = "old";
        int hadWhite = -1;
        int gotLine = -1;
        EXPECT_EQ(StrNextLine(c.text, position, out, hadWhite, gotLine), c.result)
            << c.text << " @" << c.position;
        EXPECT_EQ(out, c.out) << c.text << " @" << c.position;
        EXPECT_EQ(position, c.endPosition) << c.text << " @" << c.position;
        EXPECT_EQ(hadWhite, c.hadWhite) << c.text << " @" << c.position;
        EXPECT_EQ(gotLine, c.got) << c.text << " @" << c.position;
    }
}

TEST(TextWalk, LineProbes) {
    EXPECT_EQ(StrSkipWhiteInLine(" \t x", 0), 3);
    EXPECT_EQ(StrSkipWhiteInLine("  \nx", 0), 2);
    EXPECT_EQ(StrSkipWhiteInLine("   ", 0), 3);
    EXPECT_EQ(StrSkipWhiteInLine("ab", 5), 2);

    EXPECT_EQ(StrLineRestIsWhite(" \t\nx", 0), 1);
    EXPECT_EQ(StrLineRestIsWhite("\n", 0), 1);
    EXPECT_EQ(StrLineRestIsWhite(" x\n", 0), 0);
    EXPECT_EQ(StrLineRestIsWhite("  ", 0), 0);
    EXPECT_EQ(StrLineRestIsWhite("\n", 4), 0);

    EXPECT_EQ(StrEmptyLineFollows("a \n\nb", 1), 1);
    EXPECT_EQ(StrEmptyLineFollows("a\n \nb", 1), 0);
    EXPECT_EQ(StrEmptyLineFollows("a\n", 1), 0);
    EXPECT_EQ(StrEmptyLineFollows("a\n\n", 7), 0);
}

}  // namespace
