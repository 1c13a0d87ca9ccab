#include "Quorvane/results/relevance_sql.h"

#include <gtest/gtest.h>

#include "tests/server/database/sqlite_odbc_fixture.h"

namespace {

class RelevanceSql : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase(
            "catalogue.db",
            {"CREATE TABLE STEMS (STEM TEXT, DOC_FREQ TEXT)", "INSERT INTO STEMS VALUES ('CAT', '1')",
             "INSERT INTO STEMS VALUES ('DOG', ' 1 ')", "INSERT INTO STEMS VALUES ('BIRD', '3')",
             "INSERT INTO STEMS VALUES ('O''BRIEN', '1')", "INSERT INTO STEMS VALUES ('MANY', 'lots')"});
        writeIni("[ODBC:CAT]\nVESKO=" + connectionString("catalogue.db") + "\n");
        std::filesystem::create_directory(path("control"));
        writeFile("control/relrank.tblx",
                  "1,\"SELECT DOC_FREQ FROM STEMS WHERE STEM = 'XXKEYWORDXX'\",\n"
                  "\"SELECT K FROM W WHERE STEM IN (XXKEYWORDSXX) HAVING SCORE * XXNORMXX >= 50\";\n"
                  "2,\"SELECT NOSUCH FROM STEMS WHERE STEM = 'XXKEYWORDXX'\",\"unused\";\n");
        session_.controlFilesDir = path("control");
        session_.currentDatabase = "CAT";
    }

    // The statement built, or the condition it failed with.
    std::string built(const char* reference, const std::string& term) {
        Bib1Result<std::string> statement = BuildRelevanceSql(session_, reference, term);
        return statement ? *statement : "condition " + std::to_string(statement.outcome().condition());
    }
};

TEST_F(RelevanceSql, TheMainStatementCarriesTheKeywordsAndTheFactor) {
    struct Case {
        const char* term;
        const char* statement;
    };
    const Case cases[] = {
        {"CATS DOGS BIRDS", "SELECT K FROM W WHERE STEM IN ('CAT','DOG','BIRD') HAVING SCORE * 27.73 >= 50"},
        {"CATS  UNKNOWN", "SELECT K FROM W WHERE STEM IN ('CAT','','UNKNOWN') HAVING SCORE * 69.31 >= 50"},
        {"O'BRIEN", "SELECT K FROM W WHERE STEM IN ('O''BRIEN') HAVING SCORE * 69.31 >= 50"},
        {"UNKNOWN MANY", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(built("RELRANK1", c.term), c.statement) << c.term;
}

TEST_F(RelevanceSql, NoStatementWithoutAMappingOrWhenAFrequencyFails) {
    EXPECT_EQ(built("RELRANK7", "CATS"), "");
    EXPECT_NE(takeLog().find("Relevance rank mapping missing\n"), std::string::npos);
    EXPECT_EQ(built("RELRANK2", "CATS"), "condition 2");
    session_.currentDatabase = "NOWHERE";
    EXPECT_EQ(built("RELRANK1", "CATS"), "condition 235");
}

}  // namespace
