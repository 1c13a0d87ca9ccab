#include "Quorvane/handlers/serve_request.h"

#include <new>
#include <string>

#include "Quorvane/log/operations_log.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/session/close_service.h"

void LogRequestFailure(KivAssocId assocId, const std::exception& failure) {
    LogMessage("Association " + std::to_string(assocId) + ": request failed: " + failure.what());
}

bool SendSystemProblemClose(KivAssocId assocId) {
    KivClose close;
    close.eCloseReason = CR_SystemProblem;
    SIError* error = nullptr;
    const bool sent = KIVCloseRequest(assocId, &close, &error) == SI_OK;
    SIFreeError(&error);
    return sent;
}

bool ResponseSent(SIResult result, SIError*& error) {
    const bool outOfMemory = error != nullptr && error->eErrorClass == SI_Interface_Error &&
                             error->uErrorCode.lIfOsCoError == kKivOutOfMemoryCode;
    SIFreeError(&error);
    if (outOfMemory) throw std::bad_alloc();
    return result == SI_OK;
}
