#pragma once
// The operations log of the server application. While the server runs, messages are lines of the
// operations trace view; otherwise each is appended, time-stamped, to "QuorvaneError.log" in the working
// directory. Control characters are escaped (text_escape.h), so no text can forge a line, and texts
// longer than kLogTextLimit octets are cut. Every call is safe from any thread.

#include <cstddef>
#include <ctime>
#include <string>
#include <string_view>

#include "Quorvane/platform/trace_view.h"

inline constexpr const char* kErrorLogName = "QuorvaneError.log";
inline constexpr const char* kDiagInfoName = "diaginfo.txt";
inline constexpr std::size_t kLogTextLimit = 1000;

// Sends later messages to the view; nullptr sends them to the error log again. Once it returns no
// message is being written to the previous view, so the caller may destroy it.
void setOperationsTraceView(platform::TraceView* view);

// One line of the trace view, or "<stamp>\t<text>\n" appended to the error log; an empty text writes
// nothing to the error log.
void LogMessage(std::string_view text);
// LogMessage, only when detail lines are logged (log_settings.h): per-row and per-statement messages.
void LogDetail(std::string_view text);
// LogMessage, then AppendDiagInfo with the same text.
void LogAndDiagnose(std::string_view text);
// Appends the text and a line end to "diaginfo.txt" in the working directory; an empty text writes nothing.
void AppendDiagInfo(std::string_view text);
// AppendDiagInfo, only when detail lines are logged.
void AppendDetailDiagInfo(std::string_view text);
// Appends the text to the error log, whether or not the view is set: for what the operator must find
// there although the trace view shows it (a database the server cannot reach).
void AppendErrorLog(std::string_view text);
// LogAndDiagnose for a configuration error, which the operator must also find in the error log: the line
// is appended there even when the message went to the trace view.
void LogConfigError(std::string_view text);

// A fatal report of a programming error (ErrSetFatalSink): a line of the error log, written at once with
// every other log, since the process ends next.
void LogFatalReport(const char* line);

// The error log's time stamp: the time formatted "%B %d, %Y %H:%M:%S --> ".
std::string errorLogStamp(const std::tm& time);
// The text as one log line: escaped, then cut.
std::string logLineText(std::string_view text);
// The text itself, or, beyond kLogTextLimit octets, its first octets (never a part of a UTF-8 sequence)
// followed by "..." so that the whole is at most kLogTextLimit octets.
std::string cutLogText(std::string_view text);
