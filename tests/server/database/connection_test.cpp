#include "Quorvane/database/connection.h"

#include <gtest/gtest.h>

#include "tests/server/database/sqlite_odbc_fixture.h"
#include "tests/util/occurrences.h"

namespace {

class DatabaseConnection : public SqliteOdbcTest {
  protected:
    void setUpDatabases() override {
        createDatabase("catalogue.db", {"CREATE TABLE T (K INTEGER)"});
        createDatabase("library.db", {"CREATE TABLE L (K INTEGER)"});
        createDatabase("library2.db", {"CREATE TABLE L (K INTEGER)"});
        writeIni("[ODBC:ONE]\nVESKO=" + connectionString("catalogue.db") + "\nTELVO=" +
                 connectionString("library.db") + "\n[ODBC:TWO]\nVESKO=" + connectionString("catalogue.db") +
                 "\nTELVO=" + connectionString("library.db") + "\n[ODBC:THREE]\nVESKO=" +
                 connectionString("catalogue.db") + "\nTELVO=" + connectionString("library2.db") +
                 "\n[ODBC:BROKEN]\nVESKO=" + connectionString("missing.db") + ";PWD=secret;UID=me\n" +
                 "[ODBC:NOLIB]\nVESKO=" + connectionString("catalogue.db") +
                 "\nTELVO=" + connectionString("missing.db") +
                 "\n[ODBC]\nCATONLY=" + connectionString("catalogue.db") + "\n");
        takeLog();
    }

    // Connects for the database and answers how many new connections that made.
    int connectionsMadeFor(const std::string& database) {
        EXPECT_TRUE(ConnectDatabase(session_, database)) << database;
        return CountOccurrences(takeLog(), "SUCCESS: ODBCConnectDB\n");
    }
};

TEST_F(DatabaseConnection, ReusedOnlyWhileBothConnectionStringsStayTheSame) {
    struct Step {
        const char* database;
        int newConnections;
        bool library;
    };
    const Step steps[] = {
        {"ONE", 1, true}, {"TWO", 0, true},      {"ONE", 0, true},      {"THREE", 1, true},
        {"ONE", 1, true}, {"CATONLY", 1, false}, {"CATONLY", 0, false}, {"ONE", 1, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.database);
        EXPECT_EQ(connectionsMadeFor(step.database), step.newConnections);
        EXPECT_NE(session_.catalogueConnection, nullptr);
        EXPECT_EQ(session_.libraryConnection != SQL_NULL_HDBC, step.library);
    }
}

TEST_F(DatabaseConnection, TheCurrentDatabaseChoosesTheStrings) {
    session_.currentDatabase = "CATONLY";
    EXPECT_TRUE(ConnectDatabase(session_));
    EXPECT_EQ(session_.connectionString, connectionString("catalogue.db"));
    EXPECT_EQ(session_.libraryConnection, nullptr);
}

TEST_F(DatabaseConnection, FailuresDisconnectReportAndLeaveTheirCondition) {
    struct Case {
        const char* database;
        Bib1Condition condition;
        const char* message;
        const char* disconnects;  // a change of strings disconnects before connecting anew
    };
    const std::string brokenString = connectionString("missing.db") + ";PWD=*****;UID=me";
    const std::string missingLibrary = connectionString("missing.db");
    const std::string nope = "Sarvik Error: Database NOPE does not exist";
    const std::string broken = "Sarvik Error: Failed to do SQLDriverConnect on " + brokenString;
    const std::string noLib = "Sarvik Error: Failed to do SQLDriverConnect on " + missingLibrary;
    const char* once = "SUCCESS: ODBCDisconnectDB\n";
    const char* twice = "SUCCESS: ODBCDisconnectDB\nSUCCESS: ODBCDisconnectDB\n";
    const Case cases[] = {{"NOPE", 235, nope.c_str(), once},
                          {"BROKEN", 109, broken.c_str(), twice},
                          {"NOLIB", 109, noLib.c_str(), twice}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.database);
        ASSERT_TRUE(ConnectDatabase(session_, "ONE"));
        takeLog();

        EXPECT_EQ(ConnectDatabase(session_, c.database).condition(), c.condition);
        EXPECT_EQ(takeLog(), std::string(c.disconnects) + c.message + "\n");
        EXPECT_EQ(session_.catalogueConnection, nullptr);
        EXPECT_EQ(session_.libraryConnection, nullptr);
        EXPECT_EQ(session_.odbcEnvironment, nullptr);
        EXPECT_FALSE(session_.connectionString.has_value());
    }
    EXPECT_EQ(readFile("diaginfo.txt").find("secret"), std::string::npos);
}

TEST_F(DatabaseConnection, AFailedConnectReachesTheErrorLogOncePerOutage) {
    const std::string broken = "Sarvik Error: Failed to do SQLDriverConnect on " +
                               connectionString("missing.db") + ";PWD=*****;UID=me: ODBC diagnostic ";
    for (const char* database : {"BROKEN", "BROKEN", "NOLIB", "BROKEN", "NOLIB"}) {
        EXPECT_FALSE(ConnectDatabase(session_, database));
    }
    EXPECT_EQ(CountOccurrences(takeLog(), "Sarvik Error: Failed to do SQLDriverConnect"), 5u);
    std::string errors = readFile(kErrorLogName);
    EXPECT_EQ(CountOccurrences(errors, "Sarvik Error"), 2u) << errors;
    EXPECT_EQ(CountOccurrences(errors, broken), 1u) << errors;
    EXPECT_EQ(CountOccurrences(errors, "(logged once until database BROKEN connects again)\n"), 1u) << errors;
    EXPECT_EQ(CountOccurrences(errors, "(logged once until database NOLIB connects again)\n"), 1u) << errors;
    EXPECT_EQ(errors.find("secret"), std::string::npos);

    // The database comes back: its next connect ends the outage, once.
    createDatabase("missing.db", {"CREATE TABLE L (K INTEGER)"});
    for (const char* database : {"NOLIB", "ONE", "NOLIB"}) EXPECT_TRUE(ConnectDatabase(session_, database));
    errors = readFile(kErrorLogName);
    EXPECT_EQ(CountOccurrences(errors, "Database NOLIB connects again\n"), 1u) << errors;
    EXPECT_EQ(CountOccurrences(errors, "\tDatabase "), 1u) << errors;
}

TEST_F(DatabaseConnection, DisconnectForgetsEverything) {
    ASSERT_TRUE(ConnectDatabase(session_, "ONE"));
    DisconnectDatabase(session_);
    EXPECT_EQ(session_.catalogueConnection, nullptr);
    EXPECT_EQ(session_.libraryConnection, nullptr);
    EXPECT_EQ(session_.odbcEnvironment, nullptr);
    EXPECT_FALSE(session_.connectionString.has_value());
    takeLog();
    EXPECT_EQ(connectionsMadeFor("ONE"), 1);
}

}  // namespace
