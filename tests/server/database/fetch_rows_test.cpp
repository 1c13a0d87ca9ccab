#include "Quorvane/database/fetch_rows.h"

#include <gtest/gtest.h>

#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

class ScanRowFetch : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db", {"CREATE TABLE TERMS (TERM TEXT, HITS INTEGER)",
                                        "INSERT INTO TERMS VALUES ('HISTORY', 12)",
                                        "INSERT INTO TERMS VALUES ('" + std::string(6000, 'H') + "', 1)",
                                        "INSERT INTO TERMS VALUES (NULL, 3)"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
    }
};

TEST_F(ScanRowFetch, ConnectsAndKeepsTheNamesAsWritten) {
    session_.currentDatabase = "CAT";
    auto rows = FetchRows(session_,
                          "SELECT Term, count(HITS) AS n, HITS FROM TERMS GROUP BY TERM ORDER BY HITS DESC");
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->size(), 3u);
    const FetchedRow& first = (*rows)[0];
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].columnName, "Term");
    EXPECT_EQ(first[1].columnName, "count(HITS)ASn");
    EXPECT_EQ(first[0].value, "HISTORY");
    EXPECT_EQ(first[2].value, "12");
    EXPECT_EQ(first[2].rowNumber, 1);
    EXPECT_FALSE((*rows)[1][0].value.has_value());
    EXPECT_EQ((*rows)[1][2].rowNumber, 2);
    // A value longer than the area is delivered cut, and the cut is logged: the row is not lost.
    EXPECT_EQ((*rows)[2][0].value, std::string(4999, 'H'));
    EXPECT_NE(takeLog().find("Sarvik Warning: column 1 truncated to 4999 of 6000 octets\n"),
              std::string::npos);
    EXPECT_NE(readFile("diaginfo.txt").find("1 Term HISTORY\n1 count(HITS)ASn 1\n1 HITS 12\n2 Term \n"),
              std::string::npos);
}

TEST_F(ScanRowFetch, AStatementThatCannotRunGivesItsCondition) {
    session_.currentDatabase = "CAT";
    EXPECT_EQ(FetchRows(session_, "SELECT NOSUCH FROM TERMS").outcome().condition(),
              kConditionTemporarySystemError);
    session_.currentDatabase = "UNKNOWN";
    EXPECT_EQ(FetchRows(session_, "SELECT TERM FROM TERMS").outcome().condition(), kConditionDatabaseUnknown);
}

}  // namespace
