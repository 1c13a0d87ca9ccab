#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Quorvane/results/result_combine.h"
#include "tests/server/results/result_set_text.h"

namespace {

TEST(ParseNumericKey, ReadsTheLeadingUnsignedDecimal) {
    struct Case {
        const char* text;
        std::uint32_t key;
    };
    const Case cases[] = {{"42", 42},        {"  7", 7},     {"+8", 8},
                          {"12.0", 12},      {"12abc", 12},  {"abc", 0},
                          {"", 0},           {"-3", 0},      {"4294967295", 4294967295u},
                          {"4294967296", 0}, {"000123", 123}};
    for (const Case& c : cases) EXPECT_EQ(ParseNumericKey(c.text), c.key) << c.text;
}

// Each kept row shows the operand it came from (L or R).
TEST(ResultCombinations, AndOrAndNotOverMixedKeys) {
    struct Case {
        const char* left;
        const char* right;
        const char* conjunction;
        const char* disjunction;
        const char* difference;
    };
    const Case cases[] = {
        {"1 2 4", "2 3 4", "2@L 4@L", "1@L 2@L 3@R 4@L", "1@L"},
        {"", "1 2", "", "1@R 2@R", ""},
        {"1 2", "", "", "1@L 2@L", "1@L 2@L"},
        {"", "", "", "", ""},
        {"'A' 'C'", "1 2", "", "1@R 2@R 'A'@L 'C'@L", "'A'@L 'C'@L"},
        {"5", "'5' 'B'", "", "5@L '5'@R 'B'@R", "5@L"},
        {"1 'A'", "1 'A' 'B'", "1@L 'A'@L", "1@L 'A'@L 'B'@R", ""},
        {"'B' 'a'", "'A' 'b'", "", "'A'@R 'B'@L 'a'@L 'b'@R", "'B'@L 'a'@L"},
        {"1 3 5 7 9", "2 3 4 9 10", "3@L 9@L", "1@L 2@R 3@L 4@R 5@L 7@L 9@L 10@R", "1@L 5@L 7@L"},
        {"4294967295 'z'", "4294967295 7", "4294967295@L", "7@R 4294967295@L 'z'@L", "'z'@L"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.left) + " with " + c.right);
        EXPECT_EQ(rowsOf(IntersectResults(resultSet(c.left, "L"), resultSet(c.right, "R"))), c.conjunction);
        EXPECT_EQ(rowsOf(UnionResults(resultSet(c.left, "L"), resultSet(c.right, "R"))), c.disjunction);
        EXPECT_EQ(rowsOf(SubtractResults(resultSet(c.left, "L"), resultSet(c.right, "R"))), c.difference);
    }
}

// Rows keep the key they were found under through nested combinations.
TEST(ResultCombinations, RowsKeepTheirKeyDefinitionsAcrossCombinations) {
    ResultSet rows = UnionResults(IntersectResults(resultSet("1 2 3", "A"), resultSet("2 3", "B")),
                                  UnionResults(resultSet("3 4"), resultSet("5 'x'", "C")));
    ASSERT_EQ(rowsOf(rows), "2@A 3@A 4 5@C 'x'@C");
    const std::vector<const KeyDefinition*> keys = {&notedNumericKey(), &notedNumericKey(),
                                                    &numericKeyDefinition(), &notedNumericKey(),
                                                    &notedTextKey()};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(rows.row(i).key, keys[i]) << i;
        if (!rows.row(i).secondaryValues.empty()) {
            EXPECT_EQ(rows.row(i).secondaryValues[0].column, &keys[i]->secondaryColumns[0]) << i;
        }
    }
    EXPECT_EQ(rows.recordCount(), 5u);
}

class SubKeyRows : public testing::Test {
  protected:
    SubKeyRows() { serial_.subKey = SubKeyDefinition{"I.K", "I.ISSUE", "XXISSUEXX"}; }

    // 4 and 90 under the plain key, 83 and 85 under the serial key; 83 has three issues, 85 one.
    ResultSet expanded() {
        ResultSetBuilder serials(serial_);
        serials.add("85");
        serials.add("83");
        ResultSet rows = UnionResults(resultSet("4 90"), serials.finish());
        rows.expandSubKeys([](const ResultRow& row) {
            return row.numericKey == 83 ? std::vector<std::string>{"1", "2", "3"} : std::vector<std::string>{"9"};
        });
        return rows;
    }

    KeyDefinition serial_ = keyDefinition("K", false);
};

TEST_F(SubKeyRows, OnlyRowsWithASubKeyAreExpandedAndEachValueIsAPosition) {
    const ResultSet rows = expanded();
    ASSERT_EQ(rowsOf(rows), "4 83 85 90");
    EXPECT_TRUE(rows.row(0).subKeyValues.empty());
    EXPECT_EQ(std::vector<std::string>(rows.row(1).subKeyValues.begin(), rows.row(1).subKeyValues.end()),
              (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(rows.row(1).subKey, &*serial_.subKey);
    EXPECT_EQ(rows.row(0).subKey, nullptr);
    EXPECT_EQ(rows.recordCount(), 6u);

    const std::vector<std::uint32_t> holder = {0, 4, 83, 83, 83, 85, 90};
    for (std::uint32_t position : {1u, 2u, 3u, 4u, 5u, 6u, 5u, 2u, 6u, 4u}) {
        const std::optional<ResultRow> row = rows.rowAtPosition(position);
        ASSERT_TRUE(row.has_value()) << position;
        EXPECT_EQ(row->numericKey, holder[position]) << position;
    }
    for (std::uint32_t position : {0u, 7u, 0xFFFFFFFFu}) EXPECT_FALSE(rows.rowAtPosition(position)) << position;
}

TEST_F(SubKeyRows, WithoutExpansionEveryRowIsOnePosition) {
    const ResultSet rows = resultSet("4 9 'A'");
    EXPECT_EQ(rows.recordCount(), 3u);
    EXPECT_EQ(rows.rowAtPosition(3)->textKey, "A");
    EXPECT_EQ(rows.rowAtPosition(1)->numericKey, 4u);
    EXPECT_FALSE(rows.rowAtPosition(4));
    EXPECT_FALSE(rows.rowAtPosition(0));
    EXPECT_FALSE(ResultSet().rowAtPosition(1));
    EXPECT_EQ(ResultSet().recordCount(), 0u);
}

TEST_F(SubKeyRows, ACombinationOfAnExpandedSetKeepsItsPositions) {
    const ResultSet rows = SubtractResults(expanded(), resultSet("4"));
    EXPECT_EQ(rows.recordCount(), 5u);
    EXPECT_EQ(rows.rowAtPosition(3)->numericKey, 83u);
    EXPECT_EQ(rows.rowAtPosition(4)->numericKey, 85u);
    EXPECT_EQ(rows.rowAtPosition(5)->numericKey, 90u);
}

}  // namespace
