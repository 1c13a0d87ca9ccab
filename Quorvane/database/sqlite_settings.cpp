#include "Quorvane/database/sqlite_settings.h"

#include <sqlext.h>

#include <array>
#include <string>
#include <string_view>

namespace {

bool isSqlite(SQLHDBC connection) {
    std::array<SQLCHAR, 64> name{};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(connection, SQL_DBMS_NAME, name.data(),
                                  static_cast<SQLSMALLINT>(name.size()), &length))) {
        return false;
    }
    return std::string_view(reinterpret_cast<const char*>(name.data())).starts_with("SQLite");
}

}  // namespace

bool ApplySqliteSettings(SQLHDBC connection) {
    if (!isSqlite(connection)) return false;
    SQLHSTMT statement = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection, &statement))) return true;
    for (const char* pragma : kSqlitePragmas) {
        std::string text = pragma;
        SQLExecDirect(statement, reinterpret_cast<SQLCHAR*>(text.data()),
                      static_cast<SQLINTEGER>(text.size()));
        SQLFreeStmt(statement, SQL_CLOSE);
    }
    SQLFreeHandle(SQL_HANDLE_STMT, statement);
    return true;
}
