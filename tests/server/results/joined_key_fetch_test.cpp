#include "Quorvane/results/joined_key_fetch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Quorvane/database/connection.h"
#include "Quorvane/database/odbc_connection.h"
#include "Quorvane/results/key_fetch.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/results/result_set_text.h"

namespace {

std::vector<std::string> splitInPieces(std::string_view text, std::size_t pieceSize) {
    std::vector<std::string> keys;
    JoinedKeySplitter splitter([&](std::string_view key) { keys.emplace_back(key); });
    for (std::size_t at = 0; at < text.size(); at += pieceSize) splitter.feed(text.substr(at, pieceSize));
    splitter.finish();
    return keys;
}

TEST(JoinedKeySplitter, KeysCutByThePiecesComeOutWhole) {
    const std::vector<std::string> expected = {"12", "345", "6789", "0"};
    for (std::size_t size = 1; size <= 13; ++size)
        EXPECT_EQ(splitInPieces("12,345,6789,0", size), expected) << size;
    EXPECT_TRUE(splitInPieces("", 4).empty());
}

TEST(KeysCanBeJoined, OnlyAPlainNumericKeyOnSqlite) {
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

// Integers only: the joined form; a NULL, a text or a second column: the statement as it stands, with the
// same keys the joined form would have given.
TEST_F(JoinedKeyFetch, TakesIntegerKeysAndLeavesTheRestToThePlainFetch) {
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES", true), "3 5");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES UNION ALL SELECT NULL", false), "3 5");
    EXPECT_EQ(keysOf("SELECT TITLE_NO FROM TITLES UNION ALL SELECT '7'", false), "3 5 7");
    EXPECT_EQ(keysOf("SELECT TITLE_NO, CODE FROM TITLES", false), "3 5");
}

// More keys than one piece of the joined text holds, descending with duplicates: each key once, every row
// logged, the statement in diaginfo.txt as written.
TEST_F(JoinedKeyFetch, ManyKeysAcrossPiecesWithTheLogOfThePlainFetch) {
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
    EXPECT_EQ(diagInfo.find("group_concat"), std::string::npos);
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
