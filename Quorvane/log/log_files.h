#pragma once
// The server's text logs by name (names relative to the working directory): each one a LogFile, kept
// open for the life of the process, all under the same settings. The files are flushed when the process
// exits normally; the log flusher (log_flusher.h) also flushes them on a timer. Safe from any thread.

#include <string>
#include <string_view>

#include "Quorvane/log/log_settings.h"

// Applies the settings to every log file, open now or later.
void applyLogSettings(const LogSettings& settings);
// Whether per-column, per-term, per-key, per-statement and per-value lines are logged.
bool logDetailEnabled();

// Gathers whole lines (each ended by '\n') for the named log.
void writeLogLines(const std::string& name, std::string_view lines);
// Writes what the named log has gathered.
void flushLogFile(const std::string& name);
// Writes what every log has gathered.
void flushLogFiles();
