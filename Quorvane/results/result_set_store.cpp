#include "Quorvane/results/result_set_store.h"

#include "Quorvane/database/connection.h"

void StoreResultSet(SessionRecord& session, ResultSet rows) {
    session.resultCount = rows.recordCount();
    session.resultSet = std::move(rows);
    session.resultSetDatabase = session.currentDatabase.value_or("");
    session.presentCache.reset();
}

std::optional<std::string> ResultSetDatabase(const SessionRecord& session) {
    return session.resultSetDatabase;
}

Bib1Outcome UseResultSetDatabase(SessionRecord& session) {
    std::optional<std::string> database = ResultSetDatabase(session);
    if (!database) return {};
    session.currentDatabase = *database;
    return ConnectDatabase(session);
}
