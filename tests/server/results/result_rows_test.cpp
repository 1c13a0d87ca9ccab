#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>

#include "Quorvane/results/result_combine.h"
#include "Quorvane/results/result_set_store.h"
#include "tests/server/results/row_list.h"

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

TEST(InsertResultRow, KeepsKeyOrderWithoutDuplicates) {
    struct Case {
        const char* fetched;
        const char* list;
    };
    const Case cases[] = {
        {"5 3 9 3", "3 5 9"},
        {"'B' 'A' 'C' 'A'", "'A' 'B' 'C'"},
        {"'b' 'a' 'B' 'A'", "'A' 'B' 'a' 'b'"},
        {"9 8 7 6 5", "5 6 7 8 9"},
        {"1 2 3 2 1", "1 2 3"},
        {"0", ""},
        {"0 5 0", "0 5"},
        {"5 0", "0 5"},
        {"abc 7", "7"},
        {"'' 'A'", "'' 'A'"},
        {"'A' 3 'B' 1", "1 3 'A' 'B'"},
    };
    for (const Case& c : cases) {
        Rows rows(rowList(c.fetched));
        EXPECT_EQ(keysOf(rows.get()), c.list) << c.fetched;
    }
}

TEST(InsertResultRow, AnswersTheNewRowWithTheCursorOnIt) {
    Rows rows(CreateRowList());
    ResultRow* five = InsertResultRow(rows.get(), "5", numericKeyDefinition());
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(ListCurrent(rows.get()), five);
    EXPECT_EQ(five->key, &numericKeyDefinition());
    EXPECT_EQ(InsertResultRow(rows.get(), "5", numericKeyDefinition()), nullptr);
    ResultRow* three = InsertResultRow(rows.get(), "3", numericKeyDefinition());
    EXPECT_EQ(ListCurrent(rows.get()), three);
    EXPECT_EQ(InsertResultRow(rows.get(), "5", numericKeyDefinition()), nullptr);
    EXPECT_EQ(ListCurrent(rows.get()), five);
}

TEST(InsertResultRow, AnyFetchOrderGivesTheSortedDistinctKeys) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> keys(1, 300);
    Rows rows(CreateRowList());
    std::set<int> expected;
    for (int i = 0; i < 2000; ++i) {
        int key = keys(random);
        expected.insert(key);
        InsertResultRow(rows.get(), std::to_string(key), numericKeyDefinition());
    }
    std::string list;
    for (int key : expected) list += (list.empty() ? "" : " ") + std::to_string(key);
    EXPECT_EQ(keysOf(rows.get()), list);
}

// The keys of a combination's result, each marked with the operand its row came from (L or R).
std::string combine(DblList* (*operation)(DblList*, DblList*), const char* left, const char* right) {
    DblList* leftRows = rowList(left);
    std::set<const void*> fromLeft;
    for (const DblNode* node = leftRows->first; node != nullptr; node = node->next)
        fromLeft.insert(node->datum);
    Rows result(operation(leftRows, rowList(right)));
    std::string text;
    for (const DblNode* node = result->first; node != nullptr; node = node->next) {
        if (!text.empty()) text += ' ';
        text += (fromLeft.count(node->datum) != 0 ? "L" : "R") +
                keyOf(*static_cast<const ResultRow*>(node->datum));
    }
    return text;
}

TEST(ResultCombinations, AndOrAndNotOverMixedKeys) {
    struct Case {
        const char* left;
        const char* right;
        const char* conjunction;
        const char* disjunction;
        const char* difference;
    };
    const Case cases[] = {
        {"1 2 4", "2 3 4", "L2 L4", "L1 L2 R3 L4", "L1"},
        {"", "1 2", "", "R1 R2", ""},
        {"1 2", "", "", "L1 L2", "L1 L2"},
        {"", "", "", "", ""},
        {"'A' 'C'", "1 2", "", "R1 R2 L'A' L'C'", "L'A' L'C'"},
        {"5", "'5' 'B'", "", "L5 R'5' R'B'", "L5"},
        {"1 'A'", "1 'A' 'B'", "L1 L'A'", "L1 L'A' R'B'", ""},
        {"'B' 'a'", "'A' 'b'", "", "R'A' L'B' L'a' R'b'", "L'B' L'a'"},
        {"1 3 5 7 9", "2 3 4 9 10", "L3 L9", "L1 R2 L3 R4 L5 L7 L9 R10", "L1 L5 L7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.left) + " with " + c.right);
        EXPECT_EQ(combine(IntersectResults, c.left, c.right), c.conjunction);
        EXPECT_EQ(combine(UnionResults, c.left, c.right), c.disjunction);
        EXPECT_EQ(combine(SubtractResults, c.left, c.right), c.difference);
    }
}

TEST(ResultCombinations, AMissingOperandGivesNothingAndFreesTheOther) {
    EXPECT_EQ(IntersectResults(rowList("1 2"), nullptr), nullptr);
    EXPECT_EQ(UnionResults(nullptr, rowList("1")), nullptr);
    EXPECT_EQ(SubtractResults(nullptr, nullptr), nullptr);
}

TEST(CountResultRecords, SubKeyValuesCountOnePositionEach) {
    Rows rows(rowList("1 2 3"));
    static_cast<ResultRow*>(rows->first->datum)->subKeyValues = {"11", "12"};
    static_cast<ResultRow*>(rows->last->datum)->subKeyValues = {"31"};
    EXPECT_EQ(CountResultRecords(rows.get()), 4u);
    Rows empty(CreateRowList());
    EXPECT_EQ(CountResultRecords(empty.get()), 0u);
}

}  // namespace
