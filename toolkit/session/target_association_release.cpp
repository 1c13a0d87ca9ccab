#include <cstdio>
#include <optional>

#include "toolkit/session/argument_trace.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/call_trace.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/target_association.h"
#include "toolkit/session/target_association_socket.h"
#include "toolkit/session/trace_registry.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_lifecycle.h"

namespace {

SIResult release(KivAssocId assocId, const KivReleaseRsp* releaseRsp, SIError** error) {
    if (releaseRsp != nullptr && releaseRsp->eReleaseRspResult == Negative) {
        siReportInvalidParameters(assocId, "Under SR/Z39.50 A Release Request may not be rejected",
                                  Association_Open, error);
        return SI_NOTOK;
    }
    if (SIStateEvent(assocId, KIV_TE_IRELRESP, error) != 0) return SI_NOTOK;
    const std::optional<SIAssociation> record = siFindAssociation(assocId);
    KivProtocolStack stack = Unknown_Stack;
    if (SICheckAssociation(assocId, &stack, error) != 0 || !record) return SI_NOTOK;
    if (stack == TCP_Stack) {
        if (siCloseAssociationSocket(assocId, record->socketHandle, error) != SI_OK) return SI_NOTOK;
    } else {
        std::fputs("OSI not supported\n", stdout);
    }
    siEndAssociation(assocId);
    return SI_OK;
}

}  // namespace

SIResult KivReleaseAssociationInfoNT(KivAssocId assocId, SIError** /*error*/) {
    constexpr const char* kName = "KivReleaseAssociationInfoNT";
    SITraceEnter(kName, assocId);
    SITraceWrite(assocId, Trace_High, "\nInput Function Arguments\n");
    SITraceAssocId(assocId, assocId);
    siEndAssociation(assocId);
    SITraceLeave(kName, assocId, SI_OK);
    return SI_OK;
}

SIResult KivReleaseResponse(KivAssocId assocId, const KivReleaseRsp* releaseRsp, SIError** error) {
    constexpr const char* kName = "KivReleaseResponse";
    SITraceEnter(kName, assocId);
    SITraceWrite(assocId, Trace_High, "\nInput Function Arguments\n");
    SITraceAssocId(assocId, assocId);
    SITraceReleaseRsp(releaseRsp, assocId);
    SIFreeError(error);
    const SIResult result = release(assocId, releaseRsp, error);
    SITraceLeave(kName, assocId, result);
    return result;
}
