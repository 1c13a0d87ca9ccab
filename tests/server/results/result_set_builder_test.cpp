#include "Quorvane/results/result_set_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/server/results/result_set_text.h"

namespace {

// The set of the keys fetched in this order, each row noting its fetch number.
ResultSet built(const std::vector<std::string>& keys, const KeyDefinition& key) {
    ResultSetBuilder builder(key);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        builder.add(keys[i], {SecondaryValue{&key.secondaryColumns[0], std::to_string(i)}});
    }
    return builder.finish();
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> found;
    for (std::string word; in >> word;) found.push_back(word);
    return found;
}

TEST(ResultSetBuilder, SortsKeepsTheFirstFetchOfAKeyAndDropsKeyZero) {
    struct Case {
        const char* fetched;
        const KeyDefinition& key;
        const char* rows;  // key@fetch
    };
    const Case cases[] = {
        {"5 3 9 3", notedNumericKey(), "3@1 5@0 9@2"},
        {"9 8 7 6 5", notedNumericKey(), "5@4 6@3 7@2 8@1 9@0"},
        {"1 2 3 2 1", notedNumericKey(), "1@0 2@1 3@2"},
        {"", notedNumericKey(), ""},
        {"0", notedNumericKey(), ""},
        {"0 5 0 abc", notedNumericKey(), "5@1"},
        {"7 07 +7", notedNumericKey(), "7@0"},
        {"4294967295 4294967296 1", notedNumericKey(), "1@2 4294967295@0"},
        {"B A C A B", notedTextKey(), "'A'@1 'B'@0 'C'@2"},
        {"b a B A", notedTextKey(), "'A'@3 'B'@2 'a'@1 'b'@0"},
        {"0 10 9", notedTextKey(), "'0'@0 '10'@1 '9'@2"},
    };
    for (const Case& c : cases) EXPECT_EQ(rowsOf(built(words(c.fetched), c.key)), c.rows) << c.fetched;
}

// Keys as an index answers them in another order: ascending runs of random keys, with duplicates.
std::vector<std::string> ascendingRuns(std::mt19937& random, std::size_t count, int largest) {
    std::uniform_int_distribution<int> keys(1, largest);
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

// What the set must hold: each distinct key once, in key order, with the fetch number of its first fetch.
std::string firstFetches(const std::vector<std::string>& keys, bool textKeys) {
    std::map<std::string, std::size_t> numbered;
    std::map<std::uint32_t, std::size_t> numeric;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (textKeys) {
            numbered.emplace(keys[i], i);
        } else {
            numeric.emplace(ParseNumericKey(keys[i]), i);
        }
    }
    std::string text;
    for (const auto& [key, fetch] : numbered) text += (text.empty() ? "'" : " '") + key + "'@" + std::to_string(fetch);
    for (const auto& [key, fetch] : numeric)
        text += (text.empty() ? "" : " ") + std::to_string(key) + "@" + std::to_string(fetch);
    return text;
}

TEST(ResultSetBuilder, UnsortedFetchWithDuplicatesGivesTheDistinctKeysInOrder) {
    std::mt19937 random(7);
    for (int largest : {50, 3000, 1000000}) {
        const std::vector<std::string> keys = ascendingRuns(random, 4000, largest);
        EXPECT_EQ(rowsOf(built(keys, notedNumericKey())), firstFetches(keys, false)) << "keys up to " << largest;
    }
    std::vector<std::string> texts = ascendingRuns(random, 3000, 400);
    for (std::string& text : texts) text = "T" + text;
    EXPECT_EQ(rowsOf(built(texts, notedTextKey())), firstFetches(texts, true));
}

TEST(ResultSetBuilder, FinishEmptiesTheBuilderAndRowsShareTheirKeyWithoutOwnValues) {
    ResultSetBuilder builder(numericKeyDefinition());
    builder.add("4");
    builder.add("2");
    const ResultSet first = builder.finish();
    EXPECT_EQ(rowsOf(first), "2 4");
    EXPECT_EQ(first.row(0).key, &numericKeyDefinition());
    EXPECT_EQ(first.row(1).key, &numericKeyDefinition());
    EXPECT_TRUE(first.row(0).secondaryValues.empty());
    builder.add("3");
    const ResultSet second = builder.finish();
    EXPECT_EQ(rowsOf(second), "3");
    EXPECT_EQ(second.row(0).key, &numericKeyDefinition());
}

}  // namespace
