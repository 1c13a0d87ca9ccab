#pragma once
// Process-wide settings of the SQLite library behind the SQLite ODBC driver, made before any connection
// starts it:
// - No memory statistics: SQLite counts every allocation of every connection under one process-wide
//   mutex, so concurrent statements (Scans above all) queue on it; the server never reads them.
// - Multi-thread mode: a connection takes no mutex of its own on each call (a fetched row costs two calls
//   per column). A pooled connection belongs to one session at a time and a session's requests run one
//   after another, so no connection is ever used by two threads at once.

// Loads (and keeps) the shared SQLite library the driver links and configures it; the driver manager
// later loads the driver against this same copy. Call it once, before the first connection. Without the
// library (another driver), or once SQLite has started, it changes nothing and answers false.
bool ConfigureSqliteLibrary();

// The shared SQLite library the driver links, loaded and kept in the process for good (RTLD_NODELETE, so
// what is resolved from it stays valid after dlclose); nullptr when it is missing.
void* OpenSqliteLibrary();

// The library's answer on success (SQLITE_OK).
inline constexpr int kSqliteOk = 0;
