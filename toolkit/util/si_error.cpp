#include "toolkit/util/si_error.h"

#include <atomic>

#include "toolkit/util/process_log.h"

namespace {

std::atomic<SIErrorTraceWriter> errorTraceWriter{nullptr};

// 1 when the installed trace writer wrote the error to the association's trace.
int traceReportedError(KivAssocId assocId, SIError** error, const char* diagnostic) {
    SIErrorTraceWriter writer = errorTraceWriter.load(std::memory_order_acquire);
    return writer != nullptr ? writer(assocId, error, diagnostic) : 0;
}

}  // namespace

void siSetErrorTraceWriter(SIErrorTraceWriter writer) {
    errorTraceWriter.store(writer, std::memory_order_release);
}

void SIReportError(KivAssocId assocId, SIErrorClass errorClass, int abortSource, long code,
                   const char* diagnostic, long /*unused*/, SIAssociationState associationState,
                   SIError** out) {
    auto error = std::make_unique<SIError>();
    error->eErrorClass = errorClass;
    error->eAssociationState = associationState;
    switch (errorClass) {
        case SI_Communication_Error:
        case SI_Interface_Error:
        case SI_OperatingSystem_Error:
            error->uErrorCode.lIfOsCoError = code;
            break;
        default:
            error->uErrorCode.psAbort = std::make_unique<SIAbortInfo>(
                SIAbortInfo{abortSource, code, diagnostic != nullptr ? diagnostic : ""});
    }
    SIError* unclaimed = nullptr;  // a caller without an out-pointer still gets the error written down
    SIError** target = out != nullptr ? out : &unclaimed;
    SIFreeError(target);
    *target = error.release();
    if (assocId == 0 || traceReportedError(assocId, target, diagnostic) == 0) {
        SIWriteProcessLog(target, diagnostic);
    }
    SIFreeError(&unclaimed);
}

void SIFreeError(SIError** error) {
    if (error == nullptr) return;
    delete *error;
    *error = nullptr;
}

const char* siErrorClassName(SIErrorClass errorClass) {
    switch (errorClass) {
        case SI_Communication_Error:
            return "SI_Communication_Error";
        case SI_Interface_Error:
            return "SI_Interface_Error";
        case SI_OperatingSystem_Error:
            return "SI_OperatingSystem_Error";
        case SI_Abort:
            return "SI_Abort";
    }
    return "";
}

const char* siAssociationStateName(SIAssociationState associationState) {
    switch (associationState) {
        case Association_Open:
            return "Association_Open";
        case Association_Closed:
            return "Association_Closed";
        case Association_Unknown_State:
            return "Association_Unknown_State";
    }
    return "";
}
