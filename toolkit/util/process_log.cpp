#include "toolkit/util/process_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace {

// A name line as the log prints it: the constant's name and a newline, nothing for an unknown value.
std::string nameLine(const char* name) {
    return *name != '\0' ? std::string(name) + "\n" : std::string();
}

std::string recordText(const SIError& error, const char* diagnostic) {
    std::string text = "Brellin Pontrel for Windows LogFile ProcessId: " + std::to_string(getpid()) +
                       " produced the following error\n";
    text += "\teErrorClass == " + nameLine(siErrorClassName(error.eErrorClass));
    if (const SIAbortInfo* abort = error.uErrorCode.psAbort.get()) {
        text += "\tuErrorCode.psAbort->eAbortSource == " + std::to_string(abort->eAbortSource) + "\n";
        text += "\tuErrorCode.psAbort->lAbortReason == " + std::to_string(abort->lAbortReason) + "\n";
        text += "\tuErrorCode.psAbort->pcDiagnostics == " + abort->pcDiagnostics + "\n";
    } else {
        text += "\tuErrorCode.lIfOsCoError == " + std::to_string(error.uErrorCode.lIfOsCoError) + "\n";
        if (diagnostic != nullptr) text += std::string(diagnostic) + "\n";
    }
    text += "eAssociationState == " + nameLine(siAssociationStateName(error.eAssociationState));
    text += "\n";
    return text;
}

void writeAll(int descriptor, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        ssize_t written = write(descriptor, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;
        done += static_cast<size_t>(written);
    }
}

// Appends the text to the log in one write when the file exists. Without O_CREAT: a missing log file means
// the log is switched off.
void appendToLog(const std::string& text) {
    int descriptor = open(kProcessLogPath, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (descriptor < 0) return;
    writeAll(descriptor, text);
    close(descriptor);
}

void logMessage(const char* sender, const char* text) {
    appendToLog(std::string("Brellin Pontrel for Windows ") + sender +
                " ProcessId: " + std::to_string(getpid()) + "\n\t: " + (text != nullptr ? text : "") + "\n");
}

}  // namespace

void SIWriteProcessLog(SIError** error, const char* diagnostic) {
    if (error == nullptr || *error == nullptr) return;
    appendToLog(recordText(**error, diagnostic));
}

void SILogOriginMessage(const char* text) {
    logMessage("ORIGIN", text);
}

void SILogTargetMessage(const char* text) {
    logMessage("TARGET", text);
}

void SILogMessage(const char* text) {
    logMessage("LogFile", text);
}
