#include "Quorvane/database/connection.h"

#include <sqlext.h>

#include <memory>
#include <optional>
#include <string_view>

#include "Quorvane/config/ini_readers.h"
#include "Quorvane/database/connect_outages.h"
#include "Quorvane/database/connection_pool.h"
#include "Quorvane/database/odbc_diagnostic.h"
#include "Quorvane/log/operations_log.h"

namespace {

// What the session remembers of its connections: the catalogue string alone when there is no library
// source, else both joined by a line end (which no INI value holds).
std::string connectionKey(const std::string& catalogue, const std::string& library) {
    return library.empty() ? catalogue : catalogue + '\n' + library;
}

std::optional<ConnectFailure> takeConnection(const std::string& connectionString, const char* name,
                                             SessionConnection& connection) {
    ConnectFailure failure;
    connection.reset(ConnectionPool::instance().acquire(connectionString, name, &failure).release());
    if (connection == nullptr) return failure;
    return std::nullopt;
}

std::optional<ConnectFailure> openSources(SessionRecord& session, const std::string& catalogue,
                                          const std::string& library) {
    ConnectFailure failure;
    session.odbcEnvironment = ConnectionPool::instance().environment(&failure);
    if (session.odbcEnvironment == SQL_NULL_HENV) return failure;
    if (auto failed = takeConnection(catalogue, "DBCCat", session.catalogueConnection)) return failed;
    if (library.empty()) return std::nullopt;
    return takeConnection(library, "DBCLib", session.libraryConnection);
}

Bib1Outcome fail(SessionRecord& session, const ConnectFailure& failure) {
    DisconnectDatabase(session);
    LogAndDiagnose(failure.message);
    AppendDiagInfo(failure.driverDetail);
    return Bib1Outcome::failure(failure.condition);
}

// The error log's line for the failure that starts an outage.
std::string outageLine(const ConnectFailure& failure, const std::string& database) {
    std::string line = failure.message;
    const std::string_view detail = failure.driverDetail;
    const std::size_t end = detail.find_last_not_of(" \n");  // the driver's text ends in a line end
    if (end != std::string_view::npos) line.append(": ").append(detail.substr(0, end + 1));
    return line + " (logged once until database " + database + " connects again)";
}

bool connectionsBroken(const SessionRecord& session) {
    return (session.catalogueConnection != nullptr && session.catalogueConnection->broken()) ||
           (session.libraryConnection != nullptr && session.libraryConnection->broken());
}

}  // namespace

Bib1Outcome ConnectDatabase(SessionRecord& session, const std::string& database) {
    const std::string section = "ODBC:" + database;
    std::optional<std::string> catalogue = GetIniStringOptional(section, "VESKO");
    if (!catalogue) catalogue = GetIniStringOptional("ODBC", database);
    if (!catalogue) {
        return fail(
            session,
            {"Sarvik Error: Database " + database + " does not exist", kConditionDatabaseUnknown, {}});
    }
    const std::string library = GetIniStringOptional(section, "TELVO").value_or("");

    const std::string key = connectionKey(*catalogue, library);
    if (session.connectionString) {
        if (*session.connectionString == key && !connectionsBroken(session)) return {};
        DisconnectDatabase(session);
    }
    if (auto failure = openSources(session, *catalogue, library)) {
        if (ConnectOutages::instance().failed(key)) AppendErrorLog(outageLine(*failure, database));
        return fail(session, *failure);
    }
    if (ConnectOutages::instance().connected(key)) AppendErrorLog("Database " + database + " connects again");
    session.connectionString = key;
    LogAndDiagnose("SUCCESS: ODBCConnectDB");
    return {};
}

Bib1Outcome ConnectDatabase(SessionRecord& session) {
    return ConnectDatabase(session, session.currentDatabase.value_or(""));
}

void DisconnectDatabase(SessionRecord& session) {
    session.catalogueConnection.reset();
    session.libraryConnection.reset();
    session.odbcEnvironment = SQL_NULL_HENV;
    session.connectionString.reset();
    LogAndDiagnose("SUCCESS: ODBCDisconnectDB");
}
