#include "toolkit/session/transport_errors.h"

#include <string>

namespace {

constexpr long kAssociationLostCode = 2;
constexpr long kInvalidParametersCode = 7;
constexpr long kSystemCallFailedCode = 8;
constexpr long kCloseFailedCode = 30;
constexpr long kUndecodableCode = 60;

}  // namespace

void siReportAssociationLost(KivAssocId assocId, SIError** error) {
    SIReportError(assocId, SI_Communication_Error, 0, kAssociationLostCode,
                  "This association has been unexpectedly lost", 0, Association_Closed, error);
}

void siReportInvalidParameters(KivAssocId assocId, const char* diagnostic, SIAssociationState state,
                               SIError** error) {
    const std::string message =
        std::string("Function called with invalid parameters.\nDiagnostics: ") + diagnostic;
    SIReportError(assocId, SI_Interface_Error, 0, kInvalidParametersCode, message.c_str(), 0, state, error);
}

void siReportSystemCallFailed(KivAssocId assocId, SIErrorClass errorClass, const char* function,
                              SIAssociationState state, SIError** error) {
    const std::string message =
        std::string("A call to the system function ") + function + " returned error: ";
    SIReportError(assocId, errorClass, 0, kSystemCallFailedCode, message.c_str(), 0, state, error);
}

void siReportCloseFailed(KivAssocId assocId, SIError** error) {
    const std::string message =
        "TCP: close() failed for Association " + std::to_string(assocId) + "\nDiagnostics: ";
    SIReportError(assocId, SI_Communication_Error, 0, kCloseFailedCode, message.c_str(), 0,
                  Association_Unknown_State, error);
}

void siReportUndecodable(KivAssocId assocId, SIError** error) {
    SIReportError(assocId, SI_Interface_Error, 0, kUndecodableCode, "The received PDU could not be decoded",
                  0, Association_Open, error);
}

void siReportAbort(KivAssocId assocId, SIError** error) {
    SIReportError(assocId, SI_Abort, 0, 0, "The Association has been aborted", 0, Association_Closed, error);
}

bool siIsAbort(SIError* const* error) {
    return error != nullptr && *error != nullptr && (*error)->eErrorClass == SI_Abort;
}
