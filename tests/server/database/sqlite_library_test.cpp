// Runs in a program of its own: SQLite's configuration is process-wide and fixed once SQLite has started.
#include "Quorvane/database/sqlite_library.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

namespace {

// Runs the statements on a fresh SQLite database through the driver manager.
void runThroughOdbc(const std::string& database, std::initializer_list<const char*> statements) {
    SQLHENV environment = SQL_NULL_HENV;
    SQLHDBC connection = SQL_NULL_HDBC;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)));
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    ASSERT_TRUE(SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection)));
    std::string text = "Driver=SQLite3;Database=" + database;
    ASSERT_TRUE(SQL_SUCCEEDED(SQLDriverConnect(connection, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                               SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT)));
    SQLHSTMT statement = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_STMT, connection, &statement);
    for (const char* sql : statements) {
        EXPECT_TRUE(SQL_SUCCEEDED(
            SQLExecDirect(statement, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql)), SQL_NTS)))
            << sql;
        SQLFreeStmt(statement, SQL_CLOSE);
    }
    SQLFreeHandle(SQL_HANDLE_STMT, statement);
    SQLDisconnect(connection);
    SQLFreeHandle(SQL_HANDLE_DBC, connection);
    SQLFreeHandle(SQL_HANDLE_ENV, environment);
}

TEST(SqliteLibrary, ConfiguredBeforeTheDriverStartsSqliteAndStaysSo) {
    ASSERT_TRUE(ConfigureSqliteLibrary());
    const std::string database = testing::TempDir() + "sqlite_library.db";
    std::remove(database.c_str());
    runThroughOdbc(database, {"CREATE TABLE T (K TEXT)", "INSERT INTO T VALUES ('a'), ('b')",
                              "SELECT K, COUNT(*) FROM T GROUP BY K ORDER BY K"});

    // The driver's SQLite is the configured copy: it counted nothing.
    using MemoryUsed = std::int64_t (*)();
    auto memoryUsed = reinterpret_cast<MemoryUsed>(dlsym(RTLD_DEFAULT, "sqlite3_memory_used"));
    ASSERT_NE(memoryUsed, nullptr);
    EXPECT_EQ(memoryUsed(), 0);

    // A connection opened without a threading flag (as the driver opens them) has no mutex of its own.
    using Open = int (*)(const char*, void**, int, const char*);
    using Close = int (*)(void*);
    using DatabaseMutex = void* (*)(void*);
    auto open = reinterpret_cast<Open>(dlsym(RTLD_DEFAULT, "sqlite3_open_v2"));
    auto close = reinterpret_cast<Close>(dlsym(RTLD_DEFAULT, "sqlite3_close"));
    auto databaseMutex = reinterpret_cast<DatabaseMutex>(dlsym(RTLD_DEFAULT, "sqlite3_db_mutex"));
    ASSERT_TRUE(open != nullptr && close != nullptr && databaseMutex != nullptr);
    constexpr int kOpenReadOnly = 0x00000001;
    void* connection = nullptr;
    ASSERT_EQ(open(database.c_str(), &connection, kOpenReadOnly, nullptr), 0);
    EXPECT_EQ(databaseMutex(connection), nullptr);
    close(connection);
    std::remove(database.c_str());

    EXPECT_FALSE(ConfigureSqliteLibrary()) << "SQLite has started: its configuration is fixed";
}

}  // namespace
