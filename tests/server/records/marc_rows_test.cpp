#include "Quorvane/records/marc_rows.h"

#include <gtest/gtest.h>

#include "tests/server/records/marc_fixture.h"

namespace {

// The fields of each row as "<column>=<value>".
std::vector<std::vector<std::string>> shown(const FieldRows& rows) {
    std::vector<std::vector<std::string>> out;
    for (const FieldRow& row : rows) {
        out.emplace_back();
        for (const RecordField* field : row)
            out.back().push_back(field->columnName + "=" + field->value.value_or("-"));
    }
    return out;
}

TEST(MarcRows, GroupedByRowNumberThenHoldingsRows) {
    PresentCacheEntry entry = entryOf({{"A", "1"},
                                       {"B", "2", 2},
                                       {"C", "3"},
                                       {"D", "h1", 10000},
                                       {"E", "h2", 10001},
                                       {"F", "gap", 5},  // row 4 is missing, so row 5 is not reached
                                       {"G", "4", 3},
                                       {"H", "h4", 10003}});
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(shown(GroupRows(entry.fields, true)),
              (Rows{{"A=1", "C=3"}, {"B=2"}, {"G=4"}, {"D=h1"}, {"E=h2"}}));
    EXPECT_EQ(shown(GroupRows(entry.fields, false)),
              (Rows{{"A=1", "B=2", "C=3", "D=h1", "E=h2", "F=gap", "G=4", "H=h4"}}));

    PresentCacheEntry empty = entryOf({});
    EXPECT_TRUE(GroupRows(empty.fields, true).empty());
    EXPECT_TRUE(GroupRows(empty.fields, false).empty());
    PresentCacheEntry holdingsOnly = entryOf({{"D", "h1", 10000}});
    EXPECT_EQ(shown(GroupRows(holdingsOnly.fields, true)), (Rows{{"D=h1"}}));

    // Row numbers no run reaches: below 1, and far past the last row of either run.
    PresentCacheEntry unreachable = entryOf({{"A", "1"},
                                             {"Z", "zero", 0},
                                             {"N", "negative", -7},
                                             {"F", "far", 2000000000},
                                             {"G", "far holdings", 10000 + 500000}});
    EXPECT_EQ(shown(GroupRows(unreachable.fields, true)), (Rows{{"A=1"}}));
}

TEST(MarcRows, Conditions) {
    PresentCacheEntry entry = entryOf({{"AUTHOR_SEQ", "1.0"},
                                       {"AUTHOR_ROLE", "Author"},
                                       {"NOTE", std::nullopt},
                                       {"AUTHOR_SEQ", "2", 2},
                                       {"AUTHOR_ROLE", "editor", 2}});
    FieldRows rows = GroupRows(entry.fields, true);
    ASSERT_EQ(rows.size(), 2u);
    struct Case {
        std::vector<RowCondition> conditions;
        int firstRow;  // 1 or 2 when rows[0] or rows[1] meets them first, 0 when none does
    };
    const Case cases[] = {
        {{}, 1},
        {{{"AUTHOR_SEQ", "1"}}, 1},                             // ".0" dropped from the value
        {{{"author_seq", "1.0"}}, 1},                           // column names ignore case
        {{{"AUTHOR_SEQ", "2.0"}}, 2},                           // ".0" dropped from the condition
        {{{"AUTHOR_ROLE", "AUTHOR"}, {"AUTHOR_SEQ", "1"}}, 1},  // values ignore case
        {{{"AUTHOR_ROLE", "editor"}, {"AUTHOR_SEQ", "1"}}, 0},  // every condition must hold
        {{{"AUTHOR_SEQ", "3"}}, 0},
        {{{"NOTE", ""}}, 0},  // a field without a value matches nothing
        {{{"MISSING", "1"}}, 0},
        {{{"AUTHOR_SEQ", "1.00"}}, 0},
    };
    for (const Case& c : cases) {
        const FieldRow* found = FirstMatchingRow(rows, c.conditions);
        const int index = found == &rows[0] ? 1 : found == &rows[1] ? 2 : 0;
        EXPECT_EQ(index, c.firstRow) << (c.conditions.empty()
                                             ? ""
                                             : c.conditions[0].column + "=" + c.conditions[0].value);
        EXPECT_EQ(RowMatchesConditions(c.conditions, rows[0]), c.firstRow == 1 ? 1 : 0);
    }
    EXPECT_EQ(FindRowField(rows[1], "AUTHOR_ROLE")->value, "editor");
    EXPECT_EQ(FindRowField(rows[1], "author_role"), nullptr);  // exact names
}

}  // namespace
