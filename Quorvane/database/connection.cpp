#include "Quorvane/database/connection.h"

#include <sqlext.h>

#include <array>
#include <optional>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/database/connection_secrets.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/log/operations_log.h"

namespace {

struct ConnectFailure {
    std::string message;
    std::int32_t condition;
    std::string driverDetail;  // the driver's diagnostic, taken before its handle is freed
};

constexpr std::size_t kConnectionOutputSize = 1024;

// What the session remembers of its connections: the catalogue string alone when there is no library
// source, else both joined by a line end (which no INI value holds).
std::string connectionKey(const std::string& catalogue, const std::string& library) {
    return library.empty() ? catalogue : catalogue + '\n' + library;
}

std::optional<ConnectFailure> openConnection(SQLHENV environment, const std::string& connection,
                                             const char* name, SQLHDBC* handle) {
    SQLHDBC dbc = SQL_NULL_HDBC;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, environment, &dbc))) {
        return ConnectFailure{std::string("Sarvik Error: Failed to do SQLAllocHandle on ") + name, 2,
                              DriverDiagnosticText(SQL_HANDLE_ENV, environment)};
    }
    std::array<SQLCHAR, kConnectionOutputSize> output{};
    SQLSMALLINT outputLength = 0;
    std::string text = connection;
    SQLRETURN rc = SQLDriverConnect(
        dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()), static_cast<SQLSMALLINT>(text.size()),
        output.data(), static_cast<SQLSMALLINT>(output.size()), &outputLength, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        ConnectFailure failure{
            "Sarvik Error: Failed to do SQLDriverConnect on " + MaskConnectionSecrets(connection), 109,
            DriverDiagnosticText(SQL_HANDLE_DBC, dbc)};
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        return failure;
    }
    *handle = dbc;
    return std::nullopt;
}

std::optional<ConnectFailure> openEnvironment(SessionRecord& session) {
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &session.odbcEnvironment))) {
        session.odbcEnvironment = SQL_NULL_HENV;
        return ConnectFailure{"Sarvik Error: Failed to do SQLAllocEnv", 2, {}};
    }
    SQLRETURN rc = SQLSetEnvAttr(session.odbcEnvironment, SQL_ATTR_ODBC_VERSION,
                                 reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), SQL_IS_INTEGER);
    if (!SQL_SUCCEEDED(rc)) {
        return ConnectFailure{"Sarvik Error: Failed to do SQLSetEnvAttr", 2,
                              DriverDiagnosticText(SQL_HANDLE_ENV, session.odbcEnvironment)};
    }
    return std::nullopt;
}

std::optional<ConnectFailure> openSources(SessionRecord& session, const std::string& catalogue,
                                          const std::string& library) {
    if (auto failure = openEnvironment(session)) return failure;
    if (auto failure =
            openConnection(session.odbcEnvironment, catalogue, "DBCCat", &session.catalogueConnection)) {
        return failure;
    }
    if (library.empty()) return std::nullopt;
    return openConnection(session.odbcEnvironment, library, "DBCLib", &session.libraryConnection);
}

int fail(SessionRecord& session, const ConnectFailure& failure) {
    DisconnectDatabase(session);
    LogAndDiagnose(failure.message);
    AppendDiagInfo(failure.driverDetail);
    session.pendingDiagnostic = failure.condition;
    return 0;
}

void closeConnection(SQLHDBC& handle, const char* name) {
    if (handle == SQL_NULL_HDBC) return;
    if (!SQL_SUCCEEDED(SQLDisconnect(handle))) {
        LogAndDiagnose(std::string("Sarvik Error: Failed to do SQLDisconnect on ") + name);
        AppendDriverDiagnostic(SQL_HANDLE_DBC, handle);
    }
    if (!SQL_SUCCEEDED(SQLFreeHandle(SQL_HANDLE_DBC, handle))) {
        LogAndDiagnose(std::string("Sarvik Error: Failed to do SQLFreeHandle on ") + name);
    }
    handle = SQL_NULL_HDBC;
}

}  // namespace

int ConnectDatabase(SessionRecord& session, const std::string& database) {
    const std::string section = "ODBC:" + database;
    std::optional<std::string> catalogue = GetIniStringOptional(section, "VESKO");
    if (!catalogue) catalogue = GetIniStringOptional("ODBC", database);
    if (!catalogue) return fail(session, {"Sarvik Error: Database " + database + " does not exist", 235, {}});
    const std::string library = GetIniStringOptional(section, "TELVO").value_or("");

    const std::string key = connectionKey(*catalogue, library);
    if (session.connectionString) {
        if (*session.connectionString == key) return 1;
        DisconnectDatabase(session);
    }
    if (auto failure = openSources(session, *catalogue, library)) return fail(session, *failure);
    session.connectionString = key;
    LogAndDiagnose("SUCCESS: ODBCConnectDB");
    return 1;
}

int ConnectDatabase(SessionRecord& session) {
    return ConnectDatabase(session, session.currentDatabase.value_or(""));
}

void DisconnectDatabase(SessionRecord& session) {
    closeConnection(session.catalogueConnection, "DBCCat");
    closeConnection(session.libraryConnection, "DBCLib");
    if (session.odbcEnvironment != SQL_NULL_HENV) {
        if (!SQL_SUCCEEDED(SQLFreeHandle(SQL_HANDLE_ENV, session.odbcEnvironment))) {
            LogAndDiagnose("Sarvik Error: Failed to do SQLFreeHandle on ENV");
        }
        session.odbcEnvironment = SQL_NULL_HENV;
    }
    session.connectionString.reset();
    LogAndDiagnose("SUCCESS: ODBCDisconnectDB");
}
