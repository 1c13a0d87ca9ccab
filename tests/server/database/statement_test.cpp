#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/session_statement.h"
#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

class OdbcStatement : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db", {"CREATE TABLE T (K INTEGER, V TEXT)",
                                        "INSERT INTO T VALUES (1, 'short')", "INSERT INTO T VALUES (2, NULL)",
                                        "INSERT INTO T VALUES (3, '" + std::string(12, 'x') + "')"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        ASSERT_EQ(ConnectDatabase(session_, "CAT"), 1);
        removeLog("diaginfo.txt");
        takeLog();
    }
};

TEST_F(OdbcStatement, AStatementErrorIsLoggedWithItsExactLines) {
    SQLHSTMT handle = SQL_NULL_HSTMT;
    EXPECT_EQ(PrepareStatement(session_, OdbcSource::Catalogue, "SELECT K FORM T", &handle), 0);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(session_.pendingDiagnostic, 2);
    EXPECT_EQ(takeLog(), "Sarvik Error: Failed to do SQLPrepare on STMT\n");
    const std::string diagInfo = readFile("diaginfo.txt");
    EXPECT_TRUE(std::regex_match(diagInfo, std::regex("SELECT K FORM T\n"
                                                      "Sarvik Error: Failed to do SQLPrepare on STMT\n"
                                                      "ODBC diagnostic [0-9A-Z]{5} \\(-?[0-9]+\\): .*T.*\n")))
        << diagInfo;
}

TEST_F(OdbcStatement, PreparingNeedsTheChosenConnection) {
    SQLHSTMT handle = SQL_NULL_HSTMT;
    EXPECT_EQ(PrepareStatement(session_, OdbcSource::Library, "SELECT K FROM T", &handle), 0);
    EXPECT_EQ(session_.pendingDiagnostic, 2);
    EXPECT_EQ(takeLog(), "Sarvik Error: Cannot SQLAllocHandle with a null DBC\n");
    EXPECT_EQ(readFile("diaginfo.txt"), "Sarvik Error: Cannot SQLAllocHandle with a null DBC\n");

    session_.pendingDiagnostic = 0;
    ASSERT_EQ(PrepareStatement(session_, OdbcSource::Catalogue, "SELECT K FROM T", &handle), 1);
    EXPECT_EQ(takeLog(), "SUCCESS: ODBCPrepareStmt\n");
    EXPECT_EQ(FreeStatement(session_, handle), 1);
    EXPECT_EQ(FreeStatement(session_, nullptr), 1);
    EXPECT_EQ(session_.pendingDiagnostic, 0);
}

TEST_F(OdbcStatement, BoundColumnsTellTextNullAndTruncation) {
    SessionStatement statement(session_);
    ASSERT_TRUE(statement.prepare(OdbcSource::Catalogue, "SELECT K, V FROM T ORDER BY K"));
    BoundColumns columns;
    ASSERT_TRUE(columns.bind(statement.handle(), 10));
    ASSERT_TRUE(columns.bind(statement.handle(), 8));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLExecute(statement.handle())));
    takeLog();

    struct Row {
        const char* key;
        std::optional<std::string> value;
        bool truncated;
        SQLRETURN fetch;
    };
    const Row rows[] = {
        {"1", "short", false, SQL_SUCCESS},
        {"2", std::nullopt, false, SQL_SUCCESS},
        {"3", "xxxxxxx", true, SQL_SUCCESS_WITH_INFO},
    };
    SQLRETURN fetched = SQL_ERROR;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        ASSERT_TRUE(FetchNextRow(statement.handle(), &fetched));
        EXPECT_EQ(fetched, row.fetch);
        EXPECT_EQ(columns.text(0), row.key);
        EXPECT_EQ(columns.text(1), row.value);
        EXPECT_FALSE(columns.truncated(0));
        EXPECT_EQ(columns.truncated(1), row.truncated);
        EXPECT_EQ(columns.reportTruncation(), row.truncated);
    }
    EXPECT_FALSE(FetchNextRow(statement.handle(), &fetched));
    EXPECT_EQ(fetched, SQL_NO_DATA);
    EXPECT_EQ(takeLog(), "Sarvik Warning: column 2 truncated to 7 of 12 octets\n");
}

}  // namespace
