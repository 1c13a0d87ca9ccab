#pragma once
// SQLite counts every allocation of every connection in process-wide statistics kept under one mutex, so
// concurrent statements (Scans above all) queue on it. The server never reads those statistics.

// Turns SQLite's memory statistics off when the shared SQLite library the SQLite ODBC driver links is
// installed: the library is loaded (and kept) here and configured before any connection initialises it;
// the driver manager later loads the driver against this same copy. Call it once, before the first
// connection. Without the library (another driver), or once SQLite has started, it changes nothing and
// answers false.
bool DisableSqliteMemoryStatistics();
