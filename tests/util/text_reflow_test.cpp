#include "toolkit/util/text_reflow.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

TEST(TextReflow, BreakLongWords) {
    const struct {
        std::string text;
        int32_t count;
        std::string expected;
    } cases[] = {
        {"abcdefghij", 3, "abc defg hij"},  // count octets first, then count + 1
        {"ab cd", 3, "ab cd"},
        {"abc\tabcd", 3, "abc\tabc d"},
        {"abcd", 0, "abcd"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        StrBreakLongWords(text, c.count);
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.count;
    }
}

TEST(TextReflow, FindBreak) {
    const struct {
        const char* text;
        int32_t start, width, expected;
    } cases[] = {
        {"aa bb cc dd", 0, 5, 5},   {"aa bb cc dd", 3, 4, 5},
        {"aaaaaaa b", 0, 3, 0},      // no earlier blank: start + width - 3
        {"\"a b c\" d e", 0, 7, 7},  // blanks inside quotes do not count
        {"ab cd", 0, 10, -1},       {"ab cd", 9, 1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrFindBreak(c.text, c.start, '"', c.width), c.expected) << c.text << " @" << c.start;
    }
}

TEST(TextReflow, JustifyWidensCutLines) {
    const struct {
        std::string text;
        int32_t width, margin;
        std::string expected;
    } cases[] = {
        {"aa bb cc dd", 7, 0, "aa   bb\ncc dd"},
        {"a b c dddd", 8, 0, "a   b  c\ndddd"},
        {"abcdefghijkl", 6, 0, "abcd\nefghi\njkl"},  // long words are broken first
        {"ab  \ncd", 10, 0, "ab\ncd"},
        {"abc", 0, 0, "abc"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        StrJustify(text, c.width, c.margin);
        EXPECT_EQ(text, c.expected) << c.text << " / " << c.width;
    }
}

TEST(TextReflow, JustifyKeepsWordsAndFillsEveryCutLine) {
    const std::string original =
        "Library systems people run the server next to their catalogue database and point real clients at "
        "it.";
    std::string text = original;
    StrJustify(text, 24, 2);
    EXPECT_EQ(wordsOf(text), wordsOf(original));
    std::istringstream lines(text);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_GT(all.size(), 3u);
    for (size_t i = 0; i + 1 < all.size(); ++i) EXPECT_EQ(all[i].size(), 24u) << all[i];
}

}  // namespace
