#pragma once
// The session's two ODBC connections: the catalogue source (configuration key VESKO) and the library
// source (TELVO) of a database, taken from the process's connection pool (connection_pool.h). A session
// stays connected while a later database names the same two connection strings and neither connection is
// broken; any difference reconnects. The session's connectionString holds the catalogue
// string, followed by a line end and the library string when there is one. Failures are reported through
// LogAndDiagnose and answer their bib-1 condition: 235 for a database without a catalogue source, 109 when a
// driver refuses a connection, 2 for a failed handle allocation or version setting. A failed connect also
// reaches the error log, once per outage of the strings (connect_outages.h), with the driver's reason, and so
// does the connect that ends the outage.

#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"

// Connects the session for the database: the catalogue string is [ODBC:<database>] VESKO, else
// [ODBC] <database>; the library string is [ODBC:<database>] TELVO (an empty value counts as none).
// A failure leaves everything disconnected.
Bib1Outcome ConnectDatabase(SessionRecord& session, const std::string& database);
// ConnectDatabase for the session's current database (the empty name when it has none).
Bib1Outcome ConnectDatabase(SessionRecord& session);

// Gives both connections back to the pool (a broken one is closed), forgets the environment and the
// connection strings and reports "SUCCESS: ODBCDisconnectDB".
void DisconnectDatabase(SessionRecord& session);
