#include "toolkit/util/text_escape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EscapeControlText, ControlOctetsBecomeEscapesAndEverythingElseStays) {
    struct Case {
        std::string text;
        std::string escaped;
    };
    const Case cases[] = {
        {"plain text", "plain text"},
        {"a\r\nb\tc", "a\\r\\nb\\tc"},
        {std::string("\x1B[2J\x07\x7F", 6), "\\x1B[2J\\x07\\x7F"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"caf\xC3\xA9 \xE2\x80\xA6 back\\slash", "caf\xC3\xA9 \xE2\x80\xA6 back\\slash"},
    };
    for (const Case& c : cases) EXPECT_EQ(escapeControlText(c.text), c.escaped);
}

}  // namespace
