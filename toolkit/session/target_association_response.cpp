#include <cstdio>
#include <optional>

#include "toolkit/session/argument_trace.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/call_trace.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/target_association.h"
#include "toolkit/session/target_association_socket.h"
#include "toolkit/session/target_association_state.h"
#include "toolkit/session/trace_registry.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_lifecycle.h"

namespace {

constexpr long kConfigurationFormatCode = 131;

SIResult answer(KivAssocId assocId, int32_t decision, SIError** error) {
    const std::optional<SIAssociation> record = siFindAssociation(assocId);
    KivProtocolStack stack = Unknown_Stack;
    if (SICheckAssociation(assocId, &stack, error) != 0 || !record) return SI_NOTOK;
    const bool accepted = decision == Accepted;
    if (stack == OSI_Stack) {
        std::fputs("OSI not supported\n", stdout);
        if (!accepted) siEndAssociation(assocId);
        return SI_OK;
    }
    if (accepted) return SIStateEvent(assocId, KIV_TE_IASSOCRESP_TRUE, error) == 0 ? SI_OK : SI_NOTOK;
    if (siCloseAssociationSocket(assocId, record->socketHandle, error) != SI_OK) return SI_NOTOK;
    const int refused = SIStateEvent(assocId, KIV_TE_IASSOCRESP_FALSE, error);
    siEndAssociation(assocId);
    return refused == 0 ? SI_OK : SI_NOTOK;
}

}  // namespace

SIResult KivAssociateResponse(KivAssocId assocId, int32_t eAssociateRsp, SIError** error) {
    constexpr const char* kName = "KivAssociateResponse";
    SITraceEnter(kName, assocId);
    SITraceWrite(assocId, Trace_High, "\nInput Function Arguments\n");
    SITraceAssocId(assocId, assocId);
    SITraceAssociateRsp(eAssociateRsp, assocId);
    SIFreeError(error);
    if (eAssociateRsp != Accepted && eAssociateRsp != Rejected_Perm && eAssociateRsp != Rejected_Tran) {
        siReportInvalidParameters(assocId, "Variable eAssociateRsp was of invalid type", Association_Open,
                                  error);
        return SI_NOTOK;
    }
    bool refusedAcceptance = false;
    if (eAssociateRsp == Accepted && !siTargetInitialised) {
        SIReportError(0, SI_Interface_Error, 0, kConfigurationFormatCode,
                      "The format of the configuration file is incorrect\nDiagnostic:An error reported by "
                      "KivReceiveAssociateRequest() means that you may not Accept the Association.",
                      0, Association_Closed, error);
        eAssociateRsp = Rejected_Tran;
        refusedAcceptance = true;
    }
    SIResult result = answer(assocId, eAssociateRsp, error);
    if (refusedAcceptance) result = SI_NOTOK;
    SITraceLeave(kName, assocId, result);
    return result;
}
