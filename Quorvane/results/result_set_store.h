#pragma once
// The session's one result set: the rows of its last successful search, the number of records it holds,
// and the database it was found in.

#include <optional>
#include <string>

#include "Quorvane/association/session_record.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/results/result_set.h"

// Makes the rows the session's result set (freeing the one before), stores its record count, discards
// the present cache and remembers the session's current database as the result set's.
void StoreResultSet(SessionRecord& session, ResultSet rows);

// The database the session's result set was found in; nothing without a result set.
std::optional<std::string> ResultSetDatabase(const SessionRecord& session);

// Before records are fetched for the result set: a Scan or a failed Search may since have made another
// database current and connected the session to it. Makes the result set's database current again and
// connects for it: the failure of connecting, else success (also without a result set).
Bib1Outcome UseResultSetDatabase(SessionRecord& session);
