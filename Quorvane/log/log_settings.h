#pragma once
// How the server's text logs are kept, from the [Logging] section of Quorvane.INI:
//   ulMaxLogFileKB  the size cap of each log file in KiB (default 10240)
//   ulLogFilesKept  rotated files kept besides the current one (default 3)
//   ulLogDetail     1 logs every fetched column, scan term, result key, statement and control-file
//                   value; 0 logs one line per request (default 1)

#include "Quorvane/log/log_file.h"

inline constexpr const char* kLoggingSection = "Logging";

struct LogSettings {
    LogFileLimits limits;
    bool detail = true;
};

// The settings the configuration file gives; a missing key keeps its default.
LogSettings ReadLogSettings();
