#include "Quorvane/database/connection_secrets.h"

#include <gtest/gtest.h>

#include "Quorvane/database/sql_substitution.h"

namespace {

TEST(MaskConnectionSecrets, HidesPasswordsOnly) {
    struct Case {
        const char* connection;
        const char* masked;
    };
    const Case cases[] = {
        {"Driver=SQLite3;Database=a.db", "Driver=SQLite3;Database=a.db"},
        {"DSN=lib;UID=me;PWD=secret", "DSN=lib;UID=me;PWD=*****"},
        {"Driver=PostgreSQL;password=s;Server=h;", "Driver=PostgreSQL;password=*****;Server=h;"},
        {"Pwd = {a;b}}c};Server=h", "Pwd =*****;Server=h"},
        {"PWD=x", "PWD=*****"},
        {"NoEquals;PWD", "NoEquals;PWD"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(MaskConnectionSecrets(c.connection), c.masked) << c.connection;
}

TEST(SubstituteQuoted, DoublesEveryQuoteOfTheValue) {
    std::string statement = "SELECT A FROM T WHERE K = 'XXXXX' OR J = XXXXX";
    SubstituteQuoted(statement, "XXXXX", "X' OR '1'='1");
    EXPECT_EQ(statement, "SELECT A FROM T WHERE K = 'X'' OR ''1''=''1' OR J = X'' OR ''1''=''1");
    EXPECT_EQ(DoubleQuotes("''"), "''''");
}

}  // namespace
