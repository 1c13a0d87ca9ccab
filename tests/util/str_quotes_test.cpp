#include "toolkit/util/str_quotes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(StrQuotes, Table) {
    using Edit = std::function<void(std::string&)>;
    const auto strip = [](std::string& t) { StrStripEnclosing(t, '\''); };
    const auto commaOutside = [](std::string& t) { StrReplaceCharOutsideQuotes(t, ',', ';', '\''); };
    const auto andOutside = [](std::string& t) { StrReplaceOutsideQuotes(t, "AND", "&", '\''); };
    const struct {
        const char* name;
        Edit edit;
        std::string text, expected;
    } cases[] = {
        {"StripEnclosing", strip, "  'it''s'  ", "it's"},
        {"StripEnclosing", strip, "' a b '", "a b"},
        {"StripEnclosing", strip, "abc 'x'", "abc 'x'"},  // the first octet is no quote
        {"StripEnclosing", strip, "'abc", "'abc"},        // no closing quote
        {"ReplaceCharOutsideQuotes", commaOutside, "a,'b,c',d", "a;'b,c';d"},
        {"ReplaceCharOutsideQuotes", commaOutside, "a,'b,c,d", "a;'b,c,d"},  // unclosed quote ends the work
        {"ReplaceCharCounted", [](std::string& t) { StrReplaceCharCounted(t, 2, 0, std::nullopt, ',', ';'); },
         "a,b,c,d", "a;b;c,d"},
        {"ReplaceCharCounted", [](std::string& t) { StrReplaceCharCounted(t, 2, 1, std::nullopt, ',', ';'); },
         "a,b,c,d", "a,b;c;d"},
        {"ReplaceCharCounted", [](std::string& t) { StrReplaceCharCounted(t, 2, 0, '\'', ',', ';'); },
         "a,'b,c',d,e", "a;'b,c';d,e"},
        {"ReplaceCharCounted", [](std::string& t) { StrReplaceCharCounted(t, 1, 1, '\'', ',', ';'); },
         "a,'b,c'", "a;'b,c'"},
        {"ReplaceCharCounted", [](std::string& t) { StrReplaceCharCounted(t, 5, 2, std::nullopt, ',', ';'); },
         "a,b", "a,b"},
        {"ReplaceCharCounted", [](std::string& t) { StrReplaceCharCounted(t, 0, 0, std::nullopt, ',', ';'); },
         "a,b", "a,b"},
        {"ReplaceOutsideQuotes", andOutside, "x AND 'a AND b' AND y", "x & 'a AND b' & y"},
        {"ReplaceOutsideQuotes", andOutside, "x AND 'y AND", "x & 'y AND"},
        {"ReplaceOutsideQuotes", [](std::string& t) { StrReplaceOutsideQuotes(t, "", "X", '\''); }, "ab",
         "ab"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        c.edit(text);
        EXPECT_EQ(text, c.expected) << c.name << " on \"" << c.text << '"';
    }
}

TEST(StrQuotes, ReplaceOutsideQuotesGrowsPastFormerSlack) {
    std::string text;
    for (int i = 0; i < 300; ++i) text += "a 'a' ";
    StrReplaceOutsideQuotes(text, "a", "bbb", '\'');
    EXPECT_EQ(text.size(), 300u * 8u);
    EXPECT_EQ(text.substr(0, 8), "bbb 'a' ");
}

}  // namespace
