#include "Quorvane/results/key_fetch.h"

#include <gtest/gtest.h>

#include <memory>

#include "Quorvane/results/result_combine.h"
#include "Quorvane/results/result_set_store.h"
#include "Quorvane/results/sub_key_expansion.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/results/row_list.h"

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
    Rows found(const KeyDefinition& key, const char* statement) {
        Bib1Result<OwnedDblList> rows = RunOperandSearch(session_, key, statement);
        EXPECT_TRUE(rows) << statement;
        return Rows(rows ? rows->release() : CreateRowList());
    }

    KeyDefinition numeric_;
    KeyDefinition text_;
};

TEST_F(KeyFetch, EveryDeliveredRowCountsAndKeysComeSortedAndDistinct) {
    Rows rows = found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES");
    EXPECT_EQ(keysOf(rows.get()), "3 5 9");
    const auto* three = static_cast<const ResultRow*>(rows->first->datum);
    ASSERT_EQ(three->secondaryValues.size(), 1u);
    EXPECT_EQ(three->secondaryValues[0].column, &numeric_.secondaryColumns[0]);
    EXPECT_EQ(three->secondaryValues[0].value, std::string(499, 'w'));
    EXPECT_FALSE(static_cast<const ResultRow*>(rows->last->datum)->secondaryValues[0].value.has_value());

    const std::string log = takeLog();
    EXPECT_NE(log.find("Sarvik Warning: column 2 truncated to 499 of 600 octets\nRecords retrieved 1\n"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("Records retrieved 4\n"), std::string::npos);
    EXPECT_EQ(log.find("Records retrieved 5\n"), std::string::npos);
}

TEST_F(KeyFetch, TextKeysNullKeysAndKeysTooLongForTheirArea) {
    Rows rows = found(text_, "SELECT CODE FROM TITLES UNION ALL SELECT NULL");
    EXPECT_EQ(keysOf(rows.get()), "'C' 'E' 'N' 'O'I'");
    EXPECT_NE(takeLog().find("Sarvik Warning: column 1 truncated to 19999 of 20001 octets\n"),
              std::string::npos);
}

TEST_F(KeyFetch, ADecodeKeyKeepsNoRows) {
    numeric_.decode = true;
    Rows rows = found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES WHERE TITLE_NO = 5");
    EXPECT_EQ(keysOf(rows.get()), "");
    EXPECT_NE(takeLog().find("Records retrieved 0\n"), std::string::npos);
}

TEST_F(KeyFetch, NoRowsAreNotedInNewdiag) {
    Rows rows = found(text_, "SELECT CODE FROM TITLES WHERE 1 = 0");
    EXPECT_EQ(keysOf(rows.get()), "");
    EXPECT_EQ(readFile("newdiag.txt"), "SQL_XNO_DATA_FOUND    100\n");
}

TEST_F(KeyFetch, FailuresGiveTheirCondition) {
    EXPECT_EQ(RunOperandSearch(session_, text_, "SELECT CODE FROM NOSUCH").outcome().condition(),
              kConditionTemporarySystemError);
    session_.currentDatabase = "ELSEWHERE";
    EXPECT_EQ(RunOperandSearch(session_, text_, "SELECT CODE FROM TITLES").outcome().condition(),
              kConditionDatabaseUnknown);
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
    numeric_.subKey = SubKeyDefinition{"ISSUES.TITLE_NO", "ISSUES.ISSUE_NO", "XXISSUENOXX"};
    text_.subKey = SubKeyDefinition{"ISSUES.CODE", "ISSUES.ISSUE_NO", "XXISSUENOXX"};
    Rows rows = found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES");
    rows.reset(
        UnionResults(rows.release(), found(text_, "SELECT CODE FROM TITLES WHERE TITLE_NO = 9").release()));
    ASSERT_EQ(keysOf(rows.get()), "3 5 9 'O'I'");
    EXPECT_EQ(SubKeyStatement(*static_cast<const ResultRow*>(rows->first->datum)),
              "SELECT ISSUES.ISSUE_NO FROM ISSUES WHERE ISSUES.TITLE_NO = 3");
    EXPECT_EQ(SubKeyStatement(*static_cast<const ResultRow*>(rows->last->datum)),
              "SELECT ISSUES.ISSUE_NO FROM ISSUES WHERE ISSUES.CODE = 'O''I'");
    takeLog();

    EXPECT_TRUE(ExpandSubKeys(session_, rows.get()));
    std::vector<std::vector<std::string>> values;
    for (const DblNode* node = rows->first; node != nullptr; node = node->next) {
        values.push_back(static_cast<const ResultRow*>(node->datum)->subKeyValues);
    }
    EXPECT_EQ(values, (std::vector<std::vector<std::string>>{{"31", "32"}, {}, {"91"}, {"91"}}));
    EXPECT_EQ(CountResultRecords(rows.get()), 5u);
    const std::string log = takeLog();
    EXPECT_NE(log.find("3 31\n"), std::string::npos);
    EXPECT_NE(log.find("'O''I' 91\n"), std::string::npos);
}

TEST_F(KeyFetch, SubKeyExpansionGoesThroughEveryRowAndGivesTheLastFailure) {
    numeric_.subKey = SubKeyDefinition{"ISSUES.TITLE_NO", "ISSUES.ISSUE_NO", "XXISSUENOXX"};
    text_.subKey = SubKeyDefinition{"NOSUCH.CODE", "NOSUCH.ISSUE_NO", "XXISSUENOXX"};
    Rows rows(UnionResults(found(text_, "SELECT CODE FROM TITLES WHERE TITLE_NO = 9").release(),
                           found(numeric_, "SELECT TITLE_NO, FREQ FROM TITLES").release()));
    ASSERT_EQ(keysOf(rows.get()), "3 5 9 'O'I'");
    takeLog();
    EXPECT_EQ(ExpandSubKeys(session_, rows.get()).condition(), kConditionTemporarySystemError);
    EXPECT_EQ(static_cast<const ResultRow*>(rows->first->datum)->subKeyValues,
              (std::vector<std::string>{"31", "32"}))
        << "rows before the failing one are expanded";
    EXPECT_NE(takeLog().find("Sarvik Error: Failed to do SQLPrepare on STMT\n"), std::string::npos);
}

}  // namespace
