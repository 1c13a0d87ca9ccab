#pragma once
// Tests against real ODBC: small SQLite databases, written through the SQLite3 ODBC driver into each
// test's scratch directory, with a Quorvane.INI naming them. The driver is installed and registered by
// scripts/bootstrap; a test fails (never skips) when the driver manager does not know it.

#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <array>
#include <initializer_list>
#include <sstream>
#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/database/connection.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/platform/trace_view.h"
#include "tests/server/traced_scratch_dir.h"

inline constexpr const char* kSqliteDriver = "SQLite3";

// True when the driver manager lists the driver.
inline bool odbcDriverRegistered(const std::string& name) {
    SQLHENV environment = SQL_NULL_HENV;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment))) return false;
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    bool found = false;
    std::array<SQLCHAR, 256> description{};
    std::array<SQLCHAR, 1024> attributes{};
    SQLSMALLINT descriptionLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (!found && SQL_SUCCEEDED(SQLDrivers(
                         environment, direction, description.data(),
                         static_cast<SQLSMALLINT>(description.size()), &descriptionLength, attributes.data(),
                         static_cast<SQLSMALLINT>(attributes.size()), &attributesLength))) {
        found = name == reinterpret_cast<const char*>(description.data());
        direction = SQL_FETCH_NEXT;
    }
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
    return found;
}

class SqliteOdbcTest : public TracedScratchDirTest {
  protected:
    void SetUp() final {
        TracedScratchDirTest::SetUp();
        ASSERT_TRUE(odbcDriverRegistered(kSqliteDriver))
            << "The ODBC driver manager does not list the " << kSqliteDriver
            << " driver (Debian package libsqliteodbc); scripts/bootstrap installs and registers it.";
        setUpDatabases();
    }

    // The test's own databases and configuration; runs only when the driver is there.
    virtual void setUpDatabases() {}

    void TearDown() override {
        DisconnectDatabase(session_);
        TracedScratchDirTest::TearDown();
    }

    // The connection string of a database file of the scratch directory, stepped at each fetch as shipped.
    std::string connectionString(const std::string& file) const {
        return std::string("Driver=") + kSqliteDriver + ";Database=" + path(file) + ";NoCreat=1;StepAPI=1";
    }

    // Creates the database file and runs the statements in it through the driver.
    void createDatabase(const std::string& file, std::initializer_list<std::string> statements) {
        SQLHENV environment = SQL_NULL_HENV;
        SQLHDBC connection = SQL_NULL_HDBC;
        ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)));
        SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection)));
        std::string text = std::string("Driver=") + kSqliteDriver + ";Database=" + path(file);
        ASSERT_TRUE(
            SQL_SUCCEEDED(SQLDriverConnect(connection, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                           SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT)));
        for (std::string statement : statements) {
            SQLHSTMT handle = SQL_NULL_HSTMT;
            ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &handle)));
            EXPECT_TRUE(
                SQL_SUCCEEDED(SQLExecDirect(handle, reinterpret_cast<SQLCHAR*>(statement.data()), SQL_NTS)))
                << statement;
            SQLFreeHandle(SQL_HANDLE_STMT, handle);
        }
        SQLDisconnect(connection);
        SQLFreeHandle(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
    }

    void writeIni(const std::string& text) { writeFile("Quorvane.INI", text); }

    SessionRecord session_;
};
