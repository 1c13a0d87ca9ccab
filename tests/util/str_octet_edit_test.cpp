#include "toolkit/util/str_octet_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(StrOctetEdit, Table) {
    using Edit = std::function<void(std::string&)>;
    const struct {
        const char* name;
        Edit edit;
        std::string text, expected;
    } cases[] = {
        {"HalveRuns", [](std::string& t) { StrHalveRuns(t, '\''); }, "it''s", "it's"},
        {"HalveRuns", [](std::string& t) { StrHalveRuns(t, '\''); }, "''''", "''"},
        {"HalveRuns", [](std::string& t) { StrHalveRuns(t, '\''); }, "'''", "''"},
        {"HalveRuns", [](std::string& t) { StrHalveRuns(t, '\''); }, "a'b''", "a'b'"},
        {"CollapseRuns", [](std::string& t) { StrCollapseRuns(t, ','); }, "a,,,b,", "a,b,"},
        {"CollapseRuns", [](std::string& t) { StrCollapseRuns(t, ','); }, ",,", ","},
        {"RemoveChar", [](std::string& t) { StrRemoveChar(t, '-'); }, "-a-b-", "ab"},
        {"DeleteRange", [](std::string& t) { StrDeleteRange(t, 1, 3); }, "abcdef", "aef"},
        {"DeleteRange", [](std::string& t) { StrDeleteRange(t, 1, 9); }, "abc", "a"},
        {"DeleteRange", [](std::string& t) { StrDeleteRange(t, 3, 4); }, "abc", "abc"},
        {"DeleteRange", [](std::string& t) { StrDeleteRange(t, 2, 1); }, "abc", "abc"},
        {"DeleteRange", [](std::string& t) { StrDeleteRange(t, -1, 1); }, "abc", "abc"},
        {"FillRange", [](std::string& t) { StrFillRange(t, 1, 3, 'x'); }, "abcdef", "axxxef"},
        {"FillRange", [](std::string& t) { StrFillRange(t, 3, 4, 'x'); }, "ab", "ab xx"},
        {"FillRange", [](std::string& t) { StrFillRange(t, 2, 1, 'x'); }, "abc", "abc"},
        {"AppendChar", [](std::string& t) { StrAppendChar(t, '!'); }, "ab", "ab!"},
        {"Reverse", StrReverse, "abc", "cba"},
        {"Reverse", StrReverse, "", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        c.edit(text);
        EXPECT_EQ(text, c.expected) << c.name << " on \"" << c.text << '"';
    }
}

}  // namespace
