#include "Quorvane/database/sqlite_row_function.h"

#include <gtest/gtest.h>
#include <sqlext.h>

#include <new>
#include <optional>
#include <string>
#include <vector>

#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/session_statement.h"
#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

using Row = std::vector<std::optional<std::string>>;

class SqliteRowFunction : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db", {"CREATE TABLE T (N INTEGER, V)"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        session_.currentDatabase = "CAT";
        ASSERT_TRUE(RegisterSqliteRowFunction());  // before the connection opens
        ASSERT_TRUE(ConnectDatabase(session_));
        ASSERT_TRUE(session_.catalogueConnection->sqlite());
    }

    // Runs the statement; whether it succeeded with no row coming through the driver.
    bool run(const std::string& text) {
        SessionStatement statement(session_);
        EXPECT_TRUE(statement.prepareQuietly(OdbcSource::Catalogue, text)) << text;
        return SQL_SUCCEEDED(SQLExecute(statement.handle())) && SQLFetch(statement.handle()) == SQL_NO_DATA;
    }
};

// Rows reach the innermost sink in order, each value as the driver fetches it as text.
TEST_F(SqliteRowFunction, HandsEachRowToTheInnermostSinkAsTheDriversTexts) {
    std::vector<Row> outer;
    std::vector<Row> inner;
    auto keep = [](std::vector<Row>& rows) {
        return [&rows](RowValues values) {
            Row& row = rows.emplace_back();
            for (const auto& value : values)
                row.push_back(value ? std::optional<std::string>(*value) : std::nullopt);
            return true;
        };
    };
    auto toOuter = keep(outer);
    auto toInner = keep(inner);
    const std::string values =
        "SELECT 1 FROM (SELECT * FROM (VALUES (3, NULL, ''), (2, 1.0, 1e20), (1, x'00FF41', 'a' || char(0) "
        "|| "
        "'b'), (0, '\xC3\xA9t\xC3\xA9', -7)) ORDER BY 1 LIMIT -1) WHERE quorvane_row(column1, column2, "
        "column3)";
    RowSinkScope outerScope(toOuter);
    {
        RowSinkScope innerScope(toInner);
        EXPECT_TRUE(run(values));
        EXPECT_FALSE(innerScope.stopped());
        EXPECT_FALSE(innerScope.failed());
    }
    const std::vector<Row> expected = {
        {"0", "\xC3\xA9t\xC3\xA9", "-7"},
        {"1", "X'00FF41'", "a"},
        {"2", "1.0", "1.0e+20"},
        {"3", std::nullopt, ""},
    };
    EXPECT_EQ(inner, expected);
    EXPECT_TRUE(outer.empty());
    EXPECT_TRUE(run(values));
    EXPECT_EQ(outer, expected);
}

// With no sink the statement fails; a sink that stops or throws fails it at that row, and the
// connection goes on serving statements.
TEST_F(SqliteRowFunction, NoSinkAStoppingSinkAndAThrowingSinkFailTheStatement) {
    const std::string rows = "SELECT 1 FROM (VALUES (1), (2), (3)) WHERE quorvane_row(column1)";
    EXPECT_FALSE(run(rows));

    int taken = 0;
    auto stopAtSecond = [&taken](RowValues) { return ++taken < 2; };
    {
        RowSinkScope scope(stopAtSecond);
        EXPECT_FALSE(run(rows));
        EXPECT_TRUE(scope.stopped());
        EXPECT_FALSE(scope.failed());
        EXPECT_NO_THROW(scope.rethrowFailure());
    }
    EXPECT_EQ(taken, 2);

    auto refuse = [](RowValues) -> bool { throw std::bad_alloc(); };
    {
        RowSinkScope scope(refuse);
        EXPECT_FALSE(run(rows));
        EXPECT_TRUE(scope.failed());
        EXPECT_THROW(scope.rethrowFailure(), std::bad_alloc);
    }

    int counted = 0;
    auto count = [&counted](RowValues) { return ++counted > 0; };
    RowSinkScope scope(count);
    EXPECT_TRUE(run(rows));
    EXPECT_EQ(counted, 3);
}

}  // namespace
