#include "toolkit/session/si_error_trace.h"

#include <string>

#include "toolkit/session/trace_registry.h"

namespace {

// A name as the block prints it: the constant's name and a newline, nothing for an unknown value.
std::string nameLine(const char* name) {
    return *name != '\0' ? std::string(name) + "\n" : std::string();
}

std::string errorBlock(const SIError& error, const char* diagnostic) {
    std::string block = "An error has occured, Error structure is:\n";
    block += "eErrorClass == " + nameLine(siErrorClassName(error.eErrorClass));
    if (const SIAbortInfo* abort = error.uErrorCode.psAbort.get()) {
        block += "uErrorCode.psAbort->eAbortSource == " + std::to_string(abort->eAbortSource) + "\n";
        block += "uErrorCode.psAbort->lAbortReason == " + std::to_string(abort->lAbortReason) + "\n";
        block += "uErrorCode.psAbort->pcDiagnostics == " + abort->pcDiagnostics + "\n";
    } else {
        block += "uErrorCode.lIfOsCoError == " + std::to_string(error.uErrorCode.lIfOsCoError) + "\n";
        block += "Diagnostic: " + std::string(diagnostic != nullptr ? diagnostic : "") + "\n";
    }
    block += "eAssociationState == " + nameLine(siAssociationStateName(error.eAssociationState));
    return block;
}

}  // namespace

int siTraceReportedError(KivAssocId assocId, SIError** error, const char* diagnostic) {
    if (error == nullptr || *error == nullptr) return 0;
    bool written = false;
    siWithTrace(assocId, [&](const SITraceSink& sink) {
        if (sink.level() == Trace_None) return;
        sink.write(Trace_Low, errorBlock(**error, diagnostic));
        written = true;
    });
    return written ? 1 : 0;
}

void SITraceError(KivAssocId assocId, SIError** error, const char* diagnostic) {
    siTraceReportedError(assocId, error, diagnostic);
}
