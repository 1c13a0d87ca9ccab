#include "Quorvane/log/operations_log.h"

#include <mutex>

#include "Quorvane/log/log_files.h"
#include "toolkit/util/text_escape.h"

namespace {

constexpr std::string_view kCutMark = "...";

// Guards the view pointer: a message is written while it is held, so a view that has been replaced is
// no longer in use.
std::mutex sinkMutex;
platform::TraceView* traceView = nullptr;

// Error-log lines are rare and wanted at once: each one is written straight away. Called under sinkMutex,
// so only the error log is flushed here: its failures go to standard error, not back to LogMessage.
void appendErrorLog(const std::string& line) {
    if (line.empty()) return;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    writeLogLines(kErrorLogName, errorLogStamp(local) + '\t' + line + '\n');
    flushLogFile(kErrorLogName);
}

bool isContinuationOctet(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

void setOperationsTraceView(platform::TraceView* view) {
    std::lock_guard<std::mutex> lock(sinkMutex);
    traceView = view;
}

void LogMessage(std::string_view text) {
    std::string line = logLineText(text);
    std::lock_guard<std::mutex> lock(sinkMutex);
    if (traceView != nullptr) {
        traceView->appendLine(line);
    } else {
        appendErrorLog(line);
    }
}

void LogAndDiagnose(std::string_view text) {
    LogMessage(text);
    AppendDiagInfo(text);
}

void LogDetail(std::string_view text) {
    if (logDetailEnabled()) LogMessage(text);
}

void AppendDiagInfo(std::string_view text) {
    if (text.empty()) return;
    writeLogLines(kDiagInfoName, logLineText(text) + '\n');
}

void AppendDetailDiagInfo(std::string_view text) {
    if (logDetailEnabled()) AppendDiagInfo(text);
}

void AppendErrorLog(std::string_view text) {
    std::string line = logLineText(text);
    std::lock_guard<std::mutex> lock(sinkMutex);
    appendErrorLog(line);
}

void LogConfigError(std::string_view text) {
    std::string line = logLineText(text);
    {
        std::lock_guard<std::mutex> lock(sinkMutex);
        if (traceView != nullptr) traceView->appendLine(line);
        appendErrorLog(line);
    }
    AppendDiagInfo(line);
    flushLogFiles();
}

void LogFatalReport(const char* line) {
    {
        std::lock_guard<std::mutex> lock(sinkMutex);
        appendErrorLog(logLineText(line));
    }
    flushLogFiles();
}

std::string errorLogStamp(const std::tm& time) {
    char buffer[128];
    std::size_t length = std::strftime(buffer, sizeof buffer, "%B %d, %Y %H:%M:%S --> ", &time);
    return std::string(buffer, length);
}

std::string logLineText(std::string_view text) {
    return cutLogText(escapeControlText(text));
}

std::string cutLogText(std::string_view text) {
    if (text.size() <= kLogTextLimit) return std::string(text);
    std::size_t keep = kLogTextLimit - kCutMark.size();
    // A UTF-8 sequence is at most four octets: back up over at most three continuation octets.
    for (int i = 0; i < 3 && isContinuationOctet(text[keep]); ++i) --keep;
    std::string cut(text.substr(0, keep));
    cut += kCutMark;
    return cut;
}
