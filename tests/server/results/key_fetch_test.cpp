#include "Quorvane/results/key_fetch.h"

#include <gtest/gtest.h>

#include <memory>

#include "Quorvane/results/result_combine.h"
#include "Quorvane/results/result_set_store.h"
#include "Quorvane/results/sub_key_expansion.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/results/result_set_text.h"

namespace {

class KeyFetch : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase(
            "catalogue.db",
            {"CREATE TABLE TITLES (TITLE_NO INTEGER, CODE TEXT, FREQ TEXT)",
             "INSERT INTO TITLES VALUES (5, 'E', 'Weekly')",
             "INSERT INTO TITLES VALUES (3, 'C', '" + std::string(600, 'w') + "')",
             "INSERT INTO TITLES VALUES (NULL, 'N', 'Daily')",
             "INSERT INTO TITLES VALUES (9, 'O''I', 'Not Applicable')",
             "INSERT INTO TITLES VALUES (3, '" + std::string(20001, 'L') + "', NULL)",
             "CREATE TABLE ISSUES (TITLE_NO INTEGER, CODE TEXT, ISSUE_NO TEXT)",
             "INSERT INTO ISSUES VALUES (3, 'C', '31')", "INSERT INTO ISSUES VALUES (3, 'C', '32')",
             "INSERT INTO ISSUES VALUES (9, 'O''I', '91')", "INSERT INTO ISSUES VALUES (9, 'O''I', NULL)"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        session_.currentDatabase = "CAT";
        numeric_ = keyDefinition("TITLE_NO", false);
        numeric_.secondaryColumns.push_back(SecondaryColumn{"TITLES.FREQ", "XXFREQUENCYXX"});
        text_ = keyDefinition("CODE", true);
    }

    // The rows of a statement that runs.
    ResultSet found(const KeyDefinition& key, const std::string& statement) {
        Bib1Result<ResultSet> rows = RunOperandSearch(session_, key, statement);
        EXPECT_TRUE(rows) << statement;
        return rows ? std::move(*rows) : ResultSet();
    }

    // The numeric keys of TITLES with their ISSUES rows as sub-keys, and the text key 'O''I' with the rows
    // of subKeyTable: four rows, numeric key 3 first.
    ResultSet rowsWithSubKeys(const std::string& subKeyTable) {
        numeric_.subKey = SubKeyDefinition{"ISSUES.TITLE_NO", "ISSUES.ISSUE_NO", "XXISSUENOXX"};
        text_.subKey = SubKeyDefinition{subKeyTable + ".CODE", subKeyTable + ".ISSUE_NO", "XXISSUENOXX"};
        ResultSet rows = UnionResults(found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES"),
                                      found(text_, "SELECT CODE FROM TITLES WHERE TITLE_NO = 9"));
        EXPECT_EQ(rows.rowCount(), 4u);
        EXPECT_EQ(rows.row(0).numericKey, 3u);
        return rows;
    }

    KeyDefinition numeric_;
    KeyDefinition text_;
};

TEST_F(KeyFetch, EveryDeliveredRowCountsAndKeysComeSortedAndDistinct) {
    const ResultSet rows = found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES");
    EXPECT_EQ(rowsOf(rows), "3@" + std::string(499, 'w') + " 5@Weekly 9@-");
    EXPECT_EQ(rows.row(0).secondaryValues[0].column, &numeric_.secondaryColumns[0]);
    EXPECT_EQ(rows.row(0).key, &numeric_);

    const std::string log = takeLog();
    EXPECT_NE(log.find("Sarvik Warning: column 2 truncated to 499 of 600 octets\nRecords retrieved 1\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Records retrieved 4\n"), std::string::npos);
    EXPECT_EQ(log.find("Records retrieved 5\n"), std::string::npos);
}

TEST_F(KeyFetch, TextKeysNullKeysAndKeysTooLongForTheirArea) {
    const ResultSet rows = found(text_, "SELECT CODE FROM TITLES UNION ALL SELECT NULL");
    EXPECT_EQ(rowsOf(rows), "'C' 'E' 'N' 'O'I'");
    EXPECT_NE(takeLog().find("Sarvik Warning: column 1 truncated to 19999 of 20001 octets\n"),
              std::string::npos);
}

TEST_F(KeyFetch, ADecodeKeyKeepsNoRows) {
    numeric_.decode = true;
    const ResultSet rows =
        found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES WHERE TITLE_NO = 5");
    EXPECT_EQ(rowsOf(rows), "");
    EXPECT_NE(takeLog().find("Records retrieved 0\n"), std::string::npos);
}

TEST_F(KeyFetch, NoRowsAreNotedInNewdiag) {
    const ResultSet rows = found(text_, "SELECT CODE FROM TITLES WHERE 1 = 0");
    EXPECT_EQ(rowsOf(rows), "");
    EXPECT_EQ(readFile("newdiag.txt"), "SQL_XNO_DATA_FOUND    100\n");
}

TEST_F(KeyFetch, FailuresGiveTheirCondition) {
    EXPECT_EQ(RunOperandSearch(session_, text_, "SELECT CODE FROM NOSUCH").outcome().condition(),
              kConditionTemporarySystemError);
    session_.currentDatabase = "ELSEWHERE";
    EXPECT_EQ(RunOperandSearch(session_, text_, "SELECT CODE FROM TITLES").outcome().condition(),
              kConditionDatabaseUnknown);
}

// More rows than one block of the row array holds, in descending order with duplicates: every row is
// fetched once, in order, and the set holds each key once.
TEST_F(KeyFetch, RowsSpanningSeveralBlocksAreEachFetchedOnce) {
    const std::uint32_t count = 3 * kKeyRowsPerFetch + 7;
    const std::string statement = "WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < " +
                                  std::to_string(count) + ") SELECT (" + std::to_string(count) +
                                  " - X) / 2 + 1, X FROM N";
    const ResultSet rows = found(numeric_, statement);
    ASSERT_EQ(rows.rowCount(), count / 2 + 1);
    for (std::size_t i = 0; i < rows.rowCount(); ++i) {
        const ResultRow row = rows.row(i);
        ASSERT_EQ(row.numericKey, i + 1);
        // Of a key's two rows the one fetched first (the larger X) is kept.
        const std::uint32_t firstFetch = count - 2 * static_cast<std::uint32_t>(i) - (count % 2 == 0 ? 0 : 1);
        ASSERT_EQ(row.secondaryValues[0].value, std::to_string(firstFetch == 0 ? 1 : firstFetch)) << i;
    }
    const std::string log = takeLog();
    EXPECT_NE(log.find("Records retrieved " + std::to_string(count - 1) + "\n"), std::string::npos);
    EXPECT_EQ(log.find("Records retrieved " + std::to_string(count) + "\n"), std::string::npos);
}

TEST(NoRowsDiagnosticLine, NamesTheLastFetchResult) {
    struct Case {
        std::int32_t result;
        const char* line;
    };
    const Case cases[] = {{100, "SQL_XNO_DATA_FOUND msg   100"}, {1, "SQL_XSUCCESS_WITH_INFO msg   1"},
                          {2, "SQL_XSTILL_EXECUTING msg   2"},   {-1, "SQL_XERROR msg   -1"},
                          {-2, "SQL_XINVALID_HANDLE msg   -2"},  {99, "Default msg   0"}};
    for (const Case& c : cases) EXPECT_EQ(NoRowsDiagnosticLine(c.result, "msg"), c.line);
}

TEST_F(KeyFetch, SubKeysExpandIntoOneRecordPerValue) {
    ResultSet rows = rowsWithSubKeys("ISSUES");
    ASSERT_EQ(rows.rowCount(), 4u);
    EXPECT_EQ(SubKeyStatement(rows.row(0)), "SELECT ISSUES.ISSUE_NO FROM ISSUES WHERE ISSUES.TITLE_NO = 3");
    EXPECT_EQ(SubKeyStatement(rows.row(3)), "SELECT ISSUES.ISSUE_NO FROM ISSUES WHERE ISSUES.CODE = 'O''I'");
    takeLog();

    EXPECT_TRUE(ExpandSubKeys(session_, rows));
    std::vector<std::vector<std::string>> values;
    for (std::size_t i = 0; i < rows.rowCount(); ++i) {
        const ResultRow row = rows.row(i);
        values.emplace_back(row.subKeyValues.begin(), row.subKeyValues.end());
    }
    EXPECT_EQ(values, (std::vector<std::vector<std::string>>{{"31", "32"}, {}, {"91"}, {"91"}}));
    EXPECT_EQ(rows.recordCount(), 5u);
    EXPECT_EQ(rows.rowAtPosition(2)->numericKey, 3u);
    EXPECT_EQ(rows.rowAtPosition(5)->textKey, "O'I");
    const std::string log = takeLog();
    EXPECT_NE(log.find("3 31\n"), std::string::npos);
    EXPECT_NE(log.find("'O''I' 91\n"), std::string::npos);
}

TEST_F(KeyFetch, SubKeyExpansionGoesThroughEveryRowAndGivesTheLastFailure) {
    ResultSet rows = rowsWithSubKeys("NOSUCH");
    ASSERT_EQ(rows.rowCount(), 4u);
    takeLog();
    EXPECT_EQ(ExpandSubKeys(session_, rows).condition(), kConditionTemporarySystemError);
    const ResultRow first = rows.row(0);
    EXPECT_EQ(std::vector<std::string>(first.subKeyValues.begin(), first.subKeyValues.end()),
              (std::vector<std::string>{"31", "32"}))
        << "rows before the failing one are expanded";
    EXPECT_NE(takeLog().find("Sarvik Error: Failed to do SQLPrepare on STMT\n"), std::string::npos);
}

}  // namespace
