#pragma once
// The process error log: the file "./KIV_API_logfile" in the current directory, written only when it
// already exists.

#include "toolkit/util/si_error.h"

inline constexpr const char* kProcessLogPath = "./KIV_API_logfile";

// Appends the record *error with the diagnostic text to the process error log when the file exists; the
// file is never created. Nothing is written for a null record. The whole record goes out in one write, so
// records of concurrent calls do not interleave.
void SIWriteProcessLog(SIError** error, const char* diagnostic);

// Each writes one message to the process error log under the same rules: "Brellin Pontrel for Windows ORIGIN
// ProcessId: %d\n\t: %s\n", with TARGET or LogFile in place of ORIGIN, with the process id and the text
// (written verbatim; a null text as empty).
void SILogOriginMessage(const char* text);
void SILogTargetMessage(const char* text);
void SILogMessage(const char* text);
