#include "Quorvane/log/operations_log.h"

#include <cstdio>
#include <mutex>

#include "Quorvane/log/log_file_append.h"

namespace {

constexpr std::string_view kCutMark = "...";

// Guards the view pointer: a message is written while it is held, so a view that has been replaced is
// no longer in use.
std::mutex sinkMutex;
platform::TraceView* traceView = nullptr;

// A line the error log cannot take goes to standard error rather than nowhere.
void appendErrorLog(const std::string& text) {
    if (text.empty()) return;
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string line = errorLogStamp(local) + '\t' + text;
    if (!appendLineToFile(kErrorLogName, line)) std::fprintf(stderr, "%s\n", line.c_str());
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
    std::string line = cutLogText(text);
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

void AppendDiagInfo(std::string_view text) {
    if (text.empty()) return;
    appendLineToFile(kDiagInfoName, cutLogText(text));
}

void LogConfigError(std::string_view text) {
    std::string line = cutLogText(text);
    {
        std::lock_guard<std::mutex> lock(sinkMutex);
        if (traceView != nullptr) traceView->appendLine(line);
        appendErrorLog(line);
    }
    AppendDiagInfo(line);
}

std::string errorLogStamp(const std::tm& time) {
    char buffer[128];
    std::size_t length = std::strftime(buffer, sizeof buffer, "%B %d, %Y %H:%M:%S --> ", &time);
    return std::string(buffer, length);
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
