#include "Quorvane/database/key_parameters.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(KeyParameters, PlaceholdersBecomeParametersOnlyWhereTheKeyIsAWholeValue) {
    struct Case {
        const char* statementTemplate;
        const char* key;
        std::optional<std::string> text;  // nothing: the key is substituted instead
    };
    const Case cases[] = {
        {"SELECT A FROM T WHERE N = XXXXX", "000123", "SELECT A FROM T WHERE N = ?"},
        {"SELECT A FROM T WHERE C = 'XXXXX'", "O'B", "SELECT A FROM T WHERE C = ?"},
        {"SELECT A FROM T WHERE N = XXXXX OR M = XXXXX AND C = 'XXXXX'", "-7",
         "SELECT A FROM T WHERE N = ? OR M = ? AND C = ?"},
        {"SELECT 'a''b' FROM T WHERE N=XXXXX", "1", "SELECT 'a''b' FROM T WHERE N=?"},
        {"SELECT A FROM T WHERE N = XXXXX", "12A", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX", "99999999999999999999", std::nullopt},
        {"SELECT A FROM T WHERE N = XXXXX", "", std::nullopt},
        {"SELECT A FROM T WHERE C LIKE 'XXXXX%'", "AB", std::nullopt},
        {"SELECT A FROM T WHERE C = 'it''s XXXXX'", "AB", std::nullopt},
        {"SELECT \"XXXXX\" FROM T", "1", std::nullopt},
        {"SELECT A FROM T", "1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.statementTemplate);
        std::optional<KeyParameters> made = KeyParameters::make(c.statementTemplate, c.key);
        ASSERT_EQ(made.has_value(), c.text.has_value());
        if (made) {
            EXPECT_EQ(made->text(), *c.text);
        }
    }
}

}  // namespace
