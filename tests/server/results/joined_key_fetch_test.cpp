#include "Quorvane/results/joined_key_fetch.h"

#include <gtest/gtest.h>
#include <sqlext.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "Quorvane/database/connection.h"
#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/database/session_statement.h"
#include "Quorvane/database/sqlite_key_aggregate.h"
#include "Quorvane/results/key_fetch.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/results/result_set_text.h"

namespace {

TEST(KeysCanBeJoined, OnlyAPlainNumericKeyOnSqlite) {
    ASSERT_TRUE(RegisterSqliteKeyAggregate());
    KeyDefinition plain = keyDefinition("K", false);
    EXPECT_TRUE(KeysCanBeJoined(plain, true));
    EXPECT_FALSE(KeysCanBeJoined(plain, false));
    EXPECT_FALSE(KeysCanBeJoined(keyDefinition("CODE", true), true));
    EXPECT_FALSE(KeysCanBeJoined(notedKeyDefinition(false), true));
    KeyDefinition decoded = plain;
    decoded.decode = true;
    KeyDefinition padded = plain;
    padded.paddingRule = "PADLZ8";
    KeyDefinition withSubKey = plain;
    withSubKey.subKey = SubKeyDefinition{"ISSUES.TITLE_NO", "ISSUES.ISSUE_NO", "XXISSUENOXX"};
    for (const KeyDefinition* key : {&decoded, &padded, &withSubKey})
        EXPECT_FALSE(KeysCanBeJoined(*key, true));
}

class JoinedKeyFetch : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db",
                       {"CREATE TABLE TITLES (TITLE_NO, CODE TEXT)", "INSERT INTO TITLES VALUES (5, 'E')",
                        "INSERT INTO TITLES VALUES (3, 'C')", "INSERT INTO TITLES VALUES (5, 'F')"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        session_.currentDatabase = "CAT";
        ASSERT_TRUE(RegisterSqliteKeyAggregate());  // before the connection opens
        ASSERT_TRUE(ConnectDatabase(session_));
        ASSERT_TRUE(session_.catalogueConnection->sqlite());
    }

    // The keys of the statement by RunOperandSearch; whether the joined form took it.
    std::string keysOf(const std::string& statement, bool joined) {
        EXPECT_EQ(RunJoinedKeySearch(session_, key_, statement).has_value(), joined) << statement;
        Bib1Result<ResultSet> rows = RunOperandSearch(session_, key_, statement);
        EXPECT_TRUE(rows) << statement;
        return rows ? rowsOf(*rows) : std::string();
    }

    KeyDefinition key_ = keyDefinition("TITLE_NO", false);
};

// Integers only: the joined form, which keeps the same keys the plain fetch keeps (none below 1 or above
// 4294967295); a NULL, a text, a real or a second column: the statement as it stands.
TEST_F(JoinedKeyFetch, TakesIntegerKeysAndLeavesTheRestToThePlainFetch) {
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES", true), "3 5");
    EXPECT_EQ(
        keysOf("SELECT TITLE_NO FROM TITLES UNION ALL VALUES (0), (-4), (4294967295), (4294967296)", true),
        "3 5 4294967295");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES UNION ALL SELECT NULL", false), "3 5");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES UNION ALL SELECT '7'", false), "3 5 7");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES UNION ALL SELECT 8.0", false), "3 5 8");
    EXPECT_EQ(keysOf("SELECT TITLE_NO, CODE FROM TITLES", false), "3 5");
}

// Many keys, descending with duplicates: each key once, every row logged, the statement in diaginfo.txt as
// written.
TEST_F(JoinedKeyFetch, ManyKeysWithTheLogOfThePlainFetch) {
    const std::uint32_t count = 40000;
    const std::string statement =
        "WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < " + std::to_string(count) +
        ") SELECT (" + std::to_string(count) + " - X) / 2 + 10000 FROM N";
    takeLog();
    std::optional<Bib1Result<ResultSet>> joined = RunJoinedKeySearch(session_, key_, statement);
    ASSERT_TRUE(joined.has_value());
    ASSERT_TRUE(*joined);
    const ResultSet& rows = **joined;
    ASSERT_EQ(rows.rowCount(), count / 2);
    for (std::size_t i = 0; i < rows.rowCount(); ++i) ASSERT_EQ(rows.row(i).numericKey, 10000 + i);
    const std::string log = takeLog();
    EXPECT_NE(log.find("Records retrieved " + std::to_string(count - 1) + "\n"), std::string::npos);
    EXPECT_EQ(log.find("Records retrieved " + std::to_string(count) + "\n"), std::string::npos);
    const std::string diagInfo = readFile("diaginfo.txt");
    EXPECT_NE(diagInfo.find(statement), std::string::npos);
    EXPECT_EQ(diagInfo.find(kKeyAggregateName), std::string::npos);
}

// The aggregate hands its keys to the innermost sink open on the thread; with none open, or one that
// throws, it fails.
TEST_F(JoinedKeyFetch, TheAggregateFeedsTheSinkOpenOnItsThread) {
    const auto run = [this] {
        SessionStatement statement(session_);
        EXPECT_TRUE(
            statement.prepareQuietly(OdbcSource::Catalogue, "SELECT quorvane_keys(TITLE_NO) FROM TITLES"));
        return SQL_SUCCEEDED(SQLExecute(statement.handle())) && SQL_SUCCEEDED(SQLFetch(statement.handle()));
    };
    EXPECT_FALSE(run());
    std::vector<std::int64_t> outer;
    std::vector<std::int64_t> inner;
    auto toOuter = [&outer](std::span<const std::int64_t> keys) {
        outer.insert(outer.end(), keys.begin(), keys.end());
    };
    auto toInner = [&inner](std::span<const std::int64_t> keys) {
        inner.insert(inner.end(), keys.begin(), keys.end());
    };
    KeySinkScope outerScope(toOuter);
    {
        KeySinkScope innerScope(toInner);
        EXPECT_TRUE(run());
    }
    EXPECT_EQ(inner, (std::vector<std::int64_t>{5, 3, 5}));
    EXPECT_TRUE(outer.empty());
    EXPECT_TRUE(run());
    EXPECT_EQ(outer, (std::vector<std::int64_t>{5, 3, 5}));

    // A sink that throws fails the statement; nothing unwinds through SQLite.
    auto refuse = [](std::span<const std::int64_t>) { throw std::bad_alloc(); };
    KeySinkScope refusing(refuse);
    EXPECT_FALSE(run());
}

// Keys come in batches, in row order, the last batch when the aggregate ends; it answers how many keys the
// sink took.
TEST_F(JoinedKeyFetch, TheAggregateHandsKeysOverInBatchesAndAnswersTheirCount) {
    std::vector<std::int64_t> keys;
    std::vector<std::size_t> batches;
    auto keep = [&](std::span<const std::int64_t> batch) {
        keys.insert(keys.end(), batch.begin(), batch.end());
        batches.push_back(batch.size());
    };
    KeySinkScope scope(keep);
    SessionStatement statement(session_);
    ASSERT_TRUE(
        statement.prepareQuietly(OdbcSource::Catalogue,
                                 "WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < "
                                 "1300) SELECT quorvane_keys(X) FROM N"));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLExecute(statement.handle())));
    ASSERT_TRUE(SQL_SUCCEEDED(SQLFetch(statement.handle())));
    SQLBIGINT answer = 0;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLGetData(statement.handle(), 1, SQL_C_SBIGINT, &answer, 0, nullptr)));
    EXPECT_EQ(answer, 1300);
    ASSERT_EQ(keys.size(), 1300u);
    for (std::size_t i = 0; i < keys.size(); ++i) ASSERT_EQ(keys[i], static_cast<std::int64_t>(i + 1));
    EXPECT_EQ(batches, (std::vector<std::size_t>{512, 512, 276}));
}

// Quoted texts run as parameters of one statement kept per shape; a text where no parameter may stand
// leaves the statement as written. diaginfo.txt shows each statement as written.
TEST_F(JoinedKeyFetch, TextsRunAsParametersOfOneStatementKeptPerShape) {
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES WHERE CODE = 'E'", true), "5");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES WHERE CODE = 'C'", true), "3");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES WHERE CODE = 'O''B'", true), "");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES WHERE CODE LIKE 'f%'", true), "5");
    EXPECT_EQ(keysOf("SELECT TITLE_NO AS 'k' FROM TITLES WHERE CODE = 'C'", true), "3");
    const std::string diagInfo = readFile("diaginfo.txt");
    for (const char* shown : {"SELECT TITLE_NO FROM TITLES WHERE CODE = 'C'\n", "CODE = 'O''B'\n",
                              "LIKE 'f%'\n", "SELECT TITLE_NO AS 'k' FROM TITLES WHERE CODE = 'C'\n"})
        EXPECT_NE(diagInfo.find(shown), std::string::npos) << shown;
    EXPECT_EQ(diagInfo.find('?'), std::string::npos);
    SQLHSTMT kept = session_.catalogueConnection->takeStatement(
        "WITH found(k) AS (SELECT TITLE_NO FROM TITLES WHERE CODE = ?) SELECT quorvane_keys(k) FROM found");
    ASSERT_NE(kept, nullptr);
    SQLFreeHandle(SQL_HANDLE_STMT, kept);
}

TEST_F(JoinedKeyFetch, NoRowsAreNotedInNewdiag) {
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES WHERE 1 = 0", true), "");
    EXPECT_EQ(readFile("newdiag.txt"), "SQL_XNO_DATA_FOUND    100\nSQL_XNO_DATA_FOUND    100\n");
}

// A statement SQLite refuses is reported once, by the plain fetch.
TEST_F(JoinedKeyFetch, ARefusedStatementIsReportedOnce) {
    takeLog();
    EXPECT_EQ(RunOperandSearch(session_, key_, "SELECT TITLE_NO FROM NOSUCH").outcome().condition(),
              kConditionTemporarySystemError);
    const std::string log = takeLog();
    const std::string refusal = "Sarvik Error: Failed to do SQLPrepare on STMT";
    ASSERT_NE(log.find(refusal), std::string::npos) << log;
    EXPECT_EQ(log.find(refusal, log.find(refusal) + 1), std::string::npos) << log;
}

}  // namespace
