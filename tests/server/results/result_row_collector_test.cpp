#include "Quorvane/results/result_row_collector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/server/results/row_list.h"

namespace {

// The fetch order of each kept row is noted in its one secondary value.
void noteFetch(ResultRow* row, std::size_t fetched) {
    if (row != nullptr) row->secondaryValues.push_back(SecondaryValue{nullptr, std::to_string(fetched)});
}

// The list of the keys fetched in this order, one by one with InsertResultRow.
DblList* insertedOneByOne(const std::vector<std::string>& keys, const KeyDefinition& key) {
    DblList* rows = CreateRowList();
    for (std::size_t i = 0; i < keys.size(); ++i) noteFetch(InsertResultRow(rows, keys[i], key), i);
    return rows;
}

DblList* collected(const std::vector<std::string>& keys, const KeyDefinition& key) {
    ResultRowCollector collector(key);
    for (std::size_t i = 0; i < keys.size(); ++i) noteFetch(collector.add(keys[i]), i);
    return collector.finish();
}

// Each row as key@fetch, blank-separated.
std::string rowsOf(const DblList* rows) {
    std::string text;
    for (const DblNode* node = rows->first; node != nullptr; node = node->next) {
        const auto& row = *static_cast<const ResultRow*>(node->datum);
        if (!text.empty()) text += ' ';
        text += keyOf(row) + "@" + (row.secondaryValues.empty() ? "?" : *row.secondaryValues[0].value);
    }
    return text;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> found;
    for (std::string word; in >> word;) found.push_back(word);
    return found;
}

TEST(ResultRowCollector, GivesTheListOfOneByOneInsertion) {
    struct Case {
        const char* fetched;
        const KeyDefinition& key;
        const char* rows;  // key@fetch
    };
    const Case cases[] = {
        {"5 3 9 3", numericKeyDefinition(), "3@1 5@0 9@2"},
        {"9 8 7 6 5", numericKeyDefinition(), "5@4 6@3 7@2 8@1 9@0"},
        {"1 2 3 2 1", numericKeyDefinition(), "1@0 2@1 3@2"},
        {"", numericKeyDefinition(), ""},
        {"0", numericKeyDefinition(), ""},
        {"0 abc 0", numericKeyDefinition(), ""},
        {"0 5 0 0", numericKeyDefinition(), "0@2 5@1"},
        {"5 0", numericKeyDefinition(), "0@1 5@0"},
        {"abc 7 x", numericKeyDefinition(), "0@2 7@1"},
        {"7 07 +7", numericKeyDefinition(), "7@0"},
        {"B A C A B", textKeyDefinition(), "'A'@1 'B'@0 'C'@2"},
        {"b a B A", textKeyDefinition(), "'A'@3 'B'@2 'a'@1 'b'@0"},
        {"0 10 9", textKeyDefinition(), "'0'@0 '10'@1 '9'@2"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> keys = words(c.fetched);
        Rows one(insertedOneByOne(keys, c.key));
        Rows all(collected(keys, c.key));
        EXPECT_EQ(rowsOf(all.get()), c.rows) << c.fetched;
        EXPECT_EQ(rowsOf(all.get()), rowsOf(one.get())) << c.fetched;
    }
}

// Keys as an index answers them in another order: ascending runs of random keys, with duplicates.
std::vector<std::string> ascendingRuns(std::mt19937& random, std::size_t count, int largest) {
    std::uniform_int_distribution<int> keys(0, largest);
    std::uniform_int_distribution<std::size_t> runLength(1, 20);
    std::vector<std::string> fetched;
    while (fetched.size() < count) {
        std::vector<int> run(runLength(random));
        for (int& key : run) key = keys(random);
        std::sort(run.begin(), run.end());
        for (int key : run) fetched.push_back(std::to_string(key));
    }
    return fetched;
}

TEST(ResultRowCollector, UnsortedFetchWithDuplicatesGivesTheSameRowsAsBefore) {
    std::mt19937 random(7);
    for (int largest : {50, 3000, 1000000}) {
        const std::vector<std::string> keys = ascendingRuns(random, 4000, largest);
        Rows one(insertedOneByOne(keys, numericKeyDefinition()));
        Rows all(collected(keys, numericKeyDefinition()));
        EXPECT_EQ(rowsOf(all.get()), rowsOf(one.get())) << "keys up to " << largest;
        EXPECT_EQ(ListCount(all.get()), ListCount(one.get()));
        EXPECT_EQ(all->cursor, all->last);
        for (const DblNode* node = all->first; node != nullptr; node = node->next) {
            const auto& row = *static_cast<const ResultRow*>(node->datum);
            ASSERT_EQ(row.key, &numericKeyDefinition());
            ASSERT_EQ(row.secondaryValues.size(), 1u);
        }
    }
    std::vector<std::string> texts = ascendingRuns(random, 3000, 400);
    for (std::string& text : texts) text = "T" + text;
    Rows one(insertedOneByOne(texts, textKeyDefinition()));
    Rows all(collected(texts, textKeyDefinition()));
    EXPECT_EQ(rowsOf(all.get()), rowsOf(one.get()));
}

TEST(ResultRowCollector, FinishEmptiesTheCollector) {
    ResultRowCollector collector(numericKeyDefinition());
    collector.add("4");
    collector.add("2");
    Rows first(collector.finish());
    EXPECT_EQ(keysOf(first.get()), "2 4");
    EXPECT_EQ(collector.add("0"), nullptr) << "nothing kept any more";
    collector.add("3");
    Rows second(collector.finish());
    EXPECT_EQ(keysOf(second.get()), "3");
}

}  // namespace
