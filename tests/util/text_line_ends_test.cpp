#include "toolkit/util/text_line_ends.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextLineEnds, LinesToBlanks) {
    std::string text = "a\r\nb\n";
    EXPECT_EQ(StrLinesToBlanks(text), 5);
    EXPECT_EQ(text, "a  b");
    std::string plain = "ab";
    EXPECT_EQ(StrLinesToBlanks(plain), 2);
    EXPECT_EQ(plain, "ab");
}

TEST(TextLineEnds, UnescapeLineEnds) {
    std::string text = "a\\nb\\r\\n\\x";
    StrUnescapeLineEnds(text);
    EXPECT_EQ(text, "a\nb\r\n\\x");
}

TEST(TextLineEnds, NormaliseLineEnds) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {"a\r\nb", "a\nb"},
        {"a\n   \nb", "a\n\nb"},  // a line of white space only is emptied
        {"a\rb", "a\nb"},
        {"a\r  b", "a\n  b"},   // text follows on the line: only the carriage return
                                // changes
        {"a\r \r\nb", "a\nb"},  // carriage returns and white space up to a line feed form one line end
        {"a\r\n\r\nb", "a\n\nb"},
        {"a\r\n\nb", "a\n\nb"},  // only one line feed joins the line end
        {"a\r  ", "a\n"},
        {"a\n \t", "a\n"},
        {"   ", ""},
        {"x  \ny", "x  \ny"},  // trailing white space after text stays
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        StrNormaliseLineEnds(text);
        EXPECT_EQ(text, c.expected) << testing::PrintToString(c.text);
    }
}

TEST(TextLineEnds, TrimLineEndsRemovesBlanksNotTabs) {
    std::string text = "a  \nb \t \n\nc  ";
    StrTrimLineEnds(text);
    EXPECT_EQ(text, "a\nb \t\n\nc");
}

}  // namespace
