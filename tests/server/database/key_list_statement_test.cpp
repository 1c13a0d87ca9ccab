#include "Quorvane/database/key_list_statement.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

TEST(KeyListStatement, OnlyAKeyConditionOfTheWholeWhereClauseBecomesAKeyList) {
    struct Case {
        const char* statementTemplate;
        std::optional<std::string> text;  // for 3 keys; nothing: the template runs per key
    };
    const Case cases[] = {
        {"SELECT A, B FROM T WHERE N = XXXXX", "SELECT A, B, N FROM T WHERE N IN (?, ?, ?, ?)"},
        {"SELECT A\nFROM T WHERE T.N=XXXXX AND S = 1 ORDER BY S",
         "SELECT A, T.N FROM T WHERE T.N IN (?, ?, ?, ?) AND S = 1 ORDER BY S"},
        {"select a from t, u where u.x = t.x and t.n = XXXXX order by u.y",
         "select a, t.n from t, u where u.x = t.x and t.n IN (?, ?, ?, ?) order by u.y"},
        {"SELECT A FROM T WHERE C IN ('a', 'b') AND N = XXXXX",
         "SELECT A, N FROM T WHERE C IN ('a', 'b') AND N IN (?, ?, ?, ?)"},
        // Forms whose rows for a key could differ from its rows alone, or that name no key column.
        {"SELECT A FROM T WHERE N = 'XXXXX'", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX OR S = 1", std::nullopt},
        {"SELECT A FROM T WHERE S = 1 OR N = XXXXX", std::nullopt},
        {"SELECT A FROM T WHERE (N = XXXXX)", std::nullopt},
        {"SELECT A FROM T WHERE NOT N = XXXXX", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX + 1", std::nullopt},
        {"SELECT A FROM T WHERE N > XXXXX", std::nullopt},
        {"SELECT A FROM T WHERE XXXXX = N", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX AND M = XXXXX", std::nullopt},
        {"SELECT COUNT(A) FROM T WHERE N = XXXXX", std::nullopt},
        {"SELECT * FROM T WHERE N = XXXXX", std::nullopt},
        {"SELECT DISTINCT A FROM T WHERE N = XXXXX", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX LIMIT 1", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX GROUP BY A", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX UNION SELECT B FROM U", std::nullopt},
        {"SELECT A FROM T WHERE M IN (SELECT M FROM U WHERE N = XXXXX)", std::nullopt},
        {"SELECT A FROM T LEFT JOIN U ON U.X = T.X AND U.N = XXXXX", std::nullopt},
        {"SELECT 'XXXXX' FROM T WHERE N = 1", std::nullopt},
        {"SELECT A FROM T WHERE \"N\" = XXXXX", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX AND C = 'it''s", std::nullopt},
        {"SELECT A FROM T", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statementTemplate);
        const std::optional<KeyListStatement> made = KeyListStatement::make(c.statementTemplate, 3);
        ASSERT_EQ(made.has_value(), c.text.has_value());
        if (made) {
            EXPECT_EQ(made->text(), *c.text);
        }
    }
}

TEST(KeyListStatement, ParameterCountsComeFromAFewSizesAndTheShownTextListsTheKeys) {
    const char* statementTemplate = "SELECT A FROM T WHERE N = XXXXX ORDER BY A";
    for (const auto& [keys, parameters] : std::vector<std::pair<std::size_t, std::size_t>>{
             {1, 4}, {4, 4}, {5, 16}, {16, 16}, {17, 64}, {65, 128}, {128, 128}}) {
        const std::optional<KeyListStatement> made = KeyListStatement::make(statementTemplate, keys);
        ASSERT_TRUE(made);
        EXPECT_EQ(made->parameters(), parameters) << keys;
    }
    EXPECT_FALSE(KeyListStatement::make(statementTemplate, 0));
    EXPECT_FALSE(KeyListStatement::make(statementTemplate, KeyListStatement::kMaxKeys + 1));

    const std::vector<std::int64_t> keys = {7, -2, 30};
    EXPECT_EQ(KeyListStatement::make(statementTemplate, keys.size())->shown(keys),
              "SELECT A, N FROM T WHERE N IN (7, -2, 30) ORDER BY A");
}

}  // namespace
