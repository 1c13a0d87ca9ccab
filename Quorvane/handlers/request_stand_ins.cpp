// Search, Present and Scan answered with a failure carrying bib-1 diagnostic 2 ("temporary system error")
// until their handlers are in place.
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/response/counted_texts.h"
#include "Quorvane/response/diagnostics.h"
#include "Quorvane/session/session_lock.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/response_services.h"

namespace {

constexpr std::uint32_t kTemporarySystemError = 2;

template <typename Response>
void answerWithFailure(KivAssocId assocId, const KivOctets* referenceId, void (*fill)(Response&),
                       SIResult (*send)(KivAssocId, const Response*, SIError**), int (*release)(Response**)) {
    if (LockSession(assocId) == 0) return;
    auto* response = new Response{};
    response->psReferenceId = CopyReferenceId(referenceId);
    fill(*response);
    SIError* error = nullptr;
    send(assocId, response, &error);
    SIFreeError(&error);
    release(&response);
    UnlockSession(assocId);
}

template <typename Request>
const KivOctets* referenceIdOf(const std::unique_ptr<Request>& request) {
    return request != nullptr ? request->psReferenceId.get() : nullptr;
}

void fillSearch(KivSearchRsp& response) {
    SetSearchDiagnostic(response, kTemporarySystemError);
}

void fillPresent(KivPresentRsp& response) {
    SetPresentDiagnostic(response, kTemporarySystemError);
}

void fillScan(KivScanRsp& response) {
    response.eScanStatus = SCS_Failure;
    response.psEntries = std::make_unique<KivListEntries>();
    KivDiagRec* diag = response.psEntries->ppsNonSurrogateDiagnostics.emplace();
    diag->eDiagnosticsType = DT_DefaultFormat;
    diag->uDiagnostics.psDefault = std::make_unique<KivDefaultDiagFormat>();
    FillDefaultDiag(*diag->uDiagnostics.psDefault, kBib1DiagnosticSet, kTemporarySystemError, kSeeAppendixErr);
}

}  // namespace

void HandleSearchRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    answerWithFailure<KivSearchRsp>(assocId, referenceIdOf(pdu.uPdu.psSearchReq), fillSearch, KIVSearchResponse,
                                    KivFreeSearchRsp);
}

void HandlePresentRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    answerWithFailure<KivPresentRsp>(assocId, referenceIdOf(pdu.uPdu.psPresentReq), fillPresent,
                                     KIVPresentResponse, KivFreePresentRsp);
}

void HandleScanRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    answerWithFailure<KivScanRsp>(assocId, referenceIdOf(pdu.uPdu.psScanReq), fillScan, KIVScanResponse,
                                  KivFreeScanRsp);
}
