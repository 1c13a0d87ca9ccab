#include "Quorvane/search/run_search.h"

#include <gtest/gtest.h>

#include <string>

#include "Quorvane/search/search_definitions_reader.h"
#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/server/search/rpn_builder.h"

namespace {

using rpn::combine;
using rpn::general;
using rpn::operand;

constexpr const char* kSearchFile =
    "DATABASES,\"SAMPLE\";\nATTRIBUTESETS,\"1.2.840.10003.3.1\";\nINDIVIDUAL;\nCODEDITEMS,1;\n"
    "KEYS,\"TITLES.TITLE_NO\",NUMERIC;\nSTOPWORDS,\" THE \";\nATTRIBUTES;\n"
    "4,\"TITLES.TITLE\",BOTH,FALSE,0,0,0;\n"
    "31,\"TITLES.PUB_DATE\",DATE,FALSE,0,0,0;\n"
    "99,\"TITLES.NO_SUCH_COLUMN\",BOTH,FALSE,0,0,0;\n"
    "DATABASES,\"GROUP\";\nATTRIBUTESETS,\"1.2.840.10003.3.1\";\nCOLLECTIVE;\nCODEDITEMS,1;\n"
    "KEYS,\"TITLES.TITLE_NO\",NUMERIC;\nSTOPWORDS;\nATTRIBUTES;\n"
    "4,\"TITLES.TITLE\",BOTH,FALSE,0,0,0;\n"
    "DATABASES,\"SERIALS\";\nATTRIBUTESETS,\"1.2.840.10003.3.1\";\nINDIVIDUAL;\nCODEDITEMS,1;\n"
    "KEYS,\"TITLES.TITLE_NO\",NUMERIC,SUBKEY,\"NOSUCH.TITLE_NO\",\"NOSUCH.ISSUE_NO\",\"XXISSUENOXX\";\n"
    "STOPWORDS;\nATTRIBUTES;\n4,\"TITLES.TITLE\",BOTH,FALSE,0,0,0;\n";

std::unique_ptr<KivRpnStructure> titleOperand(const std::string& term) {
    return operand({{1, 4}}, general(term));
}

class RunSearchTest : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db",
                       {"CREATE TABLE TITLES (TITLE_NO INTEGER, TITLE TEXT, PUB_DATE TEXT)",
                        "INSERT INTO TITLES VALUES (1, 'CAT TALES', '1999-01-01 00:00:00')",
                        "INSERT INTO TITLES VALUES (2, 'DOG DAYS', '2001-01-01 00:00:00')",
                        "INSERT INTO TITLES VALUES (3, 'CAT AND DOG', '2005-06-01 00:00:00')",
                        "INSERT INTO TITLES VALUES (4, 'X'' OR ''1''=''1', '2010-01-01 00:00:00')"});
        writeIni("[ODBC:SAMPLE]\nVESKO=" + connectionString("catalogue.db") +
                 "\n[ODBC:GROUP]\nVESKO=" + connectionString("catalogue.db") + "\n[ODBC:SERIALS]\nVESKO=" +
                 connectionString("catalogue.db") + "\n[SQL]\npcDateLiteral=ISO\n");
        writeFile(kSearchFileName, kSearchFile);
        session_.controlFilesDir = dir_;
        session_.searchDefinitions = LoadSearchDefinitions(path(kSearchFileName));
        ASSERT_TRUE(session_.searchDefinitions);
        session_.currentDatabase = "SAMPLE";
    }

    // 0 and the result count, or 1 and the condition.
    std::pair<int, uint32_t> search(std::unique_ptr<KivRpnStructure> root,
                                    const std::string& database = "SAMPLE") {
        session_.currentDatabase = database;
        KivRPNQuery query = rpn::query(std::move(root));
        const Bib1Outcome searched = RunSearch(session_, query, database);
        if (!searched) return {1, searched.condition()};
        return {0, session_.resultCount};
    }
};

using Outcome = std::pair<int, uint32_t>;

TEST_F(RunSearchTest, BooleanCombinationsOfOperandStatements) {
    EXPECT_EQ(search(combine(2, titleOperand("cat"), titleOperand("dog"))), Outcome(0, 1));
    EXPECT_EQ(session_.currentSearchDefinition, &session_.searchDefinitions->front());
    EXPECT_EQ(readFile("keys.txt"), "Combined key list\n3\nNumber of items in list 1\n");
    EXPECT_EQ(readFile("newdiag.txt"),
              "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE '%CAT%'\n"
              "SELECT TITLES.TITLE_NO FROM TITLES WHERE TITLES.TITLE LIKE '%DOG%'\n");
    EXPECT_EQ(search(combine(1, titleOperand("cat"), titleOperand("dog"))), Outcome(0, 3));
    EXPECT_EQ(search(combine(3, titleOperand("cat"), titleOperand("dog"))), Outcome(0, 1));
    EXPECT_EQ(search(titleOperand("owl")), Outcome(0, 0));
}

TEST_F(RunSearchTest, InjectedTermMatchesOnlyItsOwnText) {
    EXPECT_EQ(search(titleOperand("X' OR '1'='1")), Outcome(0, 1));
    EXPECT_EQ(search(titleOperand("' OR 1=1 --")), Outcome(0, 0));
    EXPECT_EQ(search(operand({{1, 31}}, general("2001' OR '1'='1"))), Outcome(0, 1));
}

TEST_F(RunSearchTest, IsoDatesWithRelations) {
    EXPECT_EQ(search(operand({{1, 31}, {2, 4}}, general("2001"))), Outcome(0, 3));
    EXPECT_EQ(search(operand({{1, 31}, {2, 1}}, rpn::dateTime("20050601"))), Outcome(0, 2));
}

TEST_F(RunSearchTest, FailuresKeepThePreviousResultSet) {
    ASSERT_EQ(search(titleOperand("cat")), Outcome(0, 2));
    // The database refuses a statement: its condition, and the other statements still run.
    removeLog("newdiag.txt");
    EXPECT_EQ(search(combine(1, operand({{1, 99}}, general("x")), titleOperand("dog"))), Outcome(1, 2));
    EXPECT_NE(readFile("newdiag.txt").find("LIKE '%DOG%'"), std::string::npos);
    EXPECT_EQ(session_.resultCount, 2u);
    // The sub-keys of the rows found cannot be expanded.
    EXPECT_EQ(search(titleOperand("cat"), "SERIALS"), Outcome(1, 2));
    EXPECT_EQ(session_.resultCount, 2u);
    EXPECT_EQ(search(titleOperand("dog")), Outcome(0, 2)) << "a failure is not carried to the next search";
    EXPECT_EQ(search(operand({{1, 5}}, general("x"))), Outcome(1, 114));
    EXPECT_EQ(search(titleOperand("x"), "GROUP"), Outcome(1, 100));
    EXPECT_EQ(search(titleOperand("x"), "ELSEWHERE"), Outcome(1, 235));
    EXPECT_EQ(session_.resultCount, 2u);
    EXPECT_EQ(session_.resultSet.rowCount(), 2u);
}

}  // namespace
