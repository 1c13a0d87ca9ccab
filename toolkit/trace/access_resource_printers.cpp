#include "toolkit/trace/access_resource_printers.h"

#include "toolkit/api/kiv_access_resource.h"
#include "toolkit/trace/apdu_frame.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"

namespace {

constexpr trace::EnumName kPartialResults[] = {
    {PRA_Subset, "PRA_Subset"},
    {PRA_Interim2, "PRA_Interim2"},
    {PRA_None2, "PRA_None2"},
    {PRA_Invalid, "PRA_Invalid"},
};

constexpr trace::EnumName kRequestedActions[] = {
    {RA_ResourceReport1, "RA_ResourceReport1"},
    {RA_ResourceControl, "RA_ResourceControl"},
    {RA_Cancel, "RA_Cancel"},
    {RA_Invalid, "RA_Invalid"},
};

// The security challenge, the same in either direction.
void printChallenge(std::FILE* file, int32_t type, const KivOctets* simpleForm,
                    const KivExternal* externallyDefined) {
    switch (type) {
        case SECT_Invalid:
            std::fputs("SECT_Invalid\n", file);
            break;
        case SECT_SimpleForm:
            std::fputs("SECT_SimpleForm\n", file);
            KivPrintNamedOctets(file, "psSimpleForm", simpleForm);
            break;
        case SECT_ExternallyDefined:
            std::fputs("SECT_ExternallyDefined\n", file);
            std::fputs("psExternallyDefinedInfo:", file);
            KivPrintExternal(file, externallyDefined);
            break;
        default:
            break;
    }
}

}  // namespace

void KivPrintAccessControlReq(std::FILE* file, const KivAccessControlReq* psAccessControlReq) {
    if (!trace::printApduOpening(file, "AccessControlRequest PDU\n", psAccessControlReq)) return;
    const KivAccessControlReq& req = *psAccessControlReq;
    const KivSecurityChallengeReq& challenge = req.sSecurityChallengeReq;
    std::fputs("sSecurityChallengeReq:\n", file);
    std::fputs("eSecurityChallengeReqType: ", file);
    printChallenge(file, challenge.eSecurityChallengeReqType,
                   challenge.uSecurityChallengeReq.psSimpleForm.get(),
                   challenge.uSecurityChallengeReq.psExternallyDefinedInfo.get());
    trace::printApduClosing(file, req);
}

void KivPrintAccessControlRsp(std::FILE* file, const KivAccessControlRsp* psAccessControlRsp) {
    if (!trace::printApduOpening(file, "AccessControlResponse PDU\n", psAccessControlRsp)) return;
    const KivAccessControlRsp& rsp = *psAccessControlRsp;
    std::fputs("psSecurityChallengeRsp: ", file);
    if (const KivSecurityChallengeRsp* challenge = rsp.psSecurityChallengeRsp.get()) {
        std::fputs("\neSecurityChallengeRspType: ", file);
        printChallenge(file, challenge->eSecurityChallengeRspType,
                       challenge->uSecurityChallengeRsp.psSimpleForm.get(),
                       challenge->uSecurityChallengeRsp.psExternallyDefinedInfo.get());
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("psDiagnostic:\n", file);
    KivPrintDiagRec(file, rsp.psDiagnostic.get());
    trace::printApduClosing(file, rsp);
}

void KivPrintResourceControlReq(std::FILE* file, const KivResourceControlReq* psResourceControlReq) {
    if (!trace::printApduOpening(file, "ResourceControlRequest PDU\n", psResourceControlReq)) return;
    const KivResourceControlReq& req = *psResourceControlReq;
    KivPrintNamedBoolean(file, "pfSuspendedFlag", trace::addressOf(req.pfSuspendedFlag));
    KivPrintNamedExternal(file, "psResourceReport", req.psResourceReport.get());
    std::fputs("pePartialResultsAvailable: ", file);
    trace::printOptionalEnumName(file, req.pePartialResultsAvailable, kPartialResults);
    KivPrintNamedBoolean(file, "fResponseRequired", &req.fResponseRequired);
    KivPrintNamedBoolean(file, "pfTriggeredRequestFlag", trace::addressOf(req.pfTriggeredRequestFlag));
    trace::printApduClosing(file, req);
}

void KivPrintResourceControlRsp(std::FILE* file, const KivResourceControlRsp* psResourceControlRsp) {
    if (!trace::printApduOpening(file, "ResourceControlResponse PDU\n", psResourceControlRsp)) return;
    const KivResourceControlRsp& rsp = *psResourceControlRsp;
    KivPrintNamedBoolean(file, "fContinueFlag", &rsp.fContinueFlag);
    KivPrintNamedBoolean(file, "pfResultSetWanted", trace::addressOf(rsp.pfResultSetWanted));
    trace::printApduClosing(file, rsp);
}

void KivPrintTriggerResourceControlReq(std::FILE* file,
                                       const KivTriggerResourceControlReq* psTriggerResourceControlReq) {
    if (!trace::printApduOpening(file, "TriggerResourceControlRequest PDU\n", psTriggerResourceControlReq))
        return;
    const KivTriggerResourceControlReq& req = *psTriggerResourceControlReq;
    std::fputs("eRequestedAction: ", file);
    trace::printEnumName(file, req.eRequestedAction, kRequestedActions);
    KivPrintNamedText(file, "pcPreferredResourceReportFormat", req.pcPreferredResourceReportFormat);
    KivPrintNamedBoolean(file, "pfResultSetWanted", trace::addressOf(req.pfResultSetWanted));
    trace::printApduClosing(file, req);
}
