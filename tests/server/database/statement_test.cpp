#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "Quorvane/database/bound_columns.h"
#include "Quorvane/database/bulk_columns.h"
#include "Quorvane/database/record_columns.h"
#include "Quorvane/database/session_statement.h"
#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

class OdbcStatement : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase(
            "catalogue.db",
            {"CREATE TABLE T (K INTEGER, V TEXT)", "INSERT INTO T VALUES (1, 'short')",
             "INSERT INTO T VALUES (2, NULL)", "INSERT INTO T VALUES (3, '" + std::string(12, 'x') + "')",
             "WITH RECURSIVE N(I) AS (SELECT 4 UNION ALL SELECT I + 1 FROM N WHERE I < 100) "
             "INSERT INTO T SELECT I, 'v' || I FROM N"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        ASSERT_TRUE(ConnectDatabase(session_, "CAT"));
        removeLog("diaginfo.txt");
        takeLog();
    }
};

TEST_F(OdbcStatement, AStatementErrorIsLoggedWithItsExactLines) {
    SQLHSTMT handle = SQL_NULL_HSTMT;
    EXPECT_EQ(PrepareStatement(session_, OdbcSource::Catalogue, "SELECT K FORM T", &handle).condition(),
              kConditionTemporarySystemError);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(takeLog(), "Sarvik Error: Failed to do SQLPrepare on STMT\n");
    const std::string diagInfo = readFile("diaginfo.txt");
    EXPECT_TRUE(std::regex_match(diagInfo, std::regex("SELECT K FORM T\n"
                                                      "Sarvik Error: Failed to do SQLPrepare on STMT\n"
                                                      "ODBC diagnostic [0-9A-Z]{5} \\(-?[0-9]+\\): .*T.*\n")))
        << diagInfo;
}

TEST_F(OdbcStatement, PreparingNeedsTheChosenConnection) {
    SQLHSTMT handle = SQL_NULL_HSTMT;
    EXPECT_EQ(PrepareStatement(session_, OdbcSource::Library, "SELECT K FROM T", &handle).condition(),
              kConditionTemporarySystemError);
    EXPECT_EQ(takeLog(), "Sarvik Error: Cannot SQLAllocHandle with a null DBC\n");
    EXPECT_EQ(readFile("diaginfo.txt"), "Sarvik Error: Cannot SQLAllocHandle with a null DBC\n");

    ASSERT_TRUE(PrepareStatement(session_, OdbcSource::Catalogue, "SELECT K FROM T", &handle));
    EXPECT_EQ(takeLog(), "SUCCESS: ODBCPrepareStmt\n");
    EXPECT_TRUE(FreeStatement(handle));
    EXPECT_TRUE(FreeStatement(nullptr));
}

TEST_F(OdbcStatement, BoundColumnsTellTextNullAndTruncation) {
    SessionStatement statement(session_);
    ASSERT_TRUE(statement.prepare(OdbcSource::Catalogue, "SELECT K, V FROM T WHERE K <= 3 ORDER BY K"));
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

// The rows of T in key order as "<K> <V>" ("-" for NULL), with the truncations logged.
std::vector<std::string> rowsOf(SQLHSTMT statement, BulkColumns& columns, SQLRETURN& fetched) {
    std::vector<std::string> rows;
    while (columns.next(statement, &fetched)) {
        columns.reportTruncation();
        rows.push_back(std::string(*columns.text(0)) + " " + std::string(columns.text(1).value_or("-")));
    }
    return rows;
}

TEST_F(OdbcStatement, BlocksOfRowsReadAsOneRowAtATimeAndAKeptStatementFetchesSingleRowsAgain) {
    std::vector<std::string> expected = {"1 short", "2 -", "3 xxxxxxx"};
    for (int k = 4; k <= 100; ++k) expected.push_back(std::to_string(k) + " v" + std::to_string(k));
    // Area budgets of one row (the fallback's shape) and of blocks that end inside the table; the later
    // fetches reuse the earlier ones' areas, which hold longer values than theirs.
    for (std::size_t budget :
         {std::size_t{1}, std::size_t{8 * 32}, std::size_t{1} << 20, std::size_t{8 * 32}, std::size_t{1}}) {
        SCOPED_TRACE(budget);
        SessionStatement statement(session_);
        ASSERT_TRUE(statement.prepareKeyed(OdbcSource::Catalogue,
                                           "SELECT K, V FROM T WHERE K > XXXXX ORDER BY K", "0"));
        takeLog();
        BulkColumns columns;
        columns.plan(statement.handle(), 2, 8, budget);
        ASSERT_TRUE(BindAndExecute(statement.handle(), columns));
        EXPECT_EQ(columns.rowsPerFetch(), budget == 1     ? 1u
                                          : budget == 256 ? 16u
                                                          : BulkColumns::kMaxRows)
            << "the SQLite driver takes row arrays (of 2 columns of 8 octets here)";
        SQLRETURN fetched = SQL_ERROR;
        EXPECT_EQ(rowsOf(statement.handle(), columns, fetched), expected);
        EXPECT_EQ(fetched, SQL_NO_DATA);
        EXPECT_EQ(takeLog(), "Sarvik Warning: column 2 truncated to 7 of 12 octets\n");
    }
    // The statement kept for the template fetches one row per call again.
    SessionStatement statement(session_);
    ASSERT_TRUE(
        statement.prepareKeyed(OdbcSource::Catalogue, "SELECT K, V FROM T WHERE K > XXXXX ORDER BY K", "97"));
    BoundColumns columns;
    ASSERT_TRUE(BindAndExecute(statement.handle(), 2, columns));
    SQLRETURN fetched = SQL_ERROR;
    for (const char* key : {"98", "99", "100"}) {
        ASSERT_TRUE(FetchNextRow(statement.handle(), &fetched));
        EXPECT_EQ(columns.text(0), key);
    }
    EXPECT_FALSE(FetchNextRow(statement.handle(), &fetched));
}

}  // namespace
