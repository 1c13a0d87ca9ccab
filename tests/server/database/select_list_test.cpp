#include "Quorvane/database/select_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(SplitSelectList, CutsAtCommasOutsideParenthesesAndDropsWhiteSpace) {
    struct Case {
        const char* statement;
        bool upperCase;
        Names names;
    };
    const Case cases[] = {
        {"SELECT TITLE_NO, TITLE FROM T WHERE X = 1", true, {"TITLE_NO", "TITLE"}},
        {"select a.Title ,\n  b.Name\nfrom A a, B b", false, {"a.Title", "b.Name"}},
        {"select a.Title , b.Name from A", true, {"A.TITLE", "B.NAME"}},
        {"SELECT COUNT( DISTINCT X ), SUBSTR(A, 1, 2) FROM T", true, {"COUNT(DISTINCTX)", "SUBSTR(A,1,2)"}},
        {"SELECT DATEFROM, DATE_FROM FROM T", true, {"DATEFROM", "DATE_FROM"}},
        {"SELECT X FROM\tT", true, {"X"}},
        {"UPDATE T SET X = 1", true, {}},
        {"SELECT X", true, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitSelectList(c.statement, c.upperCase), c.names) << c.statement;
}

}  // namespace
