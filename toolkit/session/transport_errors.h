#pragma once
// The errors of the transport and of the association calls, each reported through SIReportError with its
// code, class, message and association state.

#include "toolkit/api/kiv_owning.h"
#include "toolkit/util/si_error.h"

// 2 "This association has been unexpectedly lost" (SI_Communication_Error, Association_Closed).
void siReportAssociationLost(KivAssocId assocId, SIError** error);

// 7 "Function called with invalid parameters.\nDiagnostics: %s" (SI_Interface_Error).
void siReportInvalidParameters(KivAssocId assocId, const char* diagnostic, SIAssociationState state,
                               SIError** error);

// 8 "A call to the system function %s returned error: %s" with the function and an empty system text.
void siReportSystemCallFailed(KivAssocId assocId, SIErrorClass errorClass, const char* function,
                              SIAssociationState state, SIError** error);

// 30 "TCP: close() failed for Association %d\nDiagnostics: %s" with an empty text (SI_Communication_Error,
// Association_Unknown_State).
void siReportCloseFailed(KivAssocId assocId, SIError** error);

// 60 "The received PDU could not be decoded" (SI_Interface_Error, Association_Open).
void siReportUndecodable(KivAssocId assocId, SIError** error);

// SI_Abort, abort source 0, reason 0, "The Association has been aborted", Association_Closed.
void siReportAbort(KivAssocId assocId, SIError** error);

// Whether *error is an SI_Abort record.
bool siIsAbort(SIError* const* error);

// The error out-pointer of a call: the caller's, or one of the call's own (released with it) when the
// caller passed none, so that the call can still read the error it reported.
class SIErrorSlot {
  public:
    explicit SIErrorSlot(SIError** out) : out_(out != nullptr ? out : &own_) {}
    ~SIErrorSlot() { SIFreeError(&own_); }
    SIErrorSlot(const SIErrorSlot&) = delete;
    SIErrorSlot& operator=(const SIErrorSlot&) = delete;
    SIError** get() const { return out_; }

  private:
    SIError* own_ = nullptr;
    SIError** out_;
};
